#pragma once
// Exchanging month and day in every stored date of the active year's ledger,
// for a household that switched between month-first and day-first dates.
// The dates are not checked and the date style is not looked at, so running
// the conversion twice gives the file back as it was.
#include <string>

#include "core/SharedState.h"

namespace tessamo {

// "ab-cd-ef" becomes "cd-ab-ef".
std::string SwapMonthAndDay(const std::string& date);

// Asks "Swap place of month and day in this year's data?"; true on Yes.
bool ConfirmDateConversion(Dialogs& dialogs);

// Rewrites the ledger with every date swapped, record positions unchanged, in
// one atomic replacement. False after a file failure was shown.
bool SwapLedgerDates(SharedState& state);

// Both: asks, and on Yes converts. True when the ledger was converted.
bool ConvertLedgerDates(SharedState& state);

}  // namespace tessamo
