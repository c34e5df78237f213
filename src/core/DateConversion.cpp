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

bool SwapLedgerDates(SharedState& state) {
    std::vector<LedgerRecord> records;
    if (!ReportIfFailed(state.env.dialogs, ReadRecords(state.env.files, state.LedgerFileName, records))) return false;
    for (LedgerRecord& r : records) r.Date = SwapMonthAndDay(r.Date);
    Transaction change(state, "Date conversion of " + state.CurYear);
    return ReportIfFailed(state.env.dialogs,
                          RewriteRecords(state.env.files, state.LedgerFileName, kLedgerTempName, records)) &&
           change.Commit();
}

bool ConvertLedgerDates(SharedState& state) {
    return ConfirmDateConversion(state.env.dialogs) && SwapLedgerDates(state);
}

}  // namespace tessamo
