#include "core/LedgerEntry.h"

#include <algorithm>
#include <cstring>

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

std::size_t InsertionPosition(const LedgerView& records, double key, const std::string& style) {
    for (std::size_t i = 0; i < records.size(); ++i)
        if (SortKey(records[i], style) <= key) return i;
    return records.size();
}

namespace {

// Where each entry lands (0-based, among all records once inserted) when
// they are inserted one after another, each record's key computed once.
std::vector<std::size_t> InsertionPlaces(const LedgerView& records, const std::vector<LedgerRecord>& entries,
                                         const std::string& style) {
    if (entries.size() == 1) return {InsertionPosition(records, SortKey(entries.front().Normalized(), style), style)};
    std::vector<double> keys;
    keys.reserve(records.size() + entries.size());
    for (std::size_t i = 0; i < records.size(); ++i) keys.push_back(SortKey(records[i], style));
    std::vector<std::size_t> places;
    for (const LedgerRecord& entry : entries) {
        const double key = SortKey(entry.Normalized(), style);
        const auto at =
            static_cast<std::size_t>(std::find_if(keys.begin(), keys.end(), [key](double k) { return k <= key; }) -
                                     keys.begin());
        keys.insert(keys.begin() + static_cast<std::ptrdiff_t>(at), key);
        for (std::size_t& place : places)
            if (place >= at) ++place;
        places.push_back(at);
    }
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
    PlaceEntries(bytes, count, entries, InsertionPlaces(LedgerView(bytes), entries, state.DateStyle));
    if (!ReportIfFailed(state.env.dialogs,
                        state.env.files.ReplaceWhole(state.LedgerFileName, kLedgerTempName, bytes)))
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
    std::string bytes;
    if (!ReportIfFailed(state.env.dialogs, files.ReadAll(state.LedgerFileName, bytes))) return EntryOutcome::Failed;
    std::string opened;
    state.OpenedRecord.AppendBytes(opened);  // all four fields at full width
    const LedgerView records(bytes);
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (records[i].Bytes() == opened) {
            if (!ReportIfFailed(state.env.dialogs,
                                WriteRecordAt(files, state.LedgerFileName, i + 1, changed.Normalized())))
                return EntryOutcome::Failed;
            return EntryOutcome::Written;
        }
    }
    return EntryOutcome::NotFound;
}

}  // namespace tessamo
