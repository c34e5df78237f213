#include "export/CommaFileText.h"

#include <cstdint>
#include <unordered_map>

#include "core/FixedText.h"
#include "export/ExportNumberText.h"
#include "core/LedgerView.h"

namespace tessamo {
namespace {

constexpr std::string_view kSeparator = "\",\"";

// How many entries of the list carry each code.
std::unordered_map<std::uint16_t, int> ListedCodes(const std::vector<CategoryRecord>& categories) {
    std::unordered_map<std::uint16_t, int> listed;
    for (const CategoryRecord& c : categories) ++listed[CodeKey(c.Code)];
    return listed;
}

void AppendLineItem(std::string& out, const LedgerBytesRecord& r, const LineItemsExportOptions& options) {
    out += '"';
    out += r.Date().substr(0, 6);
    out += options.year;
    out += kSeparator;
    out += r.Code();
    out += kSeparator;
    out += ExportNumberText(r.Amount(), options.money);
    out += kSeparator;
    for (char c : r.Note()) out += c == '"' ? ' ' : c;
    out += "\"\r\n";
}

struct CodeTotals {
    AmountSum income = 0;
    AmountSum expense = 0;  // sum of the absolute values
};

void AppendSummaryLines(std::string& out, const std::vector<CategoryRecord>& categories,
                        const std::unordered_map<std::uint16_t, CodeTotals>& totals,
                        AmountSum CodeTotals::*which, const MoneyFormat& money) {
    for (const CategoryRecord& c : categories) {
        auto found = totals.find(CodeKey(c.Code));
        if (found == totals.end() || found->second.*which == 0) continue;
        out += '"';
        out += FixedWidth(c.Code, 2);
        out += kSeparator;
        out += ExportNumberText(found->second.*which, money);
        out += "\"\r\n";
    }
}

}  // namespace

LineItemsExport::LineItemsExport(const std::vector<CategoryRecord>& categories, std::string_view ledger,
                                 const LineItemsExportOptions& options)
    : listed_(ListedCodes(categories)), ledger_(ledger), options_(options) {
    // Any style but "A" and "E" exports no line.
    if (options.dateStyle != "A" && options.dateStyle != "E") next_ = LedgerView(ledger).size();
}

bool LineItemsExport::Next(std::string& out) {
    constexpr std::size_t kPieceSize = 1 << 16;
    const LedgerView ledger(ledger_);
    const std::size_t start = out.size();
    for (; next_ < ledger.size() && out.size() - start < kPieceSize; ++next_) {
        const LedgerBytesRecord r = ledger[next_];
        auto found = listed_.find(CodeKey(r.Code()));
        if (found == listed_.end()) continue;
        const double month = MonthOfDate(r.Date(), options_.dateStyle);
        if (month < options_.startMonth || month > options_.endMonth) continue;
        for (int k = 0; k < found->second; ++k) AppendLineItem(out, r, options_);
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
    const LedgerView ledger(ledgerBytes);
    std::unordered_map<std::uint16_t, CodeTotals> totals;
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
