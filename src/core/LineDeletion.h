#pragma once
// Deleting line items by their line key: the 8-character date, the amount as
// currency text, the 2-character code and the note, run together. Every
// ledger line whose key equals the given one (both trimmed, exact case) is
// removed, not only the first; the ledger is rewritten atomically through
// "temp.$$$", so a failure leaves it as it was.
#include <string>

#include "core/Records.h"
#include "core/SharedState.h"

namespace tessamo {

std::string LineKey(const std::string& date, const std::string& amountText, const std::string& code,
                    const std::string& note);
// The key of a stored line: its note without leading and trailing blanks.
std::string RecordLineKey(const LedgerRecord& record, const MoneyFormat& format);
// The key the list's header row gives ("Date", "Amount", "Code", "Note"): it
// matches no line.
std::string HeaderLineKey();

enum class [[nodiscard]] DeleteOutcome {
    Declined,     // the user answered No; nothing touched
    Deleted,      // the matching lines are gone
    NoneMatched,  // no line has the key; the file is unchanged
    Failed,       // a file failure was shown; the ledger is as it was
};

// Asks "Delete record ?" (Yes/No, No the default) and removes every ledger
// line whose key equals `key`.
DeleteOutcome DeleteRec(SharedState& state, const std::string& key);

}  // namespace tessamo
