#pragma once
// The search across the year files of the data folder. Each chosen year's
// ledger file (year + "TSM.DAT") and category file are read one year at a
// time, so memory holds one year and what was found. A line whose date
// fails the date check in the folder's style, or whose year digits are not
// its file's, is skipped and counted. What a year gives is handed over
// newest first (by day; lines of one day in file order), the years from the
// latest down, so the whole stream is newest first. Totals are exact.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/Amounts.h"
#include "core/LedgerBytes.h"
#include "core/Records.h"
#include "find/FindCriteria.h"
#include "platform/FileSystem.h"

namespace tessamo {

// One found line: its record as the file holds it, where it lives, its day.
struct FoundLine {
    std::array<char, LedgerRecord::kSize> bytes{};
    int year = 0;
    int month = 0;
    int day = 0;
    std::uint32_t number = 0;  // 1-based record number in its year's file

    LedgerBytesRecord Record() const { return LedgerBytesRecord(bytes.data()); }
    int DayNumber() const { return year * 10000 + month * 100 + day; }
    std::string IsoDate() const;  // "YYYY-MM-DD"
};

// What one year gave: its found lines and its categories (for their names).
struct FoundInYear {
    int year = 0;
    std::vector<FoundLine> lines;
    std::vector<CategoryRecord> categories;
};

struct FindTotals {
    std::size_t count = 0;
    AmountSum income = 0;   // positive amounts
    AmountSum expense = 0;  // negative amounts (a negative sum)
    AmountSum balance = 0;
    std::size_t skipped = 0;            // lines with a failing date or another year's digits
    std::vector<std::string> failures;  // "<file>: <reason>" of years that could not be read
};

// Searches every chosen year of `folder`; `eachYear` gets the years that
// found something, latest first. `style` is the folder's date style.
FindTotals FindInYears(const FileSystem& folder, const FindCriteria& criteria, const std::string& style,
                       const std::function<void(FoundInYear&)>& eachYear);

// One year's ledger bytes searched; adds to `totals`. For tests and the above.
FoundInYear FindInLedger(int year, std::string_view ledger, const std::vector<CategoryRecord>& categories,
                         const FindCriteria& criteria, const std::string& style, FindTotals& totals);

}  // namespace tessamo
