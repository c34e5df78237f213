#include "core/DateConversion.h"

#include <vector>

#include "core/FileErrors.h"
#include "core/RecordFile.h"

namespace tessamo {

std::string SwapMonthAndDay(const std::string& date) {
    return date.substr(3, 2) + "-" + date.substr(0, 2) + "-" + date.substr(6, 2);
}

bool ConvertLedgerDates(SharedState& state) {
    Message question{"Swap place of month and day in this year's data?", "Convert date format of existing records",
                     MessageIcon::Question, MessageButtons::YesNo, Answer::No};
    if (state.env.dialogs.Show(question) != Answer::Yes) return false;
    std::vector<LedgerRecord> records;
    if (!ReportIfFailed(state.env.dialogs, ReadRecords(state.env.files, state.LedgerFileName, records))) return false;
    for (LedgerRecord& r : records) r.Date = SwapMonthAndDay(r.Date);
    return ReportIfFailed(state.env.dialogs,
                          RewriteRecords(state.env.files, state.LedgerFileName, "temp.$$$", records));
}

}  // namespace tessamo
