#pragma once
// The few words a change is shown by in the history and in the Edit menu's
// Undo and Redo entries ("Delete line 03-07-99 ($12.50) FD groceries",
// "Import of 12 lines", "Sort of 1999"), in UTF-8.
#include <string>

#include "core/Records.h"
#include "platform/MoneyFormat.h"

namespace tessamo {

// `verb` and one ledger line: its date, amount, code and note.
std::string LineChangeText(const std::string& verb, const LedgerRecord& line, const MoneyFormat& money);
// "<what> of <count> line(s)".
std::string CountedText(const std::string& what, std::size_t count, const std::string& unit = "line");
// "<verb> category <code>" with the code as typed (blanks trimmed).
std::string CategoryChangeText(const std::string& verb, const std::string& code);

}  // namespace tessamo
