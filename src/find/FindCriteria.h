#pragma once
// FindCriteria: what a search across the year files looks for. Every
// criterion is optional; a line is found when it meets all that are set.
//   words   each must occur in the note, letter case ignored for ASCII and
//           Latin-1 letters (accents count as typed); a word holding a blank
//           is a phrase and must occur as it stands
//   codes   the line's code is one of them (resolved per year, see ResolveCategoryCode)
//   min/max the amount without its sign lies in the range, edges included
//   kind    income only (> 0), expense only (< 0) or open items only (= 0)
//   dates   the line's day lies in [fromDate, toDate], as yyyymmdd numbers
//   years   the year files from fromYear to toYear
// Texts are Windows-1252 bytes, as the records hold them.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Records.h"
#include "platform/MoneyFormat.h"

namespace tessamo {

enum class AmountKind { Any, Income, Expense, Open };

struct FindCriteria {
    std::vector<std::string> words;  // upper case (UpperCp1252), trimmed, not empty
    bool unmatchable = false;        // a word holds a character no note can hold
    std::vector<std::string> codes;  // as typed, two characters (blank-padded)
    std::optional<std::int64_t> minAmount;  // ten-thousandths, not negative
    std::optional<std::int64_t> maxAmount;
    AmountKind kind = AmountKind::Any;
    int fromDate = 0;         // yyyymmdd
    int toDate = 99999999;
    int fromYear = 0;
    int toYear = 9999;

    // True when nothing but the years is chosen (every line would be found).
    bool ChoosesNothing() const;
};

// The words of a typed text (UTF-8): split at blanks, a part in double
// quotes kept whole as a phrase; each in upper case as Windows-1252. A word
// that Windows-1252 cannot hold sets `unmatchable`.
void ReadFindWords(std::string_view typed, FindCriteria& criteria);
// Adds one word or phrase (UTF-8) as it stands.
void AddFindWord(std::string_view word, FindCriteria& criteria);

// The typed bounds of a search, each false for a text it cannot read (and
// true, setting nothing, for an empty one):
//   an amount as the entry editor reads it, its sign dropped
//   a day as "YYYY-MM-DD" only, a real date
//   years as "YYYY" or "YYYY-YYYY"
bool ReadAmountBound(const std::string& typed, const MoneyFormat& money, std::optional<std::int64_t>& bound);
bool ReadDayBound(const std::string& typed, int& dayNumber);
bool ReadYearRange(const std::string& typed, FindCriteria& criteria);

}  // namespace tessamo
