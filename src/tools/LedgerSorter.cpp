#include "tools/LedgerSorter.h"

#include <algorithm>

#include "core/Dates.h"
#include "platform/FileErrors.h"
#include "core/RecordFile.h"

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
    const std::vector<LedgerRecord> records = DecodeRecords<LedgerRecord>(bytes);
    // A partial record at the end is no line, but its bytes stay at the end,
    // as a sort that exchanges whole records in place would leave them.
    const std::string tail = bytes.substr(records.size() * LedgerRecord::kSize);
    std::vector<double> keys;
    keys.reserve(records.size());
    for (const LedgerRecord& r : records) keys.push_back(SortKey(r, state.DateStyle));
    std::vector<std::size_t> order;
    if (!SortedOrder(keys, order, progress, stop)) return SortOutcome::Stopped;

    bool moved = false;
    std::vector<LedgerRecord> sorted;
    sorted.reserve(records.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        moved = moved || order[i] != i;
        sorted.push_back(records[order[i]]);
    }
    if (moved && !ReportIfFailed(state.env.dialogs, state.env.files.ReplaceWhole(state.LedgerFileName, kSortTempFileName,
                                                                                 EncodeRecords(sorted) + tail)))
        return SortOutcome::Failed;
    return SortOutcome::Finished;
}

}  // namespace tessamo
