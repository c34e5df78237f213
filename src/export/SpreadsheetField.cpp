#include "export/SpreadsheetField.h"

namespace tessamo {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool IsPlainNumber(std::string_view text) {
    text = TrimBlanks(text);
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
    bool digit = false;
    bool mark = false;
    for (const char c : text) {
        if (IsDigit(c)) {
            digit = true;
        } else if ((c == '.' || c == ',') && !mark) {
            mark = true;
        } else {
            return false;
        }
    }
    return digit;
}

}  // namespace

bool StartsFormula(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return false;
    switch (text[first]) {
        case '=':
        case '+':
        case '-':
        case '@':
        case '\t':
        case '\r':
            return !IsPlainNumber(text);
        default:
            return false;
    }
}

std::string FormulaSafeText(std::string_view text) {
    std::string out;
    if (StartsFormula(text)) out += '\'';
    out += text;
    return out;
}

void AppendSpreadsheetField(std::string& out, std::string_view text) {
    out += '"';
    if (StartsFormula(text)) out += '\'';
    for (const char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

}  // namespace tessamo
