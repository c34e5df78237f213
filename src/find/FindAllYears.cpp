#include "find/FindAllYears.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "core/LeadingNumber.h"
#include "core/RecordFile.h"
#include "core/WordSearch.h"
#include "years/YearsTable.h"

namespace tessamo {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A two-character date part as the date check reads it: plain digits
// directly (nearly every line), anything else by the leading-number rule.
double DatePart(std::string_view part) {
    if (IsDigit(part[0]) && IsDigit(part[1])) return (part[0] - '0') * 10 + (part[1] - '0');
    return LeadingNumber(part);
}

// Month and day of a stored date when it passes the date check in the style
// and its year digits are `yearDigits`; false otherwise.
bool ReadLineDay(std::string_view date, bool dayFirst, const char* yearDigits, int& month, int& day) {
    if (date[6] != yearDigits[0] || date[7] != yearDigits[1]) return false;
    const double p = DatePart(date.substr(0, 2));
    const double q = DatePart(date.substr(3, 2));
    const double m = dayFirst ? q : p;
    const double d = dayFirst ? p : q;
    if (d > 31 || d < 1 || m > 12 || m < 1) return false;
    month = static_cast<int>(m);
    day = static_cast<int>(d);
    return true;
}

// Upper case of every Windows-1252 byte, looked up once per note byte.
struct UpperTable {
    std::array<char, 256> upper{};
    UpperTable() {
        for (int b = 0; b < 256; ++b) upper[b] = UpperCp1252(std::string(1, static_cast<char>(b)))[0];
    }
};

// The criteria made ready for one year's lines.
class LineTest {
public:
    LineTest(const FindCriteria& criteria, const std::vector<CategoryRecord>& categories) : criteria_(criteria) {
        for (const std::string& code : criteria.codes) codes_.push_back(CodeKey(CodeInYear(categories, code)));
    }

    bool Passes(const LedgerBytesRecord& line, int dayNumber) const {
        return KindPasses(line.Amount()) && AmountPasses(line.Amount()) && CodePasses(line.Code()) &&
               dayNumber >= criteria_.fromDate && dayNumber <= criteria_.toDate && WordsPass(line.Note());
    }

private:
    bool KindPasses(std::int64_t amount) const {
        switch (criteria_.kind) {
            case AmountKind::Income: return amount > 0;
            case AmountKind::Expense: return amount < 0;
            case AmountKind::Open: return amount == 0;
            case AmountKind::Any: break;
        }
        return true;
    }
    bool AmountPasses(std::int64_t amount) const {
        const AmountSum size = MagnitudeOf(amount);
        return (!criteria_.minAmount || size >= *criteria_.minAmount) &&
               (!criteria_.maxAmount || size <= *criteria_.maxAmount);
    }
    bool CodePasses(std::string_view code) const {
        return codes_.empty() || std::find(codes_.begin(), codes_.end(), CodeKey(code)) != codes_.end();
    }
    bool WordsPass(std::string_view note) const {
        if (criteria_.words.empty()) return true;
        static const UpperTable table;
        std::size_t length = note.find_last_not_of(' ') + 1;  // npos + 1 is 0: a blank note
        char folded[40];
        for (std::size_t i = 0; i < length; ++i) folded[i] = table.upper[static_cast<unsigned char>(note[i])];
        const std::string_view text(folded, length);
        for (const std::string& word : criteria_.words)
            if (text.find(word) == std::string_view::npos) return false;
        return true;
    }

    const FindCriteria& criteria_;
    std::vector<std::uint16_t> codes_;
};

void AddToTotals(FindTotals& totals, std::int64_t amount) {
    ++totals.count;
    totals.balance += amount;
    if (amount > 0) totals.income += amount;
    if (amount < 0) totals.expense += amount;
}

}  // namespace

std::string FoundLine::IsoDate() const {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

FoundInYear FindInLedger(int year, std::string_view ledger, const std::vector<CategoryRecord>& categories,
                         const FindCriteria& criteria, const std::string& style, FindTotals& totals) {
    FoundInYear found{year, {}, categories};
    const char yearDigits[2] = {static_cast<char>('0' + year / 10 % 10), static_cast<char>('0' + year % 10)};
    const bool dayFirst = style == "E";
    const LineTest test(criteria, categories);
    const LedgerView view(ledger);
    for (std::size_t i = 0; i < view.size(); ++i) {
        const LedgerBytesRecord line = view[i];
        FoundLine candidate{{}, year, 0, 0, static_cast<std::uint32_t>(i + 1)};
        if (!ReadLineDay(line.Date(), dayFirst, yearDigits, candidate.month, candidate.day)) {
            ++totals.skipped;
            continue;
        }
        if (criteria.unmatchable || !test.Passes(line, candidate.DayNumber())) continue;
        std::memcpy(candidate.bytes.data(), line.Bytes().data(), LedgerRecord::kSize);
        found.lines.push_back(candidate);
        AddToTotals(totals, line.Amount());
    }
    std::stable_sort(found.lines.begin(), found.lines.end(),
                     [](const FoundLine& a, const FoundLine& b) { return a.DayNumber() > b.DayNumber(); });
    return found;
}

FindTotals FindInYears(const FileSystem& folder, const FindCriteria& criteria, const std::string& style,
                       const std::function<void(FoundInYear&)>& eachYear) {
    FindTotals totals;
    std::vector<std::string> years = YearsInFolder(folder);
    for (auto year = years.rbegin(); year != years.rend(); ++year) {
        const int number = std::stoi(*year);
        if (number < criteria.fromYear || number > criteria.toYear) continue;
        std::vector<CategoryRecord> categories;
        std::string ledger;
        Status s = ReadRecords(folder, *year + "CATS.DAT", categories);
        if (s.ok()) s = folder.ReadAll(*year + "TSM.DAT", ledger);
        if (!s.ok()) {
            totals.failures.push_back(s.ToString());
            continue;
        }
        FoundInYear found = FindInLedger(number, ledger, categories, criteria, style, totals);
        if (!found.lines.empty()) eachYear(found);
    }
    return totals;
}

}  // namespace tessamo
