#include "core/DateConversion.h"

#include <vector>

#include "journal/Transaction.h"
#include "platform/FileErrors.h"
#include "core/LedgerEntry.h"
#include "core/RecordFile.h"

namespace tessamo {

std::string SwapMonthAndDay(const std::string& date) {
    return date.substr(3, 2) + "-" + date.substr(0, 2) + "-" + date.substr(6, 2);
}

bool ConfirmDateConversion(Dialogs& dialogs) {
    Message question{"Swap place of month and day in this year's data?", "Convert date format of existing records",
                     MessageIcon::Question, MessageButtons::YesNo, Answer::No};
    return dialogs.Show(question) == Answer::Yes;
}

Status SwapLedgerDates(SharedState& state) {
    std::vector<LedgerRecord> records;
    Status s = TellIfFailed(state.env.dialogs, ReadRecords(state.env.files, state.LedgerFileName, records));
    if (!s.ok()) return s;
    for (LedgerRecord& r : records) r.Date = SwapMonthAndDay(r.Date);
    Transaction change(state, "Date conversion of " + state.CurYear);
    s = TellIfFailed(state.env.dialogs, RewriteRecords(state.env.files, state.LedgerFileName, kLedgerTempName, records));
    // A commit that fails tells the user itself.
    if (s.ok() && !change.Commit()) return Status::AlreadyTold();
    return s;
}

Status ConvertLedgerDates(SharedState& state) {
    if (!ConfirmDateConversion(state.env.dialogs)) return Status::Declined();
    return SwapLedgerDates(state);
}

}  // namespace tessamo
