#include "due/DueMacro.h"

#include "core/FixedText.h"
#include "macros/MacroFile.h"
#include "platform/CodePage.h"

namespace tessamo {
namespace {

std::optional<std::string> ReadGroups(const std::string& bytes, std::vector<LedgerRecord>& lines) {
    if (bytes.find('\0') != std::string::npos) return "it holds binary data";
    const std::vector<std::string> data = MacroDataLines(TextFileToCp1252(bytes));
    for (std::size_t r = 0; r + 3 <= data.size(); r += 3) {
        const std::string code = MacroCode(data[r]);
        const std::optional<std::int64_t> amount = MacroAmount(data[r + 1]);
        const std::string where = "the entry beginning on data line " + std::to_string(r + 1);
        if (TrimBlanks(code).empty()) return where + " has no category code";
        if (!amount) return where + " has an amount that cannot be read";
        lines.push_back(LedgerRecord::Make("", code, *amount, MacroNote(data[r + 2])));
    }
    if (data.size() % 3 != 0) return "its last " + std::to_string(data.size() % 3) + " data line(s) make no complete entry";
    return std::nullopt;
}

}  // namespace

DueMacro ReadDueMacro(const FileSystem& files, const std::string& macro) {
    DueMacro result;
    std::string bytes;
    if (!files.Exists(macro)) {
        result.problem = macro + ": the macro file is missing";
        return result;
    }
    if (Status s = files.ReadAll(macro, bytes); !s.ok()) {
        result.problem = s.ToString();
        return result;
    }
    if (std::optional<std::string> why = ReadGroups(bytes, result.lines)) {
        result.problem = macro + ": " + *why;
        result.lines.clear();
        return result;
    }
    for (const LedgerRecord& line : result.lines) result.total += line.Amount;
    return result;
}

std::string PlainTotalText(AmountSum total) {
    return CurrencyText(total, MoneyFormat{"#", "-#", ".", ""});
}

}  // namespace tessamo
