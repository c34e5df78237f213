// Macro files of any content: split into lines, classified, and each data
// line read as a code, an amount and a note within their widths.
#include <cmath>
#include <cstdint>
#include <string>

#include "Check.h"
#include "core/LeadingNumber.h"
#include "macros/MacroFile.h"

using namespace tessamo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (const std::string& line : SplitMacroLines(bytes)) {
        FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos);
        ClassifyMacroLine(line);
    }
    for (const std::string& line : MacroDataLines(bytes)) {
        FUZZ_CHECK(ClassifyMacroLine(line) == MacroLineClass::Data);
        FUZZ_CHECK(MacroCode(line).size() == 2);
        FUZZ_CHECK(MacroNote(line).size() <= 40);
        const std::optional<std::int64_t> amount = MacroAmount(line);
        // An amount is refused exactly when the leading number has no stored value.
        const double number = LeadingNumber(line);
        if (amount) FUZZ_CHECK(std::isfinite(number));
    }
    return 0;
}
