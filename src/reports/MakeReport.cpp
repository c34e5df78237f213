#include "reports/MakeReport.h"

#include "platform/FileErrors.h"
#include "core/ReportCategoryList.h"

namespace tessamo {
namespace {

// Removes every working file; the first failure is returned, the rest still tried.
Status RemoveWorkingFiles(FileSystem& files) {
    Status first;
    for (const std::string& name : ReportWorkingFiles()) {
        Status s = files.Remove(name);
        if (first.ok() && !s.ok()) first = s;
    }
    return first;
}

// A file failure ends the report: the working files go, the user is told.
Status Failed(const SharedState& state, const Status& status) {
    const Status told = TellIfFailed(state.env.dialogs, status);
    // One box per failed report: the next report rebuilds every working
    // file from nothing, so a leftover one cannot add to it.
    (void)RemoveWorkingFiles(state.env.files);
    return told;
}

ReportText BuildActiveYearReport(const SharedState& state, const std::vector<CategoryRecord>& categories,
                                 const std::string& ledger, int begmo, int endmo, const std::string& reptype,
                                 const ReportPieceSink* sink = nullptr) {
    ReportOptions options;
    options.startMonth = begmo;
    options.endMonth = endmo;
    options.reportType = reptype;
    options.dateStyle = state.DateStyle;
    options.userName = state.UserName;
    options.today = state.env.clock.Today();
    options.ledgerFileName = state.LedgerFileName;
    options.money = state.env.money;
    return BuildReport(categories, ledger, options, sink);
}

}  // namespace

const std::vector<std::string>& ReportWorkingFiles() {
    static const std::vector<std::string> names = {kReportCategoryFile, "temp.$$$", "ex_file.$$$", "ic_file.$$$",
                                                   "todofile.$$$"};
    return names;
}

Result<ReportText> MakeReport(const SharedState& state, const std::string& catfile, int begmo, int endmo,
                             const std::string& reptype) {
    FileSystem& files = state.env.files;
    std::vector<CategoryRecord> categories;
    std::string ledger;
    if (Status s = ReadReportInputs(files, catfile, state.LedgerFileName, categories, ledger); !s.ok())
        return Failed(state, s);

    ReportText report = BuildActiveYearReport(state, categories, ledger, begmo, endmo, reptype);

    // The report is complete; a working file that cannot be removed is told
    // about but does not take the report away.
    ReportIfFailed(state.env.dialogs, RemoveWorkingFiles(files));
    return report;
}

Result<ReportText> MakeReport(const SharedState& state, const std::vector<CategoryRecord>& chosen, int begmo, int endmo,
                             const std::string& reptype, const ReportPieceSink* sink, CategoryScope scope) {
    std::string ledger;
    if (Status s = TellIfFailed(state.env.dialogs, state.env.files.ReadAll(state.LedgerFileName, ledger)); !s.ok())
        return s;
    return BuildActiveYearReport(state, ReportCategoryRecords(chosen, scope, ledger), ledger, begmo, endmo, reptype,
                                 sink);
}

}  // namespace tessamo
