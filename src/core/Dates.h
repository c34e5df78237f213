#pragma once
// Dates are 8-character texts in the date style "A" (MM-DD-YY, month first) or
// "E" (DD-MM-YY, day first); the entry editor types the first five. This file
// holds the date check, the ledger's sort key, today's date texts and the
// month names.
#include <optional>
#include <string>

#include "core/LedgerBytes.h"
#include "core/Records.h"
#include "platform/Clock.h"

namespace tessamo {

// 0 when the date passes, 1 when it fails: month 1..12 and day 1..31 read by the
// leading-number rule in the style's places; nothing else is looked at.
int CheckDate(const std::string& date, const std::string& style);

// The ledger's sort key: yy, mm, dd, then " " + character number of each code
// character, joined and read by the leading-number rule (03-15-99 "AB" gives
// 9903156566). Larger keys are later; the ledger is kept in descending order.
// Quirks kept on purpose, since stored files are ordered by them: character
// numbers of 100 and more add three digits, and a non-digit in the date ends
// the reading early.
double SortKey(const LedgerRecord& record, const std::string& style);
double SortKey(const LedgerBytesRecord& record, const std::string& style);

// Today as "mm-dd-yyyy" (month first whatever the style).
std::string TodayText(const Clock& clock);
// Today's five-character typed date in the style: "03-15" (A) or "15-03" (E).
std::string TodayInStyle(const Clock& clock, const std::string& style);
// What the "!" (today) buttons put into a date box: today in the style, or
// nothing for a style other than "A" and "E" (the box keeps what it holds).
std::optional<std::string> TodayForDateBox(const Clock& clock, const std::string& style);
// The active year of today: the last four characters of TodayText.
std::string TodayYear(const Clock& clock);

// A stored date: the typed five characters, "-", the two year digits.
std::string StoredDate(const std::string& typed, const std::string& yearDigits);

// Month names 1..12; any other number leaves `name` as it was.
void MonthName(int month, std::string& name);
std::string MonthName(int month);

}  // namespace tessamo
