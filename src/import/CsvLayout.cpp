#include "import/CsvLayout.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "import/StatementAmount.h"

namespace tessamo {
namespace {

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

const std::string& Field(const CsvRow& row, int column) {
    static const std::string kEmpty;
    return column >= 0 && static_cast<std::size_t>(column) < row.fields.size() ? row.fields[column] : kEmpty;
}

// Header words that name a column's role, in the order roles are given out.
enum Role { kDate, kBalance, kDebit, kCredit, kAmount, kPayee, kMemo, kRoles };
const std::array<std::vector<const char*>, kRoles> kHeaderWords = {{
    {"date", "datum", "posted", "booking", "buchungstag", "fecha"},
    {"balance", "saldo", "kontostand"},
    {"debit", "withdrawal", "paid out", "money out", "outflow", "soll", "ausgang"},
    {"credit", "deposit", "paid in", "money in", "inflow", "haben", "eingang"},
    {"amount", "betrag", "importe", "montant", "value"},
    {"payee", "name", "description", "beneficiary", "counterparty", "merchant", "empf"},
    {"memo", "reference", "purpose", "verwendungszweck", "details", "text", "note"},
}};

// Roles by header names; false when the row names no date and no amount.
bool ColumnsFromHeader(const CsvRow& header, std::array<int, kRoles>& columns) {
    columns.fill(CsvLayout::kNone);
    std::vector<bool> taken(header.fields.size(), false);
    for (int role = 0; role < kRoles; ++role)
        for (std::size_t c = 0; c < header.fields.size() && columns[role] < 0; ++c) {
            const std::string name = Lower(header.fields[c]);
            for (const char* word : kHeaderWords[role])
                if (!taken[c] && name.find(word) != std::string::npos) {
                    columns[role] = static_cast<int>(c);
                    taken[c] = true;
                    break;
                }
        }
    const bool amounts = columns[kAmount] >= 0 || (columns[kDebit] >= 0 && columns[kCredit] >= 0);
    return columns[kDate] >= 0 && amounts;
}

// Text the amount reader takes with one decimal mark or the other.
bool LooksLikeAmount(const std::string& text) {
    return ReadStatementAmount(text, '.').ok() || ReadStatementAmount(text, ',').ok();
}

bool LooksLikeDate(const std::string& text) {
    for (DateOrder o : {DateOrder::DayMonthYear, DateOrder::MonthDayYear, DateOrder::YearMonthDay})
        if (ReadStatementDate(text, o).ok()) return true;
    return false;
}

// True when every non-empty field of the column passes `test` and one is non-empty.
template <class Test>
bool ColumnIs(const std::vector<CsvRow>& rows, std::size_t first, int column, Test test) {
    bool any = false;
    for (std::size_t r = first; r < rows.size(); ++r) {
        const std::string& text = Field(rows[r], column);
        if (text.empty()) continue;
        if (!test(text)) return false;
        any = true;
    }
    return any;
}

// Roles from the look of the data: the first date column, the amount
// columns (two that are never both filled are debit and credit), and the
// first two text columns as payee and memo.
void ColumnsFromData(const std::vector<CsvRow>& rows, std::size_t first, std::array<int, kRoles>& columns) {
    columns.fill(CsvLayout::kNone);
    std::size_t width = 0;
    for (const CsvRow& row : rows) width = std::max(width, row.fields.size());
    std::vector<int> amounts, texts;
    for (int c = 0; c < static_cast<int>(width); ++c) {
        if (columns[kDate] < 0 && ColumnIs(rows, first, c, LooksLikeDate)) columns[kDate] = c;
        else if (ColumnIs(rows, first, c, LooksLikeAmount)) amounts.push_back(c);
        else if (ColumnIs(rows, first, c, [](const std::string&) { return true; })) texts.push_back(c);
    }
    bool exclusive = amounts.size() == 2;
    for (std::size_t r = first; exclusive && r < rows.size(); ++r)
        exclusive = !(HasDigit(Field(rows[r], amounts[0])) && HasDigit(Field(rows[r], amounts[1])));
    if (exclusive) {
        columns[kDebit] = amounts[0];
        columns[kCredit] = amounts[1];
    } else if (!amounts.empty()) {
        columns[kAmount] = amounts[0];
    }
    if (!texts.empty()) columns[kPayee] = texts[0];
    if (texts.size() > 1) columns[kMemo] = texts[1];
}

// The mark that ends most amounts of the chosen columns.
char GuessCsvDecimalMark(const std::vector<CsvRow>& rows, std::size_t first, const std::vector<int>& columns,
                         char separator) {
    std::vector<std::string> texts;
    for (std::size_t r = first; r < rows.size(); ++r)
        for (int column : columns)
            if (column >= 0) texts.push_back(Field(rows[r], column));
    return GuessDecimalMark(texts, separator == ';' ? ',' : '.');
}

}  // namespace

void GuessCsvColumns(const std::vector<CsvRow>& rows, CsvLayout& layout) {
    std::array<int, kRoles> columns{};
    layout.header = !rows.empty() && ColumnsFromHeader(rows.front(), columns);
    if (!layout.header) {
        // A first row without a single date is a header we could not read.
        layout.header = rows.size() > 1 && std::none_of(rows.front().fields.begin(), rows.front().fields.end(),
                                                        LooksLikeDate);
        ColumnsFromData(rows, layout.header ? 1 : 0, columns);
    }
    const std::size_t first = layout.header ? 1 : 0;
    layout.dateColumn = std::max(columns[kDate], 0);
    layout.amountColumn = columns[kAmount];
    layout.debitColumn = columns[kDebit];
    layout.creditColumn = columns[kCredit];
    layout.payeeColumn = columns[kPayee];
    layout.memoColumn = columns[kMemo];
    std::vector<std::string> dates;
    for (std::size_t r = first; r < rows.size(); ++r) dates.push_back(Field(rows[r], layout.dateColumn));
    layout.dateOrder = GuessDateOrder(dates);
    layout.decimalMark =
        GuessCsvDecimalMark(rows, first, {layout.amountColumn, layout.debitColumn, layout.creditColumn}, layout.separator);
}

CsvLayout GuessCsvLayout(const std::string& text) {
    CsvLayout layout;
    layout.separator = GuessSeparator(text);
    std::vector<CsvRow> rows;
    // A file that cannot be split whole still has a layout for its first rows.
    (void)ReadCsvRows(text.substr(0, 65536), layout.separator, rows);
    GuessCsvColumns(rows, layout);
    return layout;
}

namespace {

// The row's amount from its one column or from debit and credit.
Result<std::int64_t> RowAmount(const CsvRow& row, const CsvLayout& layout) {
    if (layout.amountColumn >= 0) return ReadStatementAmount(Field(row, layout.amountColumn), layout.decimalMark);
    const std::string& debit = Field(row, layout.debitColumn);
    const std::string& credit = Field(row, layout.creditColumn);
    if (!HasDigit(debit) && !HasDigit(credit))
        return Status::Corruption({}, "unreadable amount: (no amount in the debit or credit column)");
    // Both magnitudes are at most the largest amount, so their difference fits.
    std::int64_t in = 0, out = 0;
    for (const auto& [text, magnitude] : {std::pair{&credit, &in}, std::pair{&debit, &out}}) {
        if (!HasDigit(*text)) continue;
        const Result<std::int64_t> amount = ReadStatementAmount(*text, layout.decimalMark);
        if (!amount.ok()) return amount;
        *magnitude = amount.value() < 0 ? -amount.value() : amount.value();
    }
    return in - out;
}

}  // namespace

Statement StatementFromRows(const std::vector<CsvRow>& rows, const CsvLayout& layout) {
    Statement statement;
    for (std::size_t r = layout.header ? 1 : 0; r < rows.size(); ++r) {
        const CsvRow& row = rows[r];
        if (std::all_of(row.fields.begin(), row.fields.end(), [](const std::string& f) { return f.empty(); }))
            continue;
        StatementLine line;
        line.lineNumber = row.lineNumber;
        line.payee = Field(row, layout.payeeColumn);
        line.memo = Field(row, layout.memoColumn);
        // The amount is read only when the date was, so `error` names the first fault.
        const Result<CalendarDate> date = ReadStatementDate(Field(row, layout.dateColumn), layout.dateOrder);
        const Result<std::int64_t> amount = date.ok() ? RowAmount(row, layout) : date.status();
        if (date.ok()) line.date = date.value();
        if (amount.ok()) line.amount = amount.value();
        else line.error = amount.status().reason();
        statement.lines.push_back(std::move(line));
    }
    return statement;
}

Result<Statement> ReadCsvStatement(const std::string& text, const CsvLayout& layout) {
    std::vector<CsvRow> rows;
    if (Status s = ReadCsvRows(text, layout.separator, rows); !s.ok()) return s;
    return StatementFromRows(rows, layout);
}

}  // namespace tessamo
