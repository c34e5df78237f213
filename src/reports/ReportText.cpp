#include "reports/ReportText.h"

#include <algorithm>
#include <cstdio>

#include "core/Amounts.h"
#include "core/CodeTable.h"
#include "core/FixedText.h"
#include "reports/ReportFields.h"
#include "reports/ReportSelection.h"
#include "reports/ReportSummary.h"

namespace tessamo {
namespace {

constexpr const char* kColumnHeader = " Category              Sub Total             Graph";

// Collects the report's lines with CR LF between them, none after the last.
// With a sink, the lines go out in pieces of about 64 KiB as they come.
class LineWriter {
public:
    LineWriter(std::size_t expectedSize, const ReportPieceSink* sink) : sink_(sink) {
        text_.reserve(sink ? kPieceSize + 4096 : expectedSize);
    }
    template <class... Pieces>
    void Line(const Pieces&... pieces) {
        if (sink_ && text_.size() >= kPieceSize) Flush();
        if (!first_) text_ += "\r\n";
        first_ = false;
        (text_.append(std::string_view(pieces)), ...);
    }
    void Blank() { Line(" "); }
    // The text not yet handed to the sink (all of it without one).
    std::string Take() {
        if (sink_) Flush();
        return std::move(text_);
    }

private:
    static constexpr std::size_t kPieceSize = 1 << 16;
    void Flush() {
        if (!first_) (*sink_)(text_);
        text_.clear();
        first_ = true;
    }
    const ReportPieceSink* sink_;
    std::string text_;
    bool first_ = true;
};

std::string Name16(const CategoryRecord& category) { return FixedWidth(category.Name, 16); }

// The positions of each code's lines in a working set, in set order.
CodeTable<std::vector<std::uint32_t>> LinesByCode(const std::vector<WorkingLine>& lines) {
    CodeTable<std::vector<std::uint32_t>> byCode;
    for (std::size_t i = 0; i < lines.size(); ++i) byCode[lines[i].code].push_back(static_cast<std::uint32_t>(i));
    return byCode;
}

void SummaryLines(LineWriter& out, const std::vector<CategoryRecord>& categories,
                  const std::vector<WorkingLine>& lines, AmountSum total, const MoneyFormat& money) {
    for (const SummaryRow& row : SummaryRows(categories, lines, total))
        out.Line(Name16(row.category), AmountField(row.subtotal, money), "  (", PercentageField(row.pctHundredths, money),
                 "%)  ", std::string(static_cast<std::size_t>(row.bars), '|'));
}

void SummarySection(LineWriter& out, const char* title, const char* totalLabel,
                    const std::vector<CategoryRecord>& categories, const std::vector<WorkingLine>& lines,
                    AmountSum total, const MoneyFormat& money) {
    out.Line(title);
    out.Blank();
    out.Line(kColumnHeader);
    out.Blank();
    SummaryLines(out, categories, lines, total, money);
    out.Blank();
    out.Line(totalLabel, AmountField(total, money));
    out.Blank();
}

void OpenItems(LineWriter& out, const std::vector<WorkingLine>& openItems) {
    if (openItems.empty()) return;
    out.Blank();
    out.Line(RuleLine());
    out.Blank();
    out.Line(" --- Open Items ---");
    out.Blank();
    out.Line(" Date         Cat   Note");
    out.Blank();
    for (const WorkingLine& item : openItems)
        out.Line(" ", item.record.Date(), "   ", item.record.Code(), "  ", item.record.Note());
}

void LineItemBlock(LineWriter& out, const char* title, const std::vector<CategoryRecord>& categories,
                   const std::vector<WorkingLine>& lines, const MoneyFormat& money) {
    out.Blank();
    out.Line(RuleLine());
    out.Line(title);
    out.Line(RuleLine());
    const auto byCode = LinesByCode(lines);
    for (const CategoryRecord& category : categories) {
        const auto* found = byCode.Find(CodeKey(category.Code));
        if (!found) continue;
        out.Blank();
        out.Line(" Category: ", Name16(category));
        out.Blank();
        for (std::uint32_t i : *found) {
            const WorkingLine& line = lines[i];
            out.Line(" ", line.record.Date(), "  ", AmountField(line.amount(), money), "\t", line.record.Note());
        }
    }
}

std::string ItemsStatus(std::size_t count, const char* what, AmountSum shown, const MoneyFormat& money) {
    return "(" + std::to_string(count) + " Items) " + what + " = " + CurrencyText(shown, money) + " ";
}

}  // namespace

std::string ReportHeaderLine(const std::string& userName, CalendarDate today, const std::string& dateStyle) {
    const bool dayFirst = dateStyle == "E";
    char date[40];
    std::snprintf(date, sizeof date, "%02d-%02d-%04d", dayFirst ? today.day : today.month,
                  dayFirst ? today.month : today.day, today.year);
    return "Cashflow Record for " + FixedWidth(userName, 28) + "   Printed: " + date;
}

ReportText BuildReport(const std::vector<CategoryRecord>& categories, std::string_view ledger,
                       const ReportOptions& options, const ReportPieceSink* sink) {
    const MoneyFormat& money = options.money;
    const ReportSelection selection =
        SelectReportRecords(categories, LedgerBytesView(ledger), options.startMonth, options.endMonth, options.dateStyle);
    AmountSum incomeTotal = 0, expenseTotal = 0;
    TotalUp(selection.income, incomeTotal);
    TotalUp(selection.expense, expenseTotal);

    ReportText report;
    report.status.income = ItemsStatus(selection.income.size(), "Income", incomeTotal, money);
    report.status.expense = ItemsStatus(selection.expense.size(), "Expense", -expenseTotal, money);

    const std::string yy = options.ledgerFileName.size() >= 4 ? options.ledgerFileName.substr(2, 2) : "";
    // About 80 bytes a line item in a full report, far less otherwise.
    const std::size_t lineItems = selection.income.size() + selection.expense.size();
    LineWriter out(4096 + 80 * (selection.openItems.size() + (options.reportType == "F" ? lineItems : 0)), sink);
    out.Line(ReportHeaderLine(options.userName, options.today, options.dateStyle));
    out.Line(RuleLine());
    out.Line("Searched the period:  " + std::to_string(options.startMonth) + "/" + yy + " through " +
             std::to_string(options.endMonth) + "/" + yy + ", inclusive.");
    out.Line("Records found span :  " + std::to_string(selection.lowestMonth) + "/" + yy + " through " +
             std::to_string(selection.highestMonth) + "/" + yy + ", inclusive.");
    out.Line(RuleLine());
    out.Blank();
    SummarySection(out, " --- Summary of money that went OUT ---", "Total Expense   ", categories, selection.expense,
                   expenseTotal, money);
    SummarySection(out, " --- Summary of money that came IN ---", "Total Income    ", categories, selection.income,
                   incomeTotal, money);
    if (incomeTotal != expenseTotal) {
        const AmountSum balance = incomeTotal - expenseTotal;
        out.Line(balance > 0 ? "A SURPLUS of    " : "A DEFICIT of    ", AmountField(balance, money));
        report.status.balance = "Balance = " + CurrencyText(balance, money) + " ";
    }
    OpenItems(out, selection.openItems);
    if (options.reportType == "F") {
        LineItemBlock(out, "                        Line items - money OUT", categories, selection.expense, money);
        LineItemBlock(out, "                        Line items - money IN", categories, selection.income, money);
    }
    out.Blank();
    out.Line(RuleLine());
    out.Line("  END");
    report.text = out.Take();
    return report;
}

}  // namespace tessamo
