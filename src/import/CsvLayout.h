#pragma once
// How a CSV statement is laid out: separator, header row, date order,
// decimal mark and which column holds what. GuessCsvLayout reads it from the
// file (header names in several languages, else the look of the data); the
// user may change any of it before the lines are read.
#include <string>

#include "import/CsvTable.h"
#include "import/Statement.h"
#include "import/StatementDate.h"
#include "platform/Result.h"

namespace tessamo {

struct CsvLayout {
    static constexpr int kNone = -1;
    char separator = ',';
    bool header = true;
    DateOrder dateOrder = DateOrder::DayMonthYear;
    char decimalMark = '.';
    int dateColumn = 0;
    int amountColumn = kNone;  // one signed column; else debit and credit
    int debitColumn = kNone;   // money out, whatever its sign
    int creditColumn = kNone;  // money in
    int payeeColumn = kNone;
    int memoColumn = kNone;
};

// The layout of UTF-8 `text` as far as it can be told.
CsvLayout GuessCsvLayout(const std::string& text);
// The layout's columns and marks for rows already split (the separator is kept).
void GuessCsvColumns(const std::vector<CsvRow>& rows, CsvLayout& layout);

// Every row after the header as a statement line; a row that cannot be read
// carries its reason. Fails as ReadCsvRows does when the text cannot be split.
Result<Statement> ReadCsvStatement(const std::string& text, const CsvLayout& layout);
// The same over rows already split.
Statement StatementFromRows(const std::vector<CsvRow>& rows, const CsvLayout& layout);

}  // namespace tessamo
