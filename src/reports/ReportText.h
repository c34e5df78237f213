#pragma once
// The layout phase of a cash-flow report: the complete report text, line for
// line, and the three status texts of the report window's lower status bar.
// Pure: everything comes in as values, nothing touches a file.
//
// The text is Windows-1252 bytes (names and notes as stored); lines are
// separated by CR LF, with no line break after the last line ("  END"). The
// status texts are UTF-8, ready for a label.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Records.h"
#include "platform/Clock.h"
#include "platform/MoneyFormat.h"

namespace tessamo {

struct ReportOptions {
    int startMonth = 1;           // begmo, 1..12
    int endMonth = 12;            // endmo, 1..12
    std::string reportType;       // "F" full report; anything else a summary
    std::string dateStyle = "A";  // "A" month first, "E" day first
    std::string userName;         // the 28-character name, blanks kept
    CalendarDate today;
    std::string ledgerFileName;   // year + "TSM.DAT": gives the two-digit year
    MoneyFormat money;
};

struct ReportStatusTexts {
    std::string income;                  // "(n Items) Income = $1,234.50 "
    std::string expense;                 // "(n Items) Expense = ($12.00) "
    std::optional<std::string> balance;  // none when the totals are equal
};

struct ReportText {
    std::string text;
    ReportStatusTexts status;
};

// Takes the report text in pieces of whole lines: the text is the pieces
// joined by CR LF.
using ReportPieceSink = std::function<void(std::string_view piece)>;

// `categories` is the category list as "tempcats.$$$" holds it (the blank
// first record included); `ledger` the bytes of the active year's ledger
// file (58-byte records in file order; a partial tail is ignored). With a
// sink the text goes to it as it is laid out and `text` stays empty, so a
// long report is never held whole.
ReportText BuildReport(const std::vector<CategoryRecord>& categories, std::string_view ledger,
                       const ReportOptions& options, const ReportPieceSink* sink = nullptr);

// "Cashflow Record for <name>   Printed: <today>", today as mm-dd-yyyy in
// style "A" and dd-mm-yyyy in style "E".
std::string ReportHeaderLine(const std::string& userName, CalendarDate today, const std::string& dateStyle);

}  // namespace tessamo
