// Bank statements of any content: the first byte picks CSV (with the layout
// guessed, or a chosen separator, date order and decimal mark) or OFX; the
// rest is the file. Every line read must be planned into a ledger line of
// the record's widths, and a line without an error must hold a real date.
#include <cstdint>
#include <string>

#include "Check.h"
#include "FuzzInput.h"
#include "QuietState.h"
#include "import/ImportPlan.h"
#include "import/OfxStatement.h"
#include "import/StatementFile.h"

using namespace tessamo;

namespace {

Result<Statement> ReadCsvBytes(std::uint8_t options, const std::string& bytes) {
    const std::string text = DecodeStatementText(bytes);
    CsvLayout layout = GuessCsvLayout(text);
    if (options & 2) {
        layout.separator = ",;\t"[(options >> 2) % 3];
        layout.dateOrder = static_cast<DateOrder>((options >> 4) % 3);
        layout.decimalMark = options & 64 ? ',' : '.';
        layout.header = options & 128;
    }
    return ReadCsvStatement(text, layout);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::uint8_t options = input.Byte();
    const std::string bytes = input.Rest();
    const Result<Statement> read = options & 1 ? ReadOfxStatement(bytes) : ReadCsvBytes(options, bytes);
    if (!read.ok()) return 0;
    const Statement& statement = read.value();
    for (const StatementLine& line : statement.lines) {
        FUZZ_CHECK(line.lineNumber >= 1);
        if (!line.error.empty()) continue;
        FUZZ_CHECK(line.date.month >= 1 && line.date.month <= 12 && line.date.day >= 1 && line.date.day <= 31);
    }
    QuietState quiet(MoneyFormat::Reference());
    ImportPlan plan;
    const ImportRules rules = ParseImportRules(bytes.substr(0, 256));
    if (!PlanImport(quiet.state, statement, rules, ImportedIds(), {"AA", true}, plan).ok()) return 0;
    FUZZ_CHECK(plan.lines.size() == statement.lines.size());
    for (const PlannedLine& line : plan.lines) {
        FUZZ_CHECK(line.record.Date.size() == 8 && line.record.Note.size() == 40 && line.record.Code.size() == 2);
        FUZZ_CHECK(line.state != LineState::Bad || !line.checked);
    }
    return 0;
}
