#include "find/FindText.h"

#include "core/FixedText.h"
#include "core/ItemListSummary.h"
#include "export/SpreadsheetExport.h"
#include "export/SpreadsheetField.h"
#include "platform/CodePage.h"

namespace tessamo {
namespace {

void AppendCsvText(std::string& out, std::string_view cp1252) {
    out += ',';
    AppendSpreadsheetField(out, Cp1252ToUtf8(TrimRightBlanks(cp1252)));
}

std::string LinesText(std::size_t count, const char* what) {
    return std::to_string(count) + (count == 1 ? " line " : " lines ") + what;
}

}  // namespace

void AppendFoundRow(std::string& out, const FoundLine& line, const MoneyFormat& money) {
    const LedgerBytesRecord record = line.Record();
    out += line.IsoDate();
    out += '\t';
    out += CurrencyText(record.Amount(), money);
    out += '\t';
    AppendCp1252AsVisibleUtf8(out, record.Code());
    out += '\t';
    AppendCp1252AsVisibleUtf8(out, TrimRightBlanks(record.Note()));
    out += '\n';
}

std::string FoundCsvHeader(bool withCategory) {
    return withCategory ? "Date,Amount,Code,Category,Note\r\n" : "Date,Amount,Code,Note\r\n";
}

void AppendFoundCsvRow(std::string& out, const FoundLine& line, bool withCategory, const std::string& categoryName) {
    const LedgerBytesRecord record = line.Record();
    out += line.IsoDate();
    out += ',';
    out += SpreadsheetNumber(record.Amount());
    AppendCsvText(out, record.Code());
    if (withCategory) AppendCsvText(out, categoryName);
    AppendCsvText(out, record.Note());
    out += "\r\n";
}

std::string FoundCategoryName(const FoundInYear& year, const FoundLine& line) {
    std::string name;
    CategoryLabel(year.categories, std::string(line.Record().Code()), name);
    return TrimRightBlanks(name);
}

std::array<std::string, 4> FindTotalsTexts(const FindTotals& totals, const MoneyFormat& money) {
    const std::array<std::string, 3> status = TotalsStatusTexts(totals.income, totals.expense, totals.balance, money);
    return {LinesText(totals.count, "found"), status[0], status[1], status[2]};
}

std::string SkippedLinesText(const FindTotals& totals) {
    if (totals.skipped == 0) return "";
    return LinesText(totals.skipped, "skipped: their date is not a date of their year's file");
}

std::string FoundRowsCsv(const std::vector<FoundRow>& rows) {
    std::string out = FoundCsvHeader(true);
    for (const FoundRow& row : rows) AppendFoundCsvRow(out, row.line, true, row.category);
    return out;
}

std::string FoundRowsPrintText(const std::vector<FoundRow>& rows, const FindTotals& totals, const MoneyFormat& money) {
    const auto column = [](std::string text, std::size_t width, bool right = false) {
        if (text.size() >= width) return text;
        return right ? std::string(width - text.size(), ' ') + text : text + std::string(width - text.size(), ' ');
    };
    std::string out = "Lines found in all years\n\n";
    out += column("Date", 12) + column("Amount", 18, true) + "  " + column("Code", 6) + column("Category", 18) + "Note\n";
    for (const FoundRow& row : rows) {
        const LedgerBytesRecord record = row.line.Record();
        out += column(row.line.IsoDate(), 12) + column(CurrencyText(record.Amount(), money), 18, true) + "  ";
        // Padded before the conversion: a column is one character of the page.
        out += Cp1252ToVisibleUtf8(column(std::string(record.Code()), 6));
        out += Cp1252ToVisibleUtf8(column(row.category, 18));
        out += Cp1252ToVisibleUtf8(TrimRightBlanks(record.Note())) + "\n";
    }
    out += "\n";
    for (const std::string& text : FindTotalsTexts(totals, money)) out += TrimBlanks(text) + "\n";
    return out;
}

}  // namespace tessamo
