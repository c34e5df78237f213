#pragma once
// The options kept in "PERSONAL.DAT": the date style, the user name printed
// on reports and the start-up passcode. Each command asks through the Dialogs,
// then reads the settings record, changes its own field and writes the record
// back, so every other byte of the file stays as it was. Nothing is stored
// when the user cancels or the entry is refused; a file failure is shown and
// leaves the shared state unchanged. Each returns true when it stored a value.
#include <string>

#include "core/SharedState.h"

namespace tessamo {

// Offers to switch between month-first ("A") and day-first ("E") dates.
// Stored dates are not touched (see ConvertLedgerDates).
bool ChangeDateFormat(SharedState& state);

// Asks for the name to show on reports; stored blank-padded to 28 characters,
// a longer name cut to 28.
bool ChangeUserName(SharedState& state);

// The stores behind ChangeUserName and ChangeDateFormat, without asking
// (the first-start welcome): the name cut or padded to 28 characters; the
// style "A" or "E". True when stored.
bool StoreUserName(SharedState& state, const std::string& name);
bool StoreDateStyle(SharedState& state, const std::string& style);

// Asks for a passcode of up to four digits; 0 (or "0000") means none.
bool ChangePassCode(SharedState& state);

// Said where the passcode is set: it is stored in clear in PERSONAL.DAT and
// the files read without it.
inline constexpr const char* kPassCodeNote =
    "The passcode only keeps this program from opening on this account; it does not protect the data files, "
    "which other programs read without it.";

// The year's notes file: the active year followed by "_tsm.nts".
std::string NotesFileName(const SharedState& state);

}  // namespace tessamo
