#pragma once
// The rows of a CSV statement, split by libcsv: fields separated by comma,
// semicolon or tab, quoted fields holding separators, doubled quotes and
// line breaks. Each row keeps the line of the file it starts on; empty
// lines are left out. Text is decoded first: a UTF-8 byte-order mark is
// dropped, valid UTF-8 is kept, anything else is read as Windows-1252.
#include <string>
#include <vector>

#include "platform/Status.h"

namespace tessamo {

struct CsvRow {
    int lineNumber = 0;
    std::vector<std::string> fields;
};

// The file's bytes as UTF-8.
std::string DecodeStatementText(const std::string& bytes);

// The rows of UTF-8 `text`. Corruption naming the line when a quoted field
// is never closed (`rows` then holds the rows before it); IOError when
// memory runs out.
Status ReadCsvRows(const std::string& text, char separator, std::vector<CsvRow>& rows);

// The separator of ';', '\t' and ',' that splits the first lines into the
// most rows of one field count above one; ',' when none does.
char GuessSeparator(const std::string& text);

}  // namespace tessamo
