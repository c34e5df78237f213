#pragma once
// LedgerSorter: puts the active year's ledger back into descending SortKey
// order (newest first), records of equal keys keeping their order. The sort
// runs in memory as a stable merge sort, in passes that double the length of
// the ordered runs; the ledger is rewritten once, atomically, at the end, so
// it is at every instant either wholly the old file or wholly the sorted one.
// A stop between passes leaves the file as it was.
#include <atomic>
#include <cstddef>
#include <functional>
#include <vector>

#include "core/Records.h"
#include "core/SharedState.h"

namespace tessamo {

inline constexpr const char* kSortTempFileName = "tempsort.$$$";

// Called at the start of every pass, `pass` from 1 to `passes`; the window
// shows it in its progress bar and handles pending events (the Stop button).
using SortProgress = std::function<void(std::size_t pass, std::size_t passes)>;

enum class [[nodiscard]] SortOutcome {
    Finished,  // the ledger is in order (rewritten only when something moved)
    Stopped,   // the stop flag was seen between passes; the ledger is unchanged
    Failed,    // a file failure was shown to the user; the ledger is unchanged
};

// The number of passes for n records: 0 for none, 1 for one record, else
// the number of doublings from runs of one record to the whole file.
std::size_t SortPassCount(std::size_t records);

// Stable descending order of the keys: the positions of `keys` in the order
// they are to be written. Returns false when `stop` was seen between passes.
bool SortedOrder(const std::vector<double>& keys, std::vector<std::size_t>& order, const SortProgress& progress,
                 const std::atomic<bool>& stop);

SortOutcome SortMainFile(SharedState& state, const SortProgress& progress, const std::atomic<bool>& stop);

}  // namespace tessamo
