#include "macros/MacroFile.h"

#include <array>

#include "core/Amounts.h"
#include "core/FixedText.h"
#include "core/LeadingNumber.h"

namespace tessamo {

std::vector<std::string> SplitMacroLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') {
            line += c;
            continue;
        }
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        lines.push_back(std::move(line));
        line.clear();
    }
    if (!line.empty()) lines.push_back(std::move(line));
    return lines;
}

MacroLineClass ClassifyMacroLine(const std::string& line) {
    if (!line.empty() && line[0] == '\'') return MacroLineClass::Remark;
    if (line.empty()) return MacroLineClass::Empty;
    return MacroLineClass::Data;
}

std::vector<std::string> MacroDataLines(const std::string& bytes) {
    std::vector<std::string> data;
    for (std::string& line : SplitMacroLines(bytes))
        if (ClassifyMacroLine(line) == MacroLineClass::Data) data.push_back(std::move(line));
    return data;
}

std::string MacroCode(const std::string& line) { return FixedWidth(ToUpperAscii(TrimBlanks(line)), 2); }

std::optional<std::int64_t> MacroAmount(const std::string& line) {
    bool tooLarge = false;
    const double value = LeadingNumber(TrimBlanks(line), &tooLarge);
    if (tooLarge) return std::nullopt;
    return AmountFromDouble(value);
}

std::string MacroNote(const std::string& line) { return FixedWidth(line, 40); }

std::string MacroTemplateText() {
    static const std::array<const char*, 49> kLines = {
        "'Use this template as a base for new Tessamo macro files.",
        "",
        "'Macro files are plain ASCII text files which can be created with the",
        "'Windows Notepad program, or other text editors.",
        "",
        "'Macro files are used to automate the input of recurring transactions - all",
        "'those various deductions from your payroll check being a fine example.",
        "'Instead of having to input single entries for federal tax, state tax,",
        "'social security, etc. every payday, create a macro file that does it for",
        "'you.",
        "",
        "'Blank lines, and lines which begin with  '  (remarks) are ignored.",
        "",
        "'Macro format:",
        "",
        "'A single macro file may contain as many entries as you wish. There are",
        "'three items that you must include in the macro file for each entry:",
        "",
        "'1) the two-character category code",
        "'2) the amount of the transaction",
        "'3) the note",
        "",
        "'These items must be specified one after the other, each on a single line.",
        "",
        "'In the example immediately below, pretend that the beginning  '  and",
        "'everything after and including  <- does not exist.",
        "",
        "'************ begin example entry **********************************",
        "'ft <- category code being used for federal income tax",
        "'-100.00 <- the usual dollar amount for this (note minus sign)",
        "'payroll deduction <- a note about it",
        "'************ end example entry ************************************",
        "",
        "'Each set of three sequential lines in the macro file which are not either",
        "'blank or begining with  '  will be read into the current data file as",
        "'an entry.",
        "",
        "'Type in your actual macro file lines in between the two strings of",
        "'stars below.",
        "",
        "'************* begin actual macro lines ****************************",
        "'(type here...)",
        "",
        "'************* end actual macro lines ******************************",
        "",
        "'I'd recommend leaving all the remarks in place for future reference.",
        "",
        "'You may create as many macro files as you wish, and each one may contain",
        "'as many entries as you wish.",
    };
    std::string text;
    for (const char* line : kLines) text += std::string(line) + "\r\n";
    return text;
}

}  // namespace tessamo
