#include "tools/LedgerSorter.h"

#include <algorithm>
#include <cstring>

#include "journal/Transaction.h"
#include "core/Dates.h"
#include "platform/FileErrors.h"
#include "core/LedgerBytes.h"

namespace tessamo {

std::size_t SortPassCount(std::size_t records) {
    std::size_t passes = records > 0 ? 1 : 0;
    for (std::size_t width = 2; width < records; width *= 2) ++passes;
    return passes;
}

namespace {

// Merges the runs [from, mid) and [mid, to) of `in` into `out`; on equal keys
// the left run comes first, which keeps the sort stable.
void MergeRuns(const std::vector<double>& keys, const std::vector<std::size_t>& in, std::vector<std::size_t>& out,
               std::size_t from, std::size_t mid, std::size_t to) {
    std::size_t i = from, j = mid, k = from;
    while (i < mid && j < to) out[k++] = keys[in[j]] > keys[in[i]] ? in[j++] : in[i++];
    while (i < mid) out[k++] = in[i++];
    while (j < to) out[k++] = in[j++];
}

// Puts record order[i] at position i of `records`, in place: each cycle of
// the permutation is walked once with one record held aside, so the ledger
// is never held twice. `order` is used up. False when nothing moved.
bool PermuteRecords(char* records, std::vector<std::size_t>& order) {
    constexpr std::size_t size = LedgerRecord::kSize;
    bool moved = false;
    char held[size];
    for (std::size_t start = 0; start < order.size(); ++start) {
        if (order[start] == start) continue;
        moved = true;
        std::memcpy(held, records + start * size, size);
        std::size_t at = start;
        while (order[at] != start) {
            const std::size_t from = order[at];
            std::memcpy(records + at * size, records + from * size, size);
            order[at] = at;
            at = from;
        }
        std::memcpy(records + at * size, held, size);
        order[at] = at;
    }
    return moved;
}

}  // namespace

bool SortedOrder(const std::vector<double>& keys, std::vector<std::size_t>& order, const SortProgress& progress,
                 const std::atomic<bool>& stop) {
    const std::size_t n = keys.size();
    order.resize(n);
    for (std::size_t i = 0; i < n; ++i) order[i] = i;
    std::vector<std::size_t> merged(n);
    const std::size_t passes = SortPassCount(n);
    std::size_t width = 1;
    for (std::size_t pass = 1; pass <= passes; ++pass, width *= 2) {
        if (progress) progress(pass, passes);
        if (stop.load()) return false;
        for (std::size_t from = 0; from < n; from += 2 * width) {
            const std::size_t mid = std::min(from + width, n), to = std::min(from + 2 * width, n);
            MergeRuns(keys, order, merged, from, mid, to);
        }
        order.swap(merged);
    }
    return true;
}

SortOutcome SortMainFile(SharedState& state, const SortProgress& progress, const std::atomic<bool>& stop) {
    std::string bytes;
    if (!ReportIfFailed(state.env.dialogs, state.env.files.ReadAll(state.LedgerFileName, bytes)))
        return SortOutcome::Failed;
    // The records are sorted where they lie in the file's bytes. A partial
    // record at the end is no line, but its bytes stay at the end, as a sort
    // that exchanges whole records in place would leave them.
    const LedgerBytesView ledger(bytes);
    std::vector<std::size_t> order;
    {
        std::vector<double> keys;
        keys.reserve(ledger.size());
        for (std::size_t i = 0; i < ledger.size(); ++i) keys.push_back(SortKey(ledger[i], state.DateStyle));
        if (!SortedOrder(keys, order, progress, stop)) return SortOutcome::Stopped;
    }
    Transaction change(state, "Sort of " + state.CurYear);
    if (PermuteRecords(bytes.data(), order) &&
        !ReportIfFailed(state.env.dialogs,
                        state.env.files.ReplaceWhole(state.LedgerFileName, kSortTempFileName, bytes)))
        return SortOutcome::Failed;
    return change.Commit() ? SortOutcome::Finished : SortOutcome::Failed;
}

}  // namespace tessamo
