#include "import/OfxStatement.h"

#include <algorithm>
#include <cctype>
#include <string_view>
#include <vector>

#include "import/StatementAmount.h"
#include "platform/CodePage.h"

namespace tessamo {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
    return text;
}

void AppendUtf8(std::string& out, unsigned long c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6)), out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12)), out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18)), out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F)), out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The value with its character references (&amp; &lt; &#233; &#xE9; …) replaced.
std::string DecodeReferences(std::string_view text) {
    static const std::pair<std::string_view, char> kNamed[] = {
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}, {"nbsp", ' '}};
    std::string out;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const std::size_t semicolon = text[at] == '&' ? text.find(';', at) : std::string_view::npos;
        if (semicolon == std::string_view::npos || semicolon - at > 10) {
            out += text[at];
            continue;
        }
        const std::string_view name = text.substr(at + 1, semicolon - at - 1);
        const auto named = std::find_if(std::begin(kNamed), std::end(kNamed), [&](const auto& n) { return n.first == name; });
        const bool hex = name.size() > 2 && name[0] == '#' && (name[1] == 'x' || name[1] == 'X');
        const std::string_view digits = hex ? name.substr(2) : name.substr(std::min<std::size_t>(1, name.size()));
        const bool numeric = !name.empty() && name[0] == '#' && !digits.empty() &&
                             std::all_of(digits.begin(), digits.end(), [&](char c) {
                                 return hex ? std::isxdigit(static_cast<unsigned char>(c)) != 0 : c >= '0' && c <= '9';
                             });
        if (named != std::end(kNamed)) {
            out += named->second;
        } else if (numeric) {
            const unsigned long code = std::stoul(std::string(digits), nullptr, hex ? 16 : 10);
            AppendUtf8(out, code > 0 && code <= 0x10FFFF ? code : 0xFFFD);
        } else {
            out += text.substr(at, semicolon - at + 1);
        }
        at = semicolon;
    }
    return out;
}

// One transaction as the file's text gives it.
struct RawTransaction {
    int lineNumber = 0;
    std::string posted, amount, fitid, name, memo, account;
};

// Walks the tags of an OFX file once. An opening tag followed by text is an
// element with a value (its end tag, when there is one, is passed over);
// one followed by another tag opens an aggregate, closed by its end tag or
// by the end tag of an aggregate around it.
class OfxWalker {
public:
    OfxWalker(const std::string& bytes, const StatementLimits& limits) : bytes_(bytes), limits_(limits) {}

    // InvalidArgument when a limit is broken, Corruption when there is no <OFX>.
    Status Walk(std::vector<RawTransaction>& found);

private:
    void Open(const std::string& tag, std::size_t at);
    void Close(const std::string& tag);
    void Element(const std::string& tag, std::string value);
    int LineAt(std::size_t at);

    const std::string& bytes_;
    const StatementLimits& limits_;
    std::vector<std::string> open_;  // the aggregates open, outermost first
    std::vector<RawTransaction>* found_ = nullptr;
    bool ofx_ = false;
    bool inTransaction_ = false;
    bool inAccount_ = false;
    RawTransaction transaction_;
    std::string accountKind_, bankId_, branchId_, accountId_, accountKey_, brokerId_;
    std::string account_;
    int line_ = 1;
    std::size_t counted_ = 0;
};

int OfxWalker::LineAt(std::size_t at) {
    line_ += static_cast<int>(std::count(bytes_.begin() + static_cast<std::ptrdiff_t>(counted_),
                                         bytes_.begin() + static_cast<std::ptrdiff_t>(at), '\n'));
    counted_ = at;
    return line_;
}

void OfxWalker::Open(const std::string& tag, std::size_t at) {
    if (tag == "OFX") ofx_ = true;
    if (tag == "STMTTRN") {
        inTransaction_ = true;
        transaction_ = RawTransaction{};
        transaction_.lineNumber = LineAt(at);
        transaction_.account = account_;
    } else if (tag == "BANKACCTFROM" || tag == "CCACCTFROM" || tag == "INVACCTFROM") {
        inAccount_ = true;
        accountKind_ = tag;
        bankId_.clear(), branchId_.clear(), accountId_.clear(), accountKey_.clear(), brokerId_.clear();
    }
}

void OfxWalker::Close(const std::string& tag) {
    if (tag == "STMTTRN" && inTransaction_) {
        found_->push_back(std::move(transaction_));
        inTransaction_ = false;
    } else if (tag == accountKind_ && inAccount_) {
        inAccount_ = false;
        if (tag == "CCACCTFROM") account_ = accountId_ + " " + accountKey_;
        else if (tag == "INVACCTFROM") account_ = brokerId_ + " " + accountId_;
        else account_ = bankId_ + " " + branchId_ + " " + accountId_;
    }
}

void OfxWalker::Element(const std::string& tag, std::string value) {
    if (inAccount_) {
        for (const auto& [name, field] : {std::pair{"BANKID", &bankId_}, {"BRANCHID", &branchId_},
                                          {"ACCTID", &accountId_}, {"ACCTKEY", &accountKey_}, {"BROKERID", &brokerId_}})
            if (tag == name) *field = value;
        return;
    }
    if (!inTransaction_) return;
    RawTransaction& t = transaction_;
    for (const auto& [name, field] : {std::pair{"DTPOSTED", &t.posted}, {"TRNAMT", &t.amount}, {"FITID", &t.fitid},
                                      {"NAME", &t.name}, {"MEMO", &t.memo}})
        if (tag == name && field->empty()) *field = value;
}

