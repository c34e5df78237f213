#include "core/LedgerEntry.h"

#include "core/Dates.h"
#include "core/FileErrors.h"
#include "core/FixedText.h"
#include "core/RecordFile.h"

namespace tessamo {

bool ValidateEntry(SharedState& state, const LedgerRecord& entry) {
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

// Validates the entry and reads the ledger: Written means "go on".
EntryOutcome PrepareEntry(SharedState& state, const LedgerRecord& entry, std::vector<LedgerRecord>& records) {
    if (!ValidateEntry(state, entry)) return EntryOutcome::Refused;
    if (!ReportIfFailed(state.env.dialogs, ReadRecords(state.env.files, state.LedgerFileName, records)))
        return EntryOutcome::Failed;
    return EntryOutcome::Written;
}

}  // namespace

EntryOutcome InsertRecord(SharedState& state, const LedgerRecord& entry) {
    std::vector<LedgerRecord> records;
    if (EntryOutcome o = PrepareEntry(state, entry, records); o != EntryOutcome::Written) return o;
    FileSystem& files = state.env.files;
    const LedgerRecord record = entry.Normalized();
    const std::size_t at = InsertionPosition(records, SortKey(record, state.DateStyle), state.DateStyle);
    records.insert(records.begin() + static_cast<std::ptrdiff_t>(at), record);
    if (!ReportIfFailed(state.env.dialogs, RewriteRecords(files, state.LedgerFileName, "temp.$$$", records)))
        return EntryOutcome::Failed;
    return EntryOutcome::Written;
}

EntryOutcome ReplaceRecord(SharedState& state, const LedgerRecord& changed) {
    std::vector<LedgerRecord> records;
    if (EntryOutcome o = PrepareEntry(state, changed, records); o != EntryOutcome::Written) return o;
    FileSystem& files = state.env.files;
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
