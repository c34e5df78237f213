#include "find/FindCriteria.h"

#include "core/Amounts.h"
#include "core/FixedText.h"
#include "core/WordSearch.h"
#include "due/IsoDate.h"
#include "platform/CodePage.h"

namespace tessamo {

bool FindCriteria::ChoosesNothing() const {
    return words.empty() && !unmatchable && codes.empty() && !minAmount && !maxAmount && kind == AmountKind::Any &&
           fromDate == 0 && toDate == 99999999;
}

void AddFindWord(std::string_view word, FindCriteria& criteria) {
    bool lossy = false;
    const std::string text = UpperCp1252(TrimBlanks(Utf8ToCp1252(std::string(word), &lossy)));
    if (lossy) criteria.unmatchable = true;
    else if (!text.empty()) criteria.words.push_back(text);
}

void ReadFindWords(std::string_view typed, FindCriteria& criteria) {
    std::size_t i = 0;
    while (i < typed.size()) {
        if (typed[i] == ' ') {
            ++i;
            continue;
        }
        const bool quoted = typed[i] == '"';
        const std::size_t start = quoted ? i + 1 : i;
        std::size_t end = typed.find(quoted ? '"' : ' ', start);
        if (end == std::string_view::npos) end = typed.size();
        AddFindWord(typed.substr(start, end - start), criteria);
        i = end + 1;
    }
}

bool ReadAmountBound(const std::string& typed, const MoneyFormat& money, std::optional<std::int64_t>& bound) {
    std::string text = typed;
    const std::string cleaned = CleanAmount(text);
    if (text.empty()) return true;
    const std::optional<std::int64_t> amount = cleaned.empty() ? std::nullopt : ReadTypedAmount(cleaned, money);
    if (!amount) return false;
    bound = *amount;  // cleaning drops the sign, so it is never negative
    return true;
}

bool ReadDayBound(const std::string& typed, int& dayNumber) {
    if (typed.empty()) return true;
    const std::optional<CalendarDate> date = ParseIsoDate(typed);
    if (!date) return false;
    dayNumber = date->year * 10000 + date->month * 100 + date->day;
    return true;
}

bool ReadYearRange(const std::string& typed, FindCriteria& criteria) {
    if (typed.empty()) return true;
    const auto isYear = [](std::string_view text) {
        return text.size() == 4 && text.find_first_not_of("0123456789") == std::string_view::npos;
    };
    const std::string_view text(typed);
    const std::string_view from = text.substr(0, 4);
    const std::string_view to = text.size() > 4 ? text.substr(5) : from;
    if (!isYear(from) || !isYear(to) || (text.size() > 4 && text[4] != '-')) return false;
    criteria.fromYear = std::stoi(std::string(from));
    criteria.toYear = std::stoi(std::string(to));
    return true;
}

}  // namespace tessamo
