#include "core/LedgerEntry.h"

#include <algorithm>

#include "core/Dates.h"
#include "platform/FileErrors.h"
#include "core/FixedText.h"
#include "core/RecordFile.h"

namespace tessamo {

bool ValidateEntry(const SharedState& state, const LedgerRecord& entry) {
    const std::string date = FixedWidth(entry.Date, 8);
    if (CheckDate(date, state.DateStyle) != 0) {
        state.env.dialogs.Show(EntryAborted("Invalid Date - " + date));
        return false;
    }
    if (TrimBlanks(entry.Code).empty()) {
        state.env.dialogs.Show(EntryAborted("No Category Selected"));
        return false;
    }
    return true;
}

std::size_t InsertionPosition(const std::vector<LedgerRecord>& records, double key, const std::string& style) {
    for (std::size_t i = 0; i < records.size(); ++i)
        if (SortKey(records[i], style) <= key) return i;
    return records.size();
}

namespace {

// Several insertions in one pass, with the result of inserting the entries
// one after another as InsertRecord does. An entry lands in the gap before
// the first original record whose key is lower or equal (the running minimum
// of the original keys finds it by bisection); entries of earlier gaps never
// stop it, since their keys are higher. Within one gap the entries stand in
// descending key order, a later entry before an earlier one of equal key.
void InsertInKeyOrder(std::vector<LedgerRecord>& records, const std::vector<LedgerRecord>& entries,
                      const std::string& style) {
    std::vector<double> runningMin;
    runningMin.reserve(records.size());
    for (const LedgerRecord& r : records)
        runningMin.push_back(std::min(SortKey(r, style), runningMin.empty() ? SortKey(r, style) : runningMin.back()));
    struct Placed {
        std::size_t gap;
        double key;
        std::size_t order;
    };
    std::vector<Placed> placed;
    placed.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const double key = SortKey(entries[i].Normalized(), style);
        const auto gap = std::partition_point(runningMin.begin(), runningMin.end(), [key](double k) { return k > key; });
        placed.push_back({static_cast<std::size_t>(gap - runningMin.begin()), key, i});
    }
    std::sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
        if (a.gap != b.gap) return a.gap < b.gap;
        if (a.key != b.key) return a.key > b.key;
        return a.order > b.order;
    });
    std::vector<LedgerRecord> merged;
    merged.reserve(records.size() + entries.size());
    std::size_t next = 0;
    for (const Placed& p : placed) {
        while (next < p.gap) merged.push_back(std::move(records[next++]));
        merged.push_back(entries[p.order].Normalized());
    }
    while (next < records.size()) merged.push_back(std::move(records[next++]));
    records = std::move(merged);
}

}  // namespace

EntryOutcome InsertValidatedRecords(SharedState& state, const std::vector<LedgerRecord>& entries) {
    std::vector<LedgerRecord> records;
    if (!ReportIfFailed(state.env.dialogs, ReadRecords(state.env.files, state.LedgerFileName, records)))
        return EntryOutcome::Failed;
    if (entries.size() == 1) {
        const LedgerRecord record = entries.front().Normalized();
        const std::size_t at = InsertionPosition(records, SortKey(record, state.DateStyle), state.DateStyle);
        records.insert(records.begin() + static_cast<std::ptrdiff_t>(at), record);
    } else {
        InsertInKeyOrder(records, entries, state.DateStyle);
    }
    if (!ReportIfFailed(state.env.dialogs,
                        RewriteRecords(state.env.files, state.LedgerFileName, kLedgerTempName, records)))
        return EntryOutcome::Failed;
    return EntryOutcome::Written;
}

EntryOutcome InsertRecord(SharedState& state, const LedgerRecord& entry) {
    if (!ValidateEntry(state, entry)) return EntryOutcome::Refused;
    return InsertValidatedRecords(state, {entry});
}

EntryOutcome ReplaceRecord(SharedState& state, const LedgerRecord& changed) {
    if (!ValidateEntry(state, changed)) return EntryOutcome::Refused;
    FileSystem& files = state.env.files;
    std::vector<LedgerRecord> records;
    if (!ReportIfFailed(state.env.dialogs, ReadRecords(files, state.LedgerFileName, records)))
        return EntryOutcome::Failed;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (records[i] == state.OpenedRecord) {
            if (!ReportIfFailed(state.env.dialogs,
                                WriteRecordAt(files, state.LedgerFileName, i + 1, changed.Normalized())))
                return EntryOutcome::Failed;
            return EntryOutcome::Written;
        }
    }
    return EntryOutcome::NotFound;
}

}  // namespace tessamo
