#include "import/ImportRules.h"

#include <cctype>
#include <sstream>

#include "core/FixedText.h"
#include "platform/CodePage.h"
#include "platform/Result.h"

namespace tessamo {
namespace {

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// `pattern` anywhere in `text`; "*" any run, "?" one byte.
bool MatchesAnywhere(const std::string& text, const std::string& pattern) {
    if (pattern.find_first_of("*?") == std::string::npos) return text.find(pattern) != std::string::npos;
    const std::string glob = "*" + pattern + "*";
    std::size_t t = 0, p = 0, starP = std::string::npos, starT = 0;
    while (t < text.size()) {
        if (p < glob.size() && (glob[p] == '?' || glob[p] == text[t])) {
            ++t, ++p;
        } else if (p < glob.size() && glob[p] == '*') {
            starP = p++;
            starT = t;
        } else if (starP != std::string::npos) {
            p = starP + 1;
            t = ++starT;
        } else {
            return false;
        }
    }
    while (p < glob.size() && glob[p] == '*') ++p;
    return p == glob.size();
}

// The rule of a non-empty line; InvalidArgument saying why it is none.
Result<ImportRule> ParseRule(const std::string& line) {
    ImportRule rule;
    std::istringstream words(line);
    std::string code, next;
    words >> code;
    bool lossy = false;
    rule.code = ToUpperAscii(Utf8ToCp1252(code, &lossy));
    if (rule.code.size() > 2 || lossy)
        return Status::InvalidArgument({}, "\"" + code + "\" is not a code of one or two characters");
    rule.code = FixedWidth(rule.code, 2);
    std::getline(words >> std::ws, next);
    if (next.size() >= 2 && (next[0] == '+' || next[0] == '-') && next[1] == ' ') {
        rule.sign = next[0] == '+' ? 1 : -1;
        next = TrimBlanks(next.substr(2));
    }
    rule.pattern = Lower(TrimBlanks(next));
    if (rule.pattern.empty()) return Status::InvalidArgument({}, "the rule has no text to match");
    return rule;
}

}  // namespace

const ImportRule* ImportRules::Match(const std::string& payee, const std::string& memo, std::int64_t amount) const {
    const std::string text = Lower(payee + " " + memo);
    const int sign = amount < 0 ? -1 : 1;
    for (const ImportRule& rule : rules)
        if ((rule.sign == 0 || rule.sign == sign) && MatchesAnywhere(text, rule.pattern)) return &rule;
    return nullptr;
}

ImportRules ParseImportRules(const std::string& text) {
    ImportRules parsed;
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string trimmed = TrimBlanks(line);
        if (trimmed.empty() || trimmed[0] == '#') continue;
        Result<ImportRule> rule = ParseRule(trimmed);
        if (!rule.ok()) {
            parsed.errors.push_back({number, rule.status().reason()});
            continue;
        }
        rule.value().lineNumber = number;
        parsed.rules.push_back(std::move(rule).value());
    }
    return parsed;
}

std::string RuleLineFor(const std::string& code, const std::string& payee, std::int64_t amount) {
    std::string pattern = TrimBlanks(payee);
    // "*" and "?" in a payee stand for themselves as closely as a pattern allows.
    for (char& c : pattern)
        if (c == '*' || c == '?' || c == '\t') c = '?';
    return TrimRightBlanks(Cp1252ToUtf8(code)) + (amount < 0 ? " - " : " + ") + pattern + "\n";
}

}  // namespace tessamo
