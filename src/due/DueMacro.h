#pragma once
// What a due macro would enter, read before anything is written. A macro
// that comes due is entered without a question per file, so it is entered
// whole or not at all: a file that is missing, is no text, has a group the
// entry insertion would refuse (blank code, unreadable amount) or ends in an
// incomplete group is not entered, and the reason is given instead.
#include <optional>
#include <string>
#include <vector>

#include "core/Amounts.h"
#include "core/Records.h"
#include "platform/FileSystem.h"

namespace tessamo {

struct DueMacro {
    std::vector<LedgerRecord> lines;  // code, amount and note of each group; the date blank
    AmountSum total = 0;
    std::optional<std::string> problem;  // why it cannot be entered (UTF-8), file name first
};

DueMacro ReadDueMacro(const FileSystem& files, const std::string& macro);

// A total as a plain signed decimal with two decimals: "1150.00", "-100.00".
std::string PlainTotalText(AmountSum total);

}  // namespace tessamo
