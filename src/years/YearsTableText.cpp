#include "core/FixedText.h"
#include "export/SpreadsheetExport.h"
#include "export/SpreadsheetField.h"
#include "platform/CodePage.h"
#include "years/YearsTable.h"

namespace tessamo {
namespace {

constexpr std::size_t kAmountWidth = 16;

std::size_t CharacterCount(const std::string& utf8) {
    std::size_t count = 0;
    for (unsigned char c : utf8) count += (c & 0xC0) != 0x80;
    return count;
}

std::string RightAligned(const std::string& utf8, std::size_t width) {
    const std::size_t length = CharacterCount(utf8);
    return length >= width ? " " + utf8 : std::string(width - length, ' ') + utf8;
}

// Year, code, the 16-character name, then three right-aligned columns.
std::string Columns(const std::string& year, const std::string& code, const std::string& name,
                    const std::string& income, const std::string& expense, const std::string& balance) {
    return FixedWidth(year, 4) + "  " + FixedWidth(code, 4) + "  " + name + RightAligned(income, kAmountWidth) +
           RightAligned(expense, kAmountWidth) + RightAligned(balance, kAmountWidth) + "\n";
}

std::string TextLine(const std::string& year, const std::string& code, const std::string& name,
                     const YearCategoryTotals& totals, const MoneyFormat& money) {
    return Columns(year, code, name, CurrencyText(totals.income, money), CurrencyText(totals.expense, money),
                   CurrencyText(totals.income - totals.expense, money));
}

std::string CsvText(const std::string& text) {
    std::string field;
    AppendSpreadsheetField(field, text);
    return field;
}

std::string CsvLine(const std::string& year, const std::string& code, const std::string& name,
                    const YearCategoryTotals& totals) {
    return year + "," + CsvText(code) + "," + CsvText(name) + "," + SpreadsheetNumber(totals.income) + "," +
           SpreadsheetNumber(totals.expense) + "," + SpreadsheetNumber(totals.income - totals.expense) + ",\n";
}

std::string NameOf(const CategoryRecord& category) { return Cp1252ToUtf8(category.Name); }
std::string CodeOf(const CategoryRecord& category) { return Cp1252ToUtf8(category.Code); }

}  // namespace

std::string YearsTableText(const YearsTable& table, const MoneyFormat& money) {
    std::string text = Columns("Year", "Code", FixedWidth("Category", 16), "Income", "Expense", "Balance");
    const std::string allName = FixedWidth("All", 16);
    for (const YearRow& row : table.years) {
        if (!row.failure.empty()) {
            text += row.year + "  cannot be read: " + row.failure + "\n";
            continue;
        }
        for (std::size_t i = 0; i < table.categories.size(); ++i)
            text += TextLine(row.year, CodeOf(table.categories[i]), NameOf(table.categories[i]), row.categories[i],
                             money);
        text += TextLine(row.year, "", allName, row.all, money);
    }
    text += TextLine("All", "", allName, table.all, money);
    return text;
}

std::string YearsTableCsv(const YearsTable& table) {
    std::string csv = "Year,Code,Category,Income,Expense,Balance,Problem\n";
    for (const YearRow& row : table.years) {
        if (!row.failure.empty()) {
            csv += row.year + ",,,,,," + CsvText(row.failure) + "\n";
            continue;
        }
        for (std::size_t i = 0; i < table.categories.size(); ++i)
            csv += CsvLine(row.year, CodeOf(table.categories[i]), TrimRightBlanks(NameOf(table.categories[i])),
                           row.categories[i]);
        csv += CsvLine(row.year, "", "All", row.all);
    }
    csv += CsvLine("All", "", "All", table.all);
    return csv;
}

}  // namespace tessamo
