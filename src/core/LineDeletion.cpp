#include "core/LineDeletion.h"

#include "journal/ChangeText.h"
#include "journal/Transaction.h"
#include "core/Amounts.h"
#include "platform/FileErrors.h"
#include "core/FixedText.h"
#include "core/LedgerEntry.h"
#include "core/RecordFile.h"

namespace tessamo {

std::string LineKey(const std::string& date, const std::string& amountText, const std::string& code,
                    const std::string& note) {
    return date + amountText + code + note;
}

std::string RecordLineKey(const LedgerRecord& record, const MoneyFormat& format) {
    return LineKey(record.Date, CurrencyText(record.Amount, format), record.Code, TrimBlanks(record.Note));
}

std::string HeaderLineKey() { return LineKey("Date", "Amount", "Code", "Note"); }

namespace {

// The first line a deletion removes, and how many more went with it.
std::string DeletionText(const std::vector<LedgerRecord>& records, const std::vector<LedgerRecord>& kept,
                         const MoneyFormat& money) {
    std::size_t k = 0;
    while (k < kept.size() && kept[k] == records[k]) ++k;
    const std::size_t more = records.size() - kept.size() - 1;
    return LineChangeText("Delete", records[k], money) +
           (more == 0 ? "" : " and " + std::to_string(more) + (more == 1 ? " more" : " more lines"));
}

}  // namespace

DeleteOutcome DeleteRec(SharedState& state, const std::string& key) {
    Dialogs& dialogs = state.env.dialogs;
    if (dialogs.Show(ConfirmYesNo("Delete record ?", MessageIcon::Question)) != Answer::Yes)
        return DeleteOutcome::Declined;

    std::vector<LedgerRecord> records;
    if (!ReportIfFailed(dialogs, ReadRecords(state.env.files, state.LedgerFileName, records)))
        return DeleteOutcome::Failed;
    const std::string wanted = TrimBlanks(key);
    std::vector<LedgerRecord> kept;
    kept.reserve(records.size());
    for (LedgerRecord& r : records)
        if (TrimBlanks(RecordLineKey(r, state.env.money)) != wanted) kept.push_back(std::move(r));
    if (kept.size() == records.size()) return DeleteOutcome::NoneMatched;

    Transaction change(state, DeletionText(records, kept, state.env.money));
    if (!ReportIfFailed(dialogs, RewriteRecords(state.env.files, state.LedgerFileName, kLedgerTempName, kept)))
        return DeleteOutcome::Failed;
    return change.Commit() ? DeleteOutcome::Deleted : DeleteOutcome::Failed;
}

}  // namespace tessamo