Status OfxWalker::Walk(std::vector<RawTransaction>& found) {
    found_ = &found;
    const std::size_t size = bytes_.size();
    std::size_t at = bytes_.find('<'), gt = std::string::npos;
    while (at != std::string::npos) {
        if (bytes_.compare(at, 4, "<!--") == 0) {
            const std::size_t end = bytes_.find("-->", at);
            at = end == std::string::npos ? end : bytes_.find('<', end);
            continue;
        }
        // One search for '>' serves every '<' before it, so stray '<' cost no rescan.
        if (gt == std::string::npos || gt < at) gt = bytes_.find('>', at);
        if (gt == std::string::npos) break;
        if (const std::size_t stray = bytes_.find('<', at + 1); stray < gt) {
            at = stray;
            continue;
        }
        const std::size_t next = bytes_.find('<', gt + 1);
        const bool end = at + 1 < size && bytes_[at + 1] == '/';
        std::string_view inside = std::string_view(bytes_).substr(at + 1 + end, gt - at - 1 - end);
        const char first = inside.empty() ? '?' : inside.front();
        if (first == '?' || first == '!' || inside.back() == '/') {  // declarations, empty elements
            at = next;
            continue;
        }
        inside = inside.substr(0, std::min(inside.size(), inside.find_first_of(" \t\r\n")));
        const std::string tag = Upper(inside);
        if (end) {
            const auto open = std::find(open_.rbegin(), open_.rend(), tag);
            for (auto n = open == open_.rend() ? 0 : open - open_.rbegin() + 1; n > 0; --n) {
                Close(open_.back());
                open_.pop_back();
            }
            at = next;
            continue;
        }
        const std::string_view text = Trim(std::string_view(bytes_).substr(gt + 1, (next == std::string::npos ? size : next) - gt - 1));
        if (text.size() > limits_.maxLine)
            return Status::InvalidArgument({}, "line " + std::to_string(LineAt(gt)) + " holds a value longer than " +
                                                   LimitText(limits_.maxLine) + ", the import's limit; nothing was read");
        if (text.empty()) {
            if (open_.size() >= static_cast<std::size_t>(limits_.maxDepth)) return Status::InvalidArgument({}, OfxTooDeepText(limits_));
            open_.push_back(tag);
            Open(tag, at);
            at = next;
            continue;
        }
        Element(tag, DecodeReferences(text));
        at = next;
        // The end tag of an element with a value (XML) closes nothing more.
        if (at != std::string::npos && bytes_.compare(at, tag.size() + 3, "</" + tag + ">") == 0) at = bytes_.find('<', at + 1);
    }
    while (!open_.empty()) {
        Close(open_.back());
        open_.pop_back();
    }
    if (!ofx_) return Status::Corruption({}, "the file could not be read as OFX");
    return Status::Ok();
}

bool ReadPosted(const std::string& text, CalendarDate& date) {
    if (text.size() < 8 || !std::all_of(text.begin(), text.begin() + 8, [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
        return false;
    date = {std::stoi(text.substr(4, 2)), std::stoi(text.substr(6, 2)), std::stoi(text.substr(0, 4))};
    static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (date.year % 4 == 0 && date.year % 100 != 0) || date.year % 400 == 0;
    return date.month >= 1 && date.month <= 12 && date.day >= 1 &&
           date.day <= (date.month == 2 && !leap ? 28 : kDays[date.month - 1]);
}

// The line of one transaction; `mark` is the file's decimal mark (OFX allows
// a point or a comma). Texts that are not UTF-8 are the file's code page.
StatementLine LineOf(RawTransaction& raw, char mark) {
    StatementLine line;
    line.lineNumber = raw.lineNumber;
    line.fitid = std::move(raw.fitid);
    line.account = std::move(raw.account);
    line.payee = IsValidUtf8(raw.name) ? std::move(raw.name) : Cp1252ToUtf8(raw.name);
    line.memo = IsValidUtf8(raw.memo) ? std::move(raw.memo) : Cp1252ToUtf8(raw.memo);
    if (!ReadPosted(raw.posted, line.date)) {
        line.error = raw.posted.empty() ? "no posting date" : "\"" + raw.posted + "\" is not a date";
    } else if (const Result<std::int64_t> amount = ReadStatementAmount(raw.amount, mark); amount.ok()) {
        line.amount = amount.value();
    } else {
        line.error = amount.status().reason();
    }
    if (!line.error.empty() && !line.fitid.empty()) line.error += " in transaction FITID " + line.fitid;
    return line;
}

}  // namespace

bool LooksLikeOfx(const std::string& bytes) {
    std::size_t at = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    while (at < bytes.size() && std::isspace(static_cast<unsigned char>(bytes[at]))) ++at;
    const std::string start = Upper(std::string_view(bytes).substr(at, 16));
    return start.rfind("OFXHEADER", 0) == 0 || start.rfind("<?XML", 0) == 0 || start.rfind("<OFX>", 0) == 0;
}

Result<Statement> ReadOfxStatement(const std::string& bytes, const StatementLimits& limits) {
    std::vector<RawTransaction> raw;
    if (Status s = OfxWalker(bytes, limits).Walk(raw); !s.ok()) return s;
    std::vector<std::string> amounts;
    for (const RawTransaction& r : raw) amounts.push_back(r.amount);
    const char mark = GuessDecimalMark(amounts, '.');
    Statement statement;
    for (RawTransaction& r : raw) statement.lines.push_back(LineOf(r, mark));
    return statement;
}

}  // namespace tessamo
