#include "budgets/BudgetChange.h"

#include "core/Amounts.h"
#include "core/Dates.h"
#include "core/FixedText.h"
#include "platform/CodePage.h"
#include "core/RecordFile.h"
#include "core/LedgerBytes.h"

namespace tessamo {

Status ChangeBudget(FileSystem& files, const std::string& year, const std::string& code, int month,
                    std::optional<std::int64_t> amount) {
    YearBudgets budgets;
    if (Status s = LoadBudgets(files, year, budgets); !s.ok()) return s;
    budgets.Set(code, month, amount);
    return SaveBudgets(files, year, budgets, BudgetChangeText(year, code, month, !amount));
}

std::string BudgetChangeText(const std::string& year, const std::string& code, int month, bool cleared) {
    return std::string(cleared ? "Clear budget" : "Budget") + " of " + Cp1252ToUtf8(TrimBlanks(code)) + ", " +
           (month == 0 ? "every month of " : MonthName(month) + " ") + year;
}

std::optional<std::int64_t> ReadBudgetAmount(std::string typed, bool expense, const MoneyFormat& money) {
    const std::string cleaned = CleanAmount(typed);
    const std::optional<std::int64_t> amount = ReadTypedAmount(cleaned, money);
    if (cleaned.empty() || !amount || *amount == 0) return std::nullopt;
    const std::int64_t magnitude = *amount < 0 ? -*amount : *amount;
    return expense ? -magnitude : magnitude;
}

Status BudgetsFromYear(const SharedState& state, const std::string& fromYear, bool actual, BudgetCopy& copy) {
    std::vector<CategoryRecord> categories;
    if (Status s = ReadRecords(state.env.files, state.CategoryFileName, categories); !s.ok()) return s;
    if (actual) {
        std::string ledger;
        if (Status s = state.env.files.ReadAll(fromYear + "TSM.DAT", ledger); !s.ok()) return s;
        copy = AverageBudgets(LedgerBytesView(ledger), state.DateStyle, categories);
        return Status::Ok();
    }
    YearBudgets other;
    if (Status s = LoadBudgets(state.env.files, fromYear, other); !s.ok()) return s;
    copy = CopiedBudgets(other, categories);
    return Status::Ok();
}

}  // namespace tessamo
