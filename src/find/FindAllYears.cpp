#include "find/FindAllYears.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>

#include "core/CategoryFile.h"
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
        for (const std::string& code : criteria.codes) codes_.push_back(CodeKey(ResolveCategoryCode(categories, code)));
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
        // The size without its sign, exact also for the lowest amount.
        const std::uint64_t size = amount < 0 ? 0 - static_cast<std::uint64_t>(amount) : static_cast<std::uint64_t>(amount);
        return (!criteria_.minAmount || size >= static_cast<std::uint64_t>(*criteria_.minAmount)) &&
               (!criteria_.maxAmount || size <= static_cast<std::uint64_t>(*criteria_.maxAmount));
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

// One year's search, given its ledger's bytes whole or in pieces of whole
// records, in file order.
class YearSearch {
public:
    YearSearch(int year, const std::vector<CategoryRecord>& categories, const FindCriteria& criteria,
               const std::string& style)
        : criteria_(criteria), test_(criteria, categories), dayFirst_(style == "E"), found_{year, {}, categories} {
        yearDigits_[0] = static_cast<char>('0' + year / 10 % 10);
        yearDigits_[1] = static_cast<char>('0' + year % 10);
    }

    void Search(std::string_view bytes) {
        const LedgerBytesView view(bytes);
        for (std::size_t i = 0; i < view.size(); ++i) {
            const LedgerBytesRecord line = view[i];
            ++lines_;
            int month = 0;
            int day = 0;
            if (!ReadLineDay(line.Date(), dayFirst_, yearDigits_, month, day)) {
                ++totals_.skipped;
                continue;
            }
            if (criteria_.unmatchable || !test_.Passes(line, found_.year * 10000 + month * 100 + day)) continue;
            FoundLine& found = found_.lines.emplace_back();
            std::memcpy(found.bytes.data(), line.Bytes().data(), LedgerRecord::kSize);
            found.year = found_.year;
            found.month = month;
            found.day = day;
            found.number = lines_;
            AddToTotals(totals_, line.Amount());
        }
    }

    // The lines newest first (one day's in file order); the year's totals
    // added to `totals`.
    FoundInYear Finish(FindTotals& totals) {
        std::stable_sort(found_.lines.begin(), found_.lines.end(),
                         [](const FoundLine& a, const FoundLine& b) { return a.DayNumber() > b.DayNumber(); });
        totals.count += totals_.count;
        totals.income += totals_.income;
        totals.expense += totals_.expense;
        totals.balance += totals_.balance;
        totals.skipped += totals_.skipped;
        return std::move(found_);
    }

private:
    const FindCriteria& criteria_;
    const LineTest test_;
    const bool dayFirst_;
    char yearDigits_[2] = {};
    std::uint32_t lines_ = 0;
    FoundInYear found_;
    FindTotals totals_;
};

}  // namespace

std::string FoundLine::IsoDate() const {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

FoundInYear FindInLedger(int year, std::string_view ledger, const std::vector<CategoryRecord>& categories,
                         const FindCriteria& criteria, const std::string& style, FindTotals& totals) {
    YearSearch search(year, categories, criteria, style);
    search.Search(ledger);
    return search.Finish(totals);
}

FindTotals FindInYears(const FileSystem& folder, const FindCriteria& criteria, const std::string& style,
                       const std::function<void(FoundInYear&)>& eachYear) {
    // The ledger is read in pieces of whole records into one buffer: memory
    // stays small and warm however long the years are.
    constexpr std::uint64_t kPieceBytes = LedgerRecord::kSize * 4096;
    FindTotals totals;
    std::string piece;
    std::vector<std::string> years = YearsInFolder(folder);
    for (auto year = years.rbegin(); year != years.rend(); ++year) {
        const int number = std::stoi(*year);
        if (number < criteria.fromYear || number > criteria.toYear) continue;
        std::vector<CategoryRecord> categories;
        Status s = ReadRecords(folder, *year + "CATS.DAT", categories);
        YearSearch search(number, categories, criteria, style);
        for (std::uint64_t offset = 0; s.ok(); offset += kPieceBytes) {
            s = folder.ReadRange(*year + "TSM.DAT", offset, kPieceBytes, piece);
            if (s.ok()) search.Search(piece);
            if (piece.size() < kPieceBytes) break;
        }
        if (!s.ok()) {
            totals.failures.push_back(s.ToString());
            continue;
        }
        FoundInYear found = search.Finish(totals);
        if (!found.lines.empty()) eachYear(found);
    }
    return totals;
}

}  // namespace tessamo
