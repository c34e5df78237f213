#pragma once
// Entry insertion and replacement: the one way a new or edited line item
// reaches the ledger file. Both check the date and the code first and tell
// the user why an entry is refused ("Entry Aborted"); a refused entry writes
// nothing. The caller refreshes the lists afterwards, whatever the outcome.
#include "core/LedgerBytes.h"
#include "core/Records.h"
#include "core/SharedState.h"

namespace tessamo {

// The name a rewrite of the ledger file is built under.
inline constexpr const char* kLedgerTempName = "temp.$$$";

enum class [[nodiscard]] EntryOutcome {
    Written,   // the ledger file holds the entry
    Refused,   // validation failed; the user was told; nothing written
    NotFound,  // replacement only: no record equals the opened line; nothing written
    Failed,    // a file failure; the user was told; the ledger is unchanged
};

// Shows "Invalid Date - <date>" or "No Category Selected" and returns false
// when the entry may not be stored.
bool ValidateEntry(const SharedState& state, const LedgerRecord& entry);

// Inserts `entry` before the first record whose sort key is lower than or
// equal to its own (so among equal keys the new one comes first), rewriting
// the ledger atomically. The file grows by exactly one record.
EntryOutcome InsertRecord(SharedState& state, const LedgerRecord& entry);

// Inserts already validated entries one after another as InsertRecord would,
// with one read and one atomic write: either all of them land or none.
EntryOutcome InsertValidatedRecords(SharedState& state, const std::vector<LedgerRecord>& entries);

// Writes `changed` over the first record equal to state.OpenedRecord (all four
// fields at full width), in place and without re-sorting.
EntryOutcome ReplaceRecord(SharedState& state, const LedgerRecord& changed);

// The position (0-based) where InsertRecord puts a record of key `key`.
std::size_t InsertionPosition(const LedgerBytesView& records, double key, const std::string& style);

}  // namespace tessamo
