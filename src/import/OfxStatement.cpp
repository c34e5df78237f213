#include "import/OfxStatement.h"

#include <libofx/libofx.h>

#include <algorithm>
#include <cctype>

#include "import/StatementAmount.h"
#include "platform/CodePage.h"

namespace tessamo {
namespace {

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// One transaction as its text in the file gives it.
struct RawTransaction {
    int lineNumber = 0;
    std::string amount;
    std::string posted;
};

// The text after <TAG> up to the next tag or line end, trimmed.
std::string ElementText(const std::string& upperBlock, const std::string& block, const std::string& tag) {
    const std::size_t at = upperBlock.find("<" + tag + ">");
    if (at == std::string::npos) return "";
    const std::size_t begin = at + tag.size() + 2;
    std::size_t end = block.find_first_of("<\r\n", begin);
    if (end == std::string::npos) end = block.size();
    std::string text = block.substr(begin, end - begin);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.pop_back();
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.erase(0, 1);
    return text;
}

std::vector<RawTransaction> ScanTransactions(const std::string& bytes) {
    const std::string upper = Upper(bytes);
    std::vector<RawTransaction> found;
    const std::string open = "<STMTTRN>";
    int line = 1;
    std::size_t counted = 0;
    for (std::size_t at = upper.find(open); at != std::string::npos; at = upper.find(open, at + open.size())) {
        line += static_cast<int>(std::count(bytes.begin() + counted, bytes.begin() + at, '\n'));
        counted = at;
        const std::size_t end = std::min(upper.find("</STMTTRN>", at), upper.find(open, at + open.size()));
        const std::size_t length = (end == std::string::npos ? bytes.size() : end) - at;
        const std::string block = bytes.substr(at, length), upperBlock = upper.substr(at, length);
        found.push_back({line, ElementText(upperBlock, block, "TRNAMT"), ElementText(upperBlock, block, "DTPOSTED")});
    }
    return found;
}

struct Collected {
    std::vector<StatementLine> lines;
};

int OnTransaction(const OfxTransactionData data, void* collected) {
    StatementLine line;
    if (data.fi_id_valid) line.fitid = data.fi_id;
    if (data.name_valid) line.payee = data.name;
    if (data.memo_valid) line.memo = data.memo;
    if (data.account_ptr && data.account_ptr->account_id_valid) line.account = data.account_ptr->account_id;
    static_cast<Collected*>(collected)->lines.push_back(std::move(line));
    return 0;
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

// Fills the line's date and amount from the file's own text.
void TakeRawFields(const RawTransaction& raw, StatementLine& line) {
    line.lineNumber = raw.lineNumber;
    if (!ReadPosted(raw.posted, line.date)) {
        line.error = raw.posted.empty() ? "no posting date" : "\"" + raw.posted + "\" is not a date";
        return;
    }
    const bool comma = raw.amount.find(',') != std::string::npos && raw.amount.find('.') == std::string::npos;
    const auto amount = ReadStatementAmount(raw.amount, comma ? ',' : '.', line.error);
    if (amount) line.amount = *amount;
}

// libofx's text may be UTF-8 or the file's own code page.
void DecodeTexts(StatementLine& line) {
    for (std::string* text : {&line.payee, &line.memo})
        if (!IsValidUtf8(*text)) *text = Cp1252ToUtf8(*text);
}

void QuietLibofx() {
    ofx_PARSER_msg = ofx_DEBUG_msg = ofx_DEBUG1_msg = ofx_DEBUG2_msg = ofx_DEBUG3_msg = ofx_DEBUG4_msg =
        ofx_DEBUG5_msg = ofx_STATUS_msg = ofx_INFO_msg = ofx_WARNING_msg = ofx_ERROR_msg = 0;
}

}  // namespace

bool LooksLikeOfx(const std::string& bytes) {
    std::size_t at = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    while (at < bytes.size() && std::isspace(static_cast<unsigned char>(bytes[at]))) ++at;
    const std::string start = Upper(bytes.substr(at, 16));
    return start.rfind("OFXHEADER", 0) == 0 || start.rfind("<?XML", 0) == 0 || start.rfind("<OFX>", 0) == 0;
}

bool ReadOfxStatement(const std::string& path, const std::string& bytes, Statement& statement, std::string& error) {
    QuietLibofx();
    Collected collected;
    LibofxContextPtr context = libofx_get_new_context();
    ofx_set_transaction_cb(context, OnTransaction, &collected);
    const int rc = libofx_proc_file(context, path.c_str(), AUTODETECT);
    libofx_free_context(context);
    const std::vector<RawTransaction> raw = ScanTransactions(bytes);
    if (rc != 0 && collected.lines.empty()) return error = "the file could not be read as OFX", false;
    if (raw.size() != collected.lines.size())
        return error = "the file's " + std::to_string(raw.size()) + " transactions do not match the " +
                       std::to_string(collected.lines.size()) + " the OFX reader found",
               false;
    statement.lines = std::move(collected.lines);
    for (std::size_t i = 0; i < raw.size(); ++i) {
        TakeRawFields(raw[i], statement.lines[i]);
        DecodeTexts(statement.lines[i]);
    }
    return true;
}

}  // namespace tessamo
