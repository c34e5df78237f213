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

// Several insertions with each record's key computed once, for macros.
void InsertInKeyOrder(std::vector<LedgerRecord>& records, const std::vector<LedgerRecord>& entries,
                      const std::string& style) {
    std::vector<double> keys;
    keys.reserve(records.size() + entries.size());
    for (const LedgerRecord& r : records) keys.push_back(SortKey(r, style));
    for (const LedgerRecord& entry : entries) {
        const LedgerRecord record = entry.Normalized();
        const double key = SortKey(record, style);
        const auto at = std::find_if(keys.begin(), keys.end(), [key](double k) { return k <= key; }) - keys.begin();
        keys.insert(keys.begin() + at, key);
        records.insert(records.begin() + at, record);
    }
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
