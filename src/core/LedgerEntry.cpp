#include "core/LedgerEntry.h"

#include <algorithm>
#include <cstring>

#include "journal/ChangeText.h"
#include "journal/Transaction.h"
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

std::size_t InsertionPosition(const LedgerBytesView& records, double key, const std::string& style) {
    for (std::size_t i = 0; i < records.size(); ++i)
        if (SortKey(records[i], style) <= key) return i;
    return records.size();
}

namespace {

// Where each entry lands (0-based, among all records once inserted) when
// they are inserted one after another as InsertRecord does, found in one
// pass. An entry lands in the gap before the first original record whose key
// is lower or equal (the running minimum of the original keys finds it by
// bisection); entries of earlier gaps never stop it, since their keys are
// higher. Within one gap the entries stand in descending key order, a later
// entry before an earlier one of equal key.
std::vector<std::size_t> InsertionPlaces(const LedgerBytesView& records, const std::vector<LedgerRecord>& entries,
                                         const std::string& style) {
    if (entries.size() == 1) return {InsertionPosition(records, SortKey(entries.front().Normalized(), style), style)};
    std::vector<double> runningMin;
    runningMin.reserve(records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        const double key = SortKey(records[i], style);
        runningMin.push_back(runningMin.empty() ? key : std::min(key, runningMin.back()));
    }
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
    // Every entry sorted before another stands before it, as do the records of its gap.
    std::vector<std::size_t> places(entries.size());
    for (std::size_t k = 0; k < placed.size(); ++k) places[placed[k].order] = placed[k].gap + k;
    return places;
}

// Spreads the `count` records at the start of `bytes` out and writes each
// entry at its place, from the end backwards, so the ledger moves within its
// own buffer.
void PlaceEntries(std::string& bytes, std::size_t count, const std::vector<LedgerRecord>& entries,
                  const std::vector<std::size_t>& places) {
    constexpr std::size_t size = LedgerRecord::kSize;
    std::vector<std::size_t> byPlace(entries.size());
    for (std::size_t i = 0; i < byPlace.size(); ++i) byPlace[i] = i;
    std::sort(byPlace.begin(), byPlace.end(), [&](std::size_t a, std::size_t b) { return places[a] > places[b]; });
    bytes.resize((count + entries.size()) * size);
    std::size_t unplaced = count, end = count + entries.size();
    for (std::size_t e : byPlace) {
        const std::size_t after = end - places[e] - 1;  // records that go behind this entry
        unplaced -= after;
        std::memmove(bytes.data() + (places[e] + 1) * size, bytes.data() + unplaced * size, after * size);
        std::string record;
        entries[e].Normalized().AppendBytes(record);
        bytes.replace(places[e] * size, size, record);
        end = places[e];
    }
}

// The ledger's bytes with room for `extra` more from the start, so that
// inserting never copies the whole ledger to a larger buffer.
Status ReadLedgerWithRoom(const FileSystem& files, const std::string& name, std::size_t extra, std::string& bytes) {
    std::uint64_t length = 0;
    if (files.FileLength(name, length).ok()) bytes.reserve(static_cast<std::size_t>(length) + extra);
    return files.ReadAll(name, bytes);  // a failure to size it shows here too
}

}  // namespace

EntryOutcome InsertValidatedRecords(SharedState& state, const std::vector<LedgerRecord>& entries) {
    std::string bytes;
    if (!ReportIfFailed(state.env.dialogs, ReadLedgerWithRoom(state.env.files, state.LedgerFileName,
                                                              entries.size() * LedgerRecord::kSize, bytes)))
        return EntryOutcome::Failed;
    // Whole records only: a partial tail is no line and is not written back.
    const std::size_t count = bytes.size() / LedgerRecord::kSize;
    bytes.resize(count * LedgerRecord::kSize);
    PlaceEntries(bytes, count, entries, InsertionPlaces(LedgerBytesView(bytes), entries, state.DateStyle));
    if (!ReportIfFailed(state.env.dialogs,
                        state.env.files.ReplaceWhole(state.LedgerFileName, kLedgerTempName, bytes)))
        return EntryOutcome::Failed;
    return EntryOutcome::Written;
}

EntryOutcome InsertRecord(SharedState& state, const LedgerRecord& entry) {
    if (!ValidateEntry(state, entry)) return EntryOutcome::Refused;
    Transaction change(state, LineChangeText("Add", entry, state.env.money));
    const EntryOutcome outcome = InsertValidatedRecords(state, {entry});
    return outcome != EntryOutcome::Written || change.Commit() ? outcome : EntryOutcome::Failed;
}

EntryOutcome ReplaceRecord(SharedState& state, const LedgerRecord& changed) {
    if (!ValidateEntry(state, changed)) return EntryOutcome::Refused;
    FileSystem& files = state.env.files;
    Transaction change(state, LineChangeText("Change", changed, state.env.money));
    std::string bytes;
    if (!ReportIfFailed(state.env.dialogs, files.ReadAll(state.LedgerFileName, bytes))) return EntryOutcome::Failed;
    std::string opened;
    state.OpenedRecord.AppendBytes(opened);  // all four fields at full width
    const LedgerBytesView records(bytes);
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (records[i].Bytes() == opened) {
            if (!ReportIfFailed(state.env.dialogs,
                                WriteRecordAt(files, state.LedgerFileName, i + 1, changed.Normalized())))
                return EntryOutcome::Failed;
            return change.Commit() ? EntryOutcome::Written : EntryOutcome::Failed;
        }
    }
    return EntryOutcome::NotFound;
}

}  // namespace tessamo
