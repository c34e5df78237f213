#include "export/ExportToFile.h"

#include <filesystem>
#include <vector>

#include "platform/FileErrors.h"
#include "core/FixedText.h"
#include "export/CommaFileText.h"
#include "core/ReportCategoryList.h"

namespace tessamo {
namespace {

// A plain name inside the chosen folder: not empty, no folder part.
bool UsableFileName(const std::string& name) {
    const std::string trimmed = TrimBlanks(name);
    return !trimmed.empty() && trimmed != "." && trimmed != ".." && name.find('/') == std::string::npos;
}

bool EndsWithIgnoringCase(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && ToUpperAscii(text.substr(text.size() - end.size())) == end;
}

// Appending comma-delimited text to a record file of the data folder (the
// ledger, the categories, the settings, a working file) would break it.
bool IsRecordFileOfDataFolder(const FileSystem& dataFolder, const FileSystem& targetFolder, const std::string& name) {
    std::error_code ec;
    if (!std::filesystem::equivalent(dataFolder.Folder(), targetFolder.Folder(), ec)) return false;
    return EndsWithIgnoringCase(name, ".DAT") || EndsWithIgnoringCase(name, ".$$$");
}

// The chosen categories and the ledger's bytes, or a failure already shown.
bool ReadExportInputs(SharedState& state, std::vector<CategoryRecord>& categories, std::string& ledger) {
    return ReportIfFailed(state.env.dialogs, ReadReportInputs(state.env.files, kReportCategoryFile,
                                                              state.LedgerFileName, categories, ledger));
}

ExportOutcome AppendAndFinish(SharedState& state, FileSystem& targetFolder, const std::string& fileName,
                              const std::string& lines) {
    if (!ReportIfFailed(state.env.dialogs, targetFolder.Append(fileName, lines))) return ExportOutcome::Failed;
    state.env.dialogs.Show(Message{"Finished! Import the comma-delimited text file:\r\n" +
                                       ExportTargetName(targetFolder, fileName) + "\r\ninto your spreadsheet program.",
                                   kProgramTitle, MessageIcon::None, MessageButtons::Ok, Answer::Ok});
    return ExportOutcome::Written;
}

}  // namespace

std::string ExportTargetName(const FileSystem& targetFolder, const std::string& fileName) {
    const std::string& folder = targetFolder.Folder();
    return folder + (!folder.empty() && folder.back() == '/' ? "" : "/") + fileName;
}

ExportOutcome ExportToFile(SharedState& state, ExportKind kind, FileSystem& targetFolder, const std::string& fileName,
                           ExistingExportFile existing) {
    Dialogs& dialogs = state.env.dialogs;
    if (!UsableFileName(fileName) || IsRecordFileOfDataFolder(state.env.files, targetFolder, fileName)) {
        dialogs.Show(EntryAborted("Invalid export file name - " + fileName));
        return ExportOutcome::Refused;
    }
    std::uint64_t length = 0;
    if (!ReportIfFailed(dialogs, targetFolder.FileLength(fileName, length))) return ExportOutcome::Failed;
    if (length > 0 && existing == ExistingExportFile::Ask) {
        const std::string question = ExportTargetName(targetFolder, fileName) +
                                     " already exists!\r\nDo you wish to append this data to it?";
        if (dialogs.Show(ConfirmYesNo(question, MessageIcon::Question)) != Answer::Yes) return ExportOutcome::Declined;
    }
    return kind == ExportKind::LineItems ? commafile(state, targetFolder, fileName)
                                         : summarycommafile(state, targetFolder, fileName);
}

ExportOutcome commafile(SharedState& state, FileSystem& targetFolder, const std::string& fileName) {
    std::vector<CategoryRecord> categories;
    std::string ledger;
    if (!ReadExportInputs(state, categories, ledger)) return ExportOutcome::Failed;
    LineItemsExportOptions options;
    options.startMonth = state.RepStartMonth;
    options.endMonth = state.RepEndMonth;
    options.dateStyle = state.DateStyle;
    options.year = state.LedgerFileName.substr(0, 4);
    options.money = state.env.money;
    return AppendAndFinish(state, targetFolder, fileName, LineItemsExportText(categories, ledger, options));
}

ExportOutcome summarycommafile(SharedState& state, FileSystem& targetFolder, const std::string& fileName) {
    std::vector<CategoryRecord> categories;
    std::string ledger;
    if (!ReadExportInputs(state, categories, ledger)) return ExportOutcome::Failed;
    return AppendAndFinish(state, targetFolder, fileName, SummaryExportText(categories, ledger, state.env.money));
}

}  // namespace tessamo
