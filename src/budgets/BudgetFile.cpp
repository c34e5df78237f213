#include "budgets/BudgetFile.h"

#include <charconv>
#include <sstream>
#include <vector>

#include "journal/Transaction.h"

namespace tessamo {
namespace {

constexpr const char* kFormatLine = "tessamo budgets 1";
constexpr const char* kHeader =
    "# Tessamo budgets of one year, written by Tessamo; edit with care.\n"
    "# After the line \"tessamo budgets 1\", one category a line, in code order:\n"
    "# the code (its two bytes; a byte below \"!\", \"%\" and DEL as %XX in hex),\n"
    "# then twelve months, January first, separated by tabs. A month is \"-\"\n"
    "# (no budget) or a signed amount with at most four decimals; an expense\n"
    "# limit is negative, an expected income positive, as in the ledger.\n";

bool NeedsEscape(unsigned char c) { return c < 0x21 || c == '%' || c == 0x7F; }

std::string EscapedCode(const std::string& code) {
    static const char* const kHex = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : code) {
        if (!NeedsEscape(c)) {
            out += static_cast<char>(c);
            continue;
        }
        out += '%';
        out += kHex[c >> 4];
        out += kHex[c & 15];
    }
    return out;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The code of a line's first field; false unless it is two bytes once read.
bool UnescapedCode(const std::string& field, std::string& code) {
    code.clear();
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '%') {
            code += field[i];
            continue;
        }
        if (i + 2 >= field.size()) return false;
        const int high = HexValue(field[i + 1]);
        const int low = HexValue(field[i + 2]);
        if (high < 0 || low < 0) return false;
        code += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return code.size() == 2;
}

std::string AmountText(std::int64_t amount) {
    const bool negative = amount < 0;
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(amount) : static_cast<std::uint64_t>(amount);
    std::string text = (negative ? "-" : "") + std::to_string(magnitude / 10000);
    std::string decimals = std::to_string(10000 + magnitude % 10000).substr(1);
    while (!decimals.empty() && decimals.back() == '0') decimals.pop_back();
    if (!decimals.empty()) text += "." + decimals;
    return text;
}

// A month's field: "-" or a signed decimal of at most four decimals.
bool ReadMonth(const std::string& field, std::optional<std::int64_t>& amount) {
    amount.reset();
    if (field == "-") return true;
    std::string_view rest = field;
    const bool negative = !rest.empty() && rest.front() == '-';
    if (negative) rest.remove_prefix(1);
    const std::size_t point = rest.find('.');
    const std::string_view whole = rest.substr(0, point);
    std::string decimals(point == std::string_view::npos ? "" : rest.substr(point + 1));
    if (whole.empty() || decimals.size() > 4 || (point != std::string_view::npos && decimals.empty())) return false;
    for (char c : decimals)
        if (c < '0' || c > '9') return false;
    decimals.resize(4, '0');
    std::uint64_t units = 0;
    auto [end, error] = std::from_chars(whole.data(), whole.data() + whole.size(), units);
    if (error != std::errc() || end != whole.data() + whole.size()) return false;
    constexpr std::uint64_t kLimit = static_cast<std::uint64_t>(INT64_MAX) / 10000;
    if (units > kLimit) return false;
    const std::int64_t value = static_cast<std::int64_t>(units * 10000 + std::stoull(decimals));
    if (value < 0) return false;
    amount = negative ? -value : value;
    return true;
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
        fields.push_back(line.substr(start, tab - start));
    fields.push_back(line.substr(start));
    return fields;
}

}  // namespace

std::string BudgetFileName(const std::string& year) { return year + "BUDGET.DAT"; }

const MonthBudgets* YearBudgets::Find(const std::string& code) const {
    const auto it = codes_.find(code);
    return it == codes_.end() ? nullptr : &it->second;
}

void YearBudgets::Set(const std::string& code, int month, std::optional<std::int64_t> amount) {
    MonthBudgets& months = codes_[code];
    for (int m = 1; m <= 12; ++m)
        if (month == 0 || month == m) months[static_cast<std::size_t>(m - 1)] = amount;
    for (const auto& value : months)
        if (value) return;
    codes_.erase(code);
}

std::string YearBudgets::FileText() const {
    std::string text = std::string(kHeader) + kFormatLine + "\n";
    for (const auto& [code, months] : codes_) {
        text += EscapedCode(code);
        for (const auto& value : months) text += '\t' + (value ? AmountText(*value) : std::string("-"));
        text += '\n';
    }
    return text;
}

Status YearBudgets::ReadText(const std::string& text, const std::string& fileName) {
    codes_.clear();
    std::istringstream lines(text);
    bool formatSeen = false;
    int number = 0;
    const auto damaged = [&](const std::string& fault) {
        codes_.clear();
        return Status::Corruption(fileName, "damaged budget file, line " + std::to_string(number) + ": " + fault);
    };
    for (std::string line; std::getline(lines, line);) {
        ++number;
        if (!formatSeen) {
            if (line.rfind('#', 0) == 0) continue;
            if (line != kFormatLine) return damaged("\"" + std::string(kFormatLine) + "\" expected");
            formatSeen = true;
            continue;
        }
        const std::vector<std::string> fields = Fields(line);
        std::string code;
        if (fields.size() != 13) return damaged("a code and twelve months expected");
        if (!UnescapedCode(fields[0], code)) return damaged("a two-character code expected");
        if (codes_.count(code) > 0) return damaged("the code is listed twice");
        MonthBudgets months;
        for (std::size_t m = 0; m < 12; ++m)
            if (!ReadMonth(fields[m + 1], months[m])) return damaged("month " + std::to_string(m + 1) + " is not an amount");
        for (const auto& value : months)
            if (value) codes_[code] = months;
    }
    if (!formatSeen && !text.empty()) return damaged("\"" + std::string(kFormatLine) + "\" missing");
    // Every line the program writes ends with a line feed: a last line
    // without one was cut off, and its last month may have lost digits.
    if (!text.empty() && text.back() != '\n') return damaged("the line is cut off");
    return Status::Ok();
}

Status LoadBudgets(const FileSystem& files, const std::string& year, YearBudgets& budgets) {
    budgets.clear();
    const std::string name = BudgetFileName(year);
    std::string text;
    if (Status s = files.ReadAll(name, text); !s.ok()) return s;
    return budgets.ReadText(text, files.Resolve(name));
}

Status SaveBudgets(FileSystem& files, const std::string& year, const YearBudgets& budgets,
                   const std::string& description) {
    return RunAsTransaction(files, description, [&] {
        return files.ReplaceWhole(BudgetFileName(year), kBudgetTempName, budgets.FileText());
    });
}

}  // namespace tessamo
