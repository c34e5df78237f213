#pragma once
// Category rules: a plain-text file of ours in the data folder, one rule a
// line, "CODE [+|-] TEXT". TEXT is matched without regard to letter case
// anywhere in a line's payee and memo ("*" stands for any run of characters,
// "?" for one); "+" limits the rule to money in, "-" to money out. The first
// rule that matches gives the code. Lines starting with "#" and empty lines
// are comments. The file is UTF-8 (codes as Windows-1252 once read).
#include <cstdint>
#include <string>
#include <vector>

namespace tessamo {

inline constexpr const char* kImportRulesFileName = "import-rules.txt";
inline constexpr const char* kImportRulesTempName = "temprule.$$$";

struct ImportRule {
    std::string code;     // two characters, Windows-1252, upper case
    int sign = 0;         // +1 money in only, -1 money out only, 0 either
    std::string pattern;  // lower case, as written otherwise
    int lineNumber = 0;
};

// A line of the rules file that is no rule.
struct RuleError {
    int lineNumber = 0;
    std::string why;  // UTF-8
    std::string Text() const { return "line " + std::to_string(lineNumber) + ": " + why; }
    bool operator==(const RuleError&) const = default;
};

struct ImportRules {
    std::vector<ImportRule> rules;
    std::vector<RuleError> errors;  // each line not understood, in file order

    // The first rule matching the line, or nullptr.
    const ImportRule* Match(const std::string& payee, const std::string& memo, std::int64_t amount) const;
};

ImportRules ParseImportRules(const std::string& text);

// The line that files every line with `payee` (UTF-8) under `code`, with a
// line break; the sign of `amount` goes with it.
std::string RuleLineFor(const std::string& code, const std::string& payee, std::int64_t amount);

}  // namespace tessamo
