#include "budgets/BudgetText.h"

#include <algorithm>
#include <array>

#include "export/SpreadsheetField.h"
#include "platform/CodePage.h"

namespace tessamo {
namespace {

// Characters of UTF-8 text, for alignment.
std::size_t Width(const std::string& text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string Padded(const std::string& text, std::size_t width, bool right) {
    const std::string blanks(width > Width(text) ? width - Width(text) : 0, ' ');
    return right ? blanks + text : text + blanks;
}

}  // namespace

const std::array<const char*, 6> kBudgetColumns = {"Code", "Description", "Budget", "Actual", "Left", "Used"};

std::array<std::string, 6> BudgetRowCells(const BudgetRow& row, const MoneyFormat& money) {
    return {Cp1252ToVisibleUtf8(row.code), Cp1252ToVisibleUtf8(row.description), CurrencyText(row.budget, money),
            CurrencyText(row.actual, money), CurrencyText(row.left, money),
            row.usedTenths ? UsedPercentText(*row.usedTenths) + " %" : ""};
}

std::string CsvField(const std::string& plain) {
    // A spreadsheet would run a description such as "=cmd" as a formula.
    const std::string text = FormulaSafeText(plain);
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string BudgetCsvText(const std::vector<BudgetRow>& rows) {
    std::string text;
    for (std::size_t i = 0; i < kBudgetColumns.size(); ++i) text += std::string(i ? "," : "") + kBudgetColumns[i];
    text += "\n";
    for (const BudgetRow& row : rows) {
        text += CsvField(Cp1252ToUtf8(row.code)) + ',' + CsvField(Cp1252ToUtf8(row.description)) + ',' +
                CentsText(row.budget) + ',' + CentsText(row.actual) + ',' + CentsText(row.left) + ',' +
                (row.usedTenths ? UsedPercentText(*row.usedTenths) : "") + "\n";
    }
    return text;
}

std::string BudgetTableText(const std::vector<BudgetRow>& rows, const MoneyFormat& money) {
    std::vector<std::array<std::string, 6>> lines;
    lines.push_back({kBudgetColumns[0], kBudgetColumns[1], kBudgetColumns[2], kBudgetColumns[3], kBudgetColumns[4], kBudgetColumns[5]});
    for (const BudgetRow& row : rows) lines.push_back(BudgetRowCells(row, money));
    std::array<std::size_t, 6> widths{};
    for (const auto& cells : lines)
        for (std::size_t c = 0; c < cells.size(); ++c) widths[c] = std::max(widths[c], Width(cells[c]));
    std::string text;
    for (const auto& cells : lines) {
        std::string line;
        for (std::size_t c = 0; c < cells.size(); ++c)
            line += (c ? "  " : "") + Padded(cells[c], widths[c], c >= 2);
        text += line + "\n";
    }
    return text;
}

}  // namespace tessamo
