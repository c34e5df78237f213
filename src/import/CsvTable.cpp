#include "import/CsvTable.h"

#include <csv.h>

#include <algorithm>
#include <map>

#include "platform/CodePage.h"

namespace tessamo {

std::string DecodeStatementText(const std::string& bytes) {
    static const std::string kBom = "\xEF\xBB\xBF";
    if (bytes.compare(0, kBom.size(), kBom) == 0) return bytes.substr(kBom.size());
    return IsValidUtf8(bytes) ? bytes : Cp1252ToUtf8(bytes);
}

namespace {

// What libcsv's callbacks build: the rows so far and the line being read.
struct RowBuilder {
    std::vector<CsvRow>* rows;
    CsvRow row;
    int line = 1;
    std::size_t limit = 0;  // stop after this many rows; 0 for all

    bool Full() const { return limit != 0 && rows->size() >= limit; }
};

void OnField(void* data, std::size_t length, void* builder) {
    auto& b = *static_cast<RowBuilder*>(builder);
    if (b.row.fields.empty()) b.row.lineNumber = b.line;
    const char* text = data ? static_cast<const char*>(data) : "";
    b.row.fields.emplace_back(text, length);
    b.line += static_cast<int>(std::count(text, text + length, '\n'));
}

// Called for every unquoted line break (CSV_REPALL_NL) and once at the end.
void OnRowEnd(int c, void* builder) {
    auto& b = *static_cast<RowBuilder*>(builder);
    if (!b.row.fields.empty() && !b.Full()) b.rows->push_back(std::move(b.row));
    b.row = CsvRow{};
    if (c == '\n') ++b.line;
}

// Blanks around unquoted fields are trimmed, tabs only when they do not separate.
int IsBlank(unsigned char c) { return c == ' '; }
int IsBlankOrTab(unsigned char c) { return c == ' ' || c == '\t'; }

Status Parse(const std::string& text, char separator, std::size_t limit, std::vector<CsvRow>& rows) {
    rows.clear();
    csv_parser parser;
    if (csv_init(&parser, CSV_REPALL_NL | CSV_STRICT_FINI) != 0) return Status::IOError({}, "out of memory");
    csv_set_delim(&parser, static_cast<unsigned char>(separator));
    csv_set_space_func(&parser, separator == '\t' ? IsBlank : IsBlankOrTab);
    RowBuilder builder{&rows, {}, 1, limit};
    bool ok = csv_parse(&parser, text.data(), text.size(), OnField, OnRowEnd, &builder) == text.size();
    ok = ok && csv_fini(&parser, OnField, OnRowEnd, &builder) == 0;
    Status outcome;
    if (!ok && csv_error(&parser) == CSV_EPARSE)
        outcome = Status::Corruption({}, "line " +
                                             std::to_string(builder.row.lineNumber ? builder.row.lineNumber : builder.line) +
                                             ": a quoted field is not closed");
    else if (!ok)
        outcome = Status::IOError({}, csv_strerror(csv_error(&parser)));
    csv_free(&parser);
    return outcome;
}

}  // namespace

Status ReadCsvRows(const std::string& text, char separator, std::vector<CsvRow>& rows) {
    return Parse(text, separator, 0, rows);
}

char GuessSeparator(const std::string& text) {
    constexpr std::size_t kSampleRows = 20;
    // The first lines only: a cut inside a quoted field is no harm here.
    const std::string sample = text.substr(0, 8192);
    char best = ',';
    std::size_t bestRows = 0;
    for (char candidate : {';', '\t', ','}) {
        std::vector<CsvRow> rows;
        // A sample cut inside a quoted field fails at its end; the rows before count.
        (void)Parse(sample, candidate, kSampleRows, rows);
        std::map<std::size_t, std::size_t> byWidth;
        for (const CsvRow& row : rows)
            if (row.fields.size() > 1) ++byWidth[row.fields.size()];
        for (const auto& [width, count] : byWidth)
            if (count > bestRows) bestRows = count, best = candidate;
    }
    return best;
}

}  // namespace tessamo
