#pragma once
// Exchanging month and day in every stored date of the active year's ledger,
// for a household that switched between month-first and day-first dates.
// The dates are not checked and the date style is not looked at, so running
// the conversion twice gives the file back as it was.
#include <string>

#include "core/SharedState.h"
#include "platform/Status.h"

namespace tessamo {

// "ab-cd-ef" becomes "cd-ab-ef".
std::string SwapMonthAndDay(const std::string& date);

// Asks "Swap place of month and day in this year's data?"; true on Yes.
bool ConfirmDateConversion(Dialogs& dialogs);

// Rewrites the ledger with every date swapped, record positions unchanged, in
// one atomic replacement. AlreadyTold after a file failure was shown.
Status SwapLedgerDates(SharedState& state);

// Both: asks, and on Yes converts. Ok when the ledger was converted, Declined
// on No, AlreadyTold after a failure.
Status ConvertLedgerDates(SharedState& state);

}  // namespace tessamo
