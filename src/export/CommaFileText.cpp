#include "export/CommaFileText.h"

#include <algorithm>
#include <cstdint>

#include "core/CodeTable.h"
#include "core/FixedText.h"
#include "export/ExportNumberText.h"
#include "export/SpreadsheetField.h"
#include "core/LedgerBytes.h"

namespace tessamo {
namespace {

constexpr std::string_view kSeparator = "\",\"";

// A code or note that a spreadsheet would take for a formula opens as text;
// any other keeps its bytes.
void AppendFormulaSafe(std::string& out, std::string_view text) {
    if (StartsFormula(text)) out += '\'';
    out += text;
}

// How many entries of the list carry each code.
CodeTable<int> ListedCodes(const std::vector<CategoryRecord>& categories) {
    CodeTable<int> listed;
    for (const CategoryRecord& c : categories) ++listed[CodeKey(c.Code)];
    return listed;
}

void AppendLineItem(std::string& out, const LedgerBytesRecord& r, const LineItemsExportOptions& options) {
    out += '"';
    out += r.Date().substr(0, 6);
    out += options.year;
    out += kSeparator;
    AppendFormulaSafe(out, r.Code());
    out += kSeparator;
    out += ExportNumberText(r.Amount(), options.money);
    out += kSeparator;
    const std::size_t note = out.size();
    out += r.Note();
    std::replace(out.begin() + static_cast<std::ptrdiff_t>(note), out.end(), '"', ' ');
    // Checked after the blanking: a note "\"=…" opens as " =…".
    if (StartsFormula(std::string_view(out).substr(note))) out.insert(note, 1, '\'');
    out += "\"\r\n";
}

struct CodeTotals {
    AmountSum income = 0;
    AmountSum expense = 0;  // sum of the absolute values
};

void AppendSummaryLines(std::string& out, const std::vector<CategoryRecord>& categories,
                        const CodeTable<CodeTotals>& totals,
                        AmountSum CodeTotals::*which, const MoneyFormat& money) {
    for (const CategoryRecord& c : categories) {
        const CodeTotals* found = totals.Find(CodeKey(c.Code));
        if (!found || found->*which == 0) continue;
        out += '"';
        AppendFormulaSafe(out, FixedWidth(c.Code, 2));
        out += kSeparator;
        out += ExportNumberText(found->*which, money);
        out += "\"\r\n";
    }
}

}  // namespace

LineItemsExport::LineItemsExport(const std::vector<CategoryRecord>& categories, std::string_view ledger,
                                 const LineItemsExportOptions& options)
    : listed_(ListedCodes(categories)), ledger_(ledger), options_(options) {
    // Any style but "A" and "E" exports no line.
    if (options.dateStyle != "A" && options.dateStyle != "E") next_ = LedgerBytesView(ledger).size();
}

bool LineItemsExport::Next(std::string& out) {
    constexpr std::size_t kPieceSize = 1 << 16;
    const LedgerBytesView ledger(ledger_);
    const std::size_t start = out.size();
    for (; next_ < ledger.size() && out.size() - start < kPieceSize; ++next_) {
        const LedgerBytesRecord r = ledger[next_];
        const int* found = listed_.Find(CodeKey(r.Code()));
        if (!found) continue;
        const double month = MonthOfDate(r.Date(), options_.dateStyle);
        if (month < options_.startMonth || month > options_.endMonth) continue;
        for (int k = 0; k < *found; ++k) AppendLineItem(out, r, options_);
    }
    return next_ < ledger.size();
}

std::string LineItemsExportText(const std::vector<CategoryRecord>& categories, std::string_view ledger,
                                const LineItemsExportOptions& options) {
    LineItemsExport lines(categories, ledger, options);
    std::string out;
    while (lines.Next(out)) {
    }
    return out;
}

std::string SummaryExportText(const std::vector<CategoryRecord>& categories, std::string_view ledgerBytes,
                              const MoneyFormat& money) {
    const LedgerBytesView ledger(ledgerBytes);
    CodeTable<CodeTotals> totals;
    for (std::size_t i = 0; i < ledger.size(); ++i) {
        const std::int64_t amount = ledger[i].Amount();
        CodeTotals& t = totals[CodeKey(ledger[i].Code())];
        if (amount > 0) t.income += amount;
        if (amount < 0) t.expense -= amount;
    }
    std::string out = "income\r\n";
    AppendSummaryLines(out, categories, totals, &CodeTotals::income, money);
    out += "expense\r\n";
    AppendSummaryLines(out, categories, totals, &CodeTotals::expense, money);
    return out;
}

}  // namespace tessamo
