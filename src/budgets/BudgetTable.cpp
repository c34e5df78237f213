#include "budgets/BudgetTable.h"

#include <set>

#include "core/FixedText.h"
#include "core/RecordFile.h"

namespace tessamo {
namespace {

BudgetState StateOf(AmountSum budget, AmountSum actual) {
    if (budget == 0) return actual == 0 ? BudgetState::Within : BudgetState::Over;
    // Compared as shares of the budget, whichever its sign.
    if (budget < 0) {
        budget = -budget;
        actual = -actual;
    }
    if (actual > budget) return BudgetState::Over;
    return actual * 10 >= budget * 9 ? BudgetState::Near : BudgetState::Within;
}

BudgetRow MakeRow(const std::string& code, const MonthBudgets* months, const ActualSums& actual,
                  const BudgetRowChoice& choice) {
    BudgetRow row;
    row.code = code;
    for (int m = choice.firstMonth; months && m <= choice.lastMonth; ++m) {
        const auto& value = (*months)[static_cast<std::size_t>(m - 1)];
        if (!value) continue;
        row.hasBudget = true;
        row.budget += *value;
    }
    row.actual = actual.Sum(code, choice.firstMonth, choice.lastMonth);
    row.left = row.budget - row.actual;
    if (row.hasBudget && row.budget != 0) row.usedTenths = RoundedQuotient(row.actual * 1000, row.budget);
    row.state = StateOf(row.budget, row.actual);
    return row;
}

}  // namespace

ActualSums::ActualSums(const LedgerBytesView& ledger, const std::string& dateStyle) {
    for (std::size_t i = 0; i < ledger.size(); ++i) {
        const LedgerBytesRecord record = ledger[i];
        const double month = MonthOfDate(record.Date(), dateStyle);
        if (!(month >= 1 && month <= 12) || month != static_cast<int>(month)) continue;
        const std::uint16_t key = CodeKey(record.Code());
        if (!months_.Find(key)) codes_.emplace_back(record.Code());
        months_[key][static_cast<std::size_t>(month) - 1] += record.Amount();
    }
}

AmountSum ActualSums::Sum(const std::string& code, int firstMonth, int lastMonth) const {
    const auto* months = months_.Find(CodeKey(code));
    AmountSum sum = 0;
    for (int m = firstMonth; months && m <= lastMonth; ++m) sum += (*months)[static_cast<std::size_t>(m - 1)];
    return sum;
}

std::vector<BudgetRow> BudgetRows(const YearBudgets& budgets, const std::vector<CategoryRecord>& categories,
                                  const ActualSums& actual, const BudgetRowChoice& choice) {
    std::vector<BudgetRow> rows;
    std::set<std::string> listed;
    for (const CategoryRecord& category : categories) {
        if (!listed.insert(category.Code).second) continue;
        BudgetRow row = MakeRow(category.Code, budgets.Find(category.Code), actual, choice);
        if (!row.hasBudget && !choice.withoutBudget) continue;
        row.description = TrimRightBlanks(category.Name);
        rows.push_back(std::move(row));
    }
    for (const auto& [code, months] : budgets.All()) {
        if (listed.count(code) > 0) continue;
        BudgetRow row = MakeRow(code, &months, actual, choice);
        if (!row.hasBudget && !choice.withoutBudget) continue;
        row.listed = false;
        row.description = kNoCategoryText;
        rows.push_back(std::move(row));
    }
    return rows;
}

Status LoadBudgetRows(const SharedState& state, const BudgetRowChoice& choice, std::vector<BudgetRow>& rows) {
    rows.clear();
    std::vector<CategoryRecord> categories;
    YearBudgets budgets;
    std::string ledger;
    if (Status s = ReadRecords(state.env.files, state.CategoryFileName, categories); !s.ok()) return s;
    if (Status s = LoadBudgets(state.env.files, state.CurYear, budgets); !s.ok()) return s;
    if (Status s = state.env.files.ReadAll(state.LedgerFileName, ledger); !s.ok()) return s;
    rows = BudgetRows(budgets, categories, ActualSums(LedgerBytesView(ledger), state.DateStyle), choice);
    return Status::Ok();
}

AmountSum RoundedQuotient(AmountSum numerator, AmountSum denominator) {
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    // An exact half (even denominator) and more go away from zero.
    const AmountSum half = denominator / 2;
    return numerator >= 0 ? (numerator + half) / denominator : -((-numerator + half) / denominator);
}

std::string DecimalText(AmountSum scaled, int decimals) {
    const bool negative = scaled < 0;
    AmountSum magnitude = negative ? -scaled : scaled;
    std::string digits;
    for (int i = 0; i <= decimals || magnitude > 0; ++i) {
        if (i == decimals && decimals > 0) digits.insert(digits.begin(), '.');
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(magnitude % 10)));
        magnitude /= 10;
    }
    return (negative ? "-" : "") + digits;
}

std::string UsedPercentText(AmountSum tenths) { return DecimalText(tenths, 1); }

std::string CentsText(AmountSum amount) { return DecimalText(RoundedQuotient(amount, 100), 2); }

std::optional<AmountSum> AtThisRate(AmountSum monthActual, int year, int month, const CalendarDate& today) {
    if (today.year != year || today.month != month || today.day < 1) return std::nullopt;
    return RoundedQuotient(monthActual * DaysInMonth(year, month), AmountSum{today.day} * 100) * 100;
}

}  // namespace tessamo
