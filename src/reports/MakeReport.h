#pragma once
// MakeReport: builds the cash-flow report of the active year as the report
// window's View shows it. Reads the category list file (always
// "tempcats.$$$" from the window) and the ledger, lays the report out, and
// removes the report's working files afterwards: "tempcats.$$$", "temp.$$$",
// "ic_file.$$$", "ex_file.$$$" and "todofile.$$$" — none of them remains,
// whether the report was completed or ended by a file failure. The working
// sets are kept in memory, so a leftover file of an interrupted run never
// adds lines. A failure to read the inputs is shown to the user (file name
// and reason) and ends the report (AlreadyTold); a failure to remove a working file is
// shown too, and the finished report is still returned.
#include <string>
#include <vector>

#include "core/ReportCategoryList.h"
#include "core/SharedState.h"
#include "platform/Result.h"
#include "reports/ReportText.h"

namespace tessamo {

Result<ReportText> MakeReport(const SharedState& state, const std::string& catfile, int begmo, int endmo,
                         const std::string& reptype);

// The same report from the chosen categories held in memory (the report
// window's list, the command line's codes), in list order: only the ledger
// is read, and nothing is written or removed in the data folder, so a
// read-only folder reports like any other. With a sink the text goes to it
// in pieces as it is laid out (see BuildReport). With CategoryScope::All the
// codes no category holds are reported too (see ReportCategoryRecords).
Result<ReportText> MakeReport(const SharedState& state, const std::vector<CategoryRecord>& chosen, int begmo, int endmo,
                         const std::string& reptype, const ReportPieceSink* sink = nullptr,
                         CategoryScope scope = CategoryScope::Chosen);

// The report's working files, removed at the end of every report.
const std::vector<std::string>& ReportWorkingFiles();

}  // namespace tessamo
