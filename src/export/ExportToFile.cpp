#include "export/ExportToFile.h"

#include <string_view>
#include <vector>

#include "core/DataFileProtection.h"
#include "platform/FileErrors.h"
#include "core/FixedText.h"
#include "export/CommaFileText.h"
#include "export/SpreadsheetExport.h"
#include "core/ReportCategoryList.h"
#include "core/YearSelection.h"

namespace tessamo {
namespace {

// A plain name inside the chosen folder: not empty, no folder part.
bool UsableFileName(const std::string& name) {
    const std::string trimmed = TrimBlanks(name);
    return !trimmed.empty() && trimmed != "." && trimmed != ".." && name.find('/') == std::string::npos;
}

Message InvalidName(const std::string& fileName) { return EntryAborted("Invalid export file name - " + fileName); }

// The ledger's bytes, or a failure already shown.
bool ReadLedger(const SharedState& state, std::string& ledger) {
    return ReportIfFailed(state.env.dialogs, state.env.files.ReadAll(state.LedgerFileName, ledger));
}

// The new lines follow the file's content in one atomic replacement, so a
// crash or a full disk leaves the file as it was. The file is checked again
// as opened, so a link swapped in after the first look is refused too.
ExportOutcome WriteAndFinish(const SharedState& state, FileSystem& targetFolder, const std::string& fileName,
                             const OutputPieces& lines, bool append = true) {
    Dialogs& dialogs = state.env.dialogs;
    const bool existed = targetFolder.Exists(fileName);
    bool refused = false;
    const DataFileProtection guard(state.env.files);
    const Status s = targetFolder.WriteOutputPieces(fileName, kExportTempFileName, lines, append,
                                                  guard.Check(Status::InvalidArgument(fileName, "a file of the data folder"), refused));
    if (refused) {
        dialogs.Show(InvalidName(fileName));
        return ExportOutcome::Refused;
    }
    if (!ReportIfFailed(dialogs, s, existed ? "The export file was left as it was." : "The export file was not created."))
        return ExportOutcome::Failed;
    dialogs.Show(Message{"Finished! Import the comma-delimited text file:\r\n" +
                                       ExportTargetName(targetFolder, fileName) + "\r\ninto your spreadsheet program.",
                                   kProgramTitle, MessageIcon::None, MessageButtons::Ok, Answer::Ok});
    return ExportOutcome::Written;
}

}  // namespace

std::string ExportTargetName(const FileSystem& targetFolder, const std::string& fileName) {
    const std::string& folder = targetFolder.Folder();
    return folder + (!folder.empty() && folder.back() == '/' ? "" : "/") + fileName;
}

ExportOutcome ExportToFile(const SharedState& state, ExportKind kind, const std::vector<CategoryRecord>& chosen,
                           FileSystem& targetFolder, const std::string& fileName, ExistingExportFile existing,
                           CategoryScope scope) {
    Dialogs& dialogs = state.env.dialogs;
    FileInfo target;
    if (UsableFileName(fileName) && !ReportIfFailed(dialogs, targetFolder.Inspect(fileName, target)))
        return ExportOutcome::Failed;
    if (!UsableFileName(fileName) || DataFileProtection(state.env.files).Protects(target)) {
        dialogs.Show(InvalidName(fileName));
        return ExportOutcome::Refused;
    }
    std::uint64_t length = 0;
    if (!ReportIfFailed(dialogs, targetFolder.FileLength(fileName, length))) return ExportOutcome::Failed;
    if (length > 0 && existing == ExistingExportFile::Ask) {
        const std::string question =
            ExportTargetName(targetFolder, fileName) + " already exists!\r\n" +
            (kind == ExportKind::Spreadsheet ? "Do you wish to replace it?" : "Do you wish to append this data to it?");
        if (dialogs.Show(ConfirmYesNo(question, MessageIcon::Question)) != Answer::Yes) return ExportOutcome::Declined;
    }
    switch (kind) {
        case ExportKind::LineItems:
            return commafile(state, chosen, targetFolder, fileName, scope);
        case ExportKind::Summary:
            return summarycommafile(state, chosen, targetFolder, fileName, scope);
        case ExportKind::Spreadsheet:
            break;
    }
    return SpreadsheetExportToFile(state, chosen, targetFolder, fileName, scope);
}

static LineItemsExportOptions OptionsOf(const SharedState& state) {
    LineItemsExportOptions options;
    options.startMonth = state.RepStartMonth;
    options.endMonth = state.RepEndMonth;
    options.dateStyle = state.DateStyle;
    options.year = ActiveYear(state);
    options.money = state.env.money;
    return options;
}

ExportOutcome commafile(const SharedState& state, const std::vector<CategoryRecord>& chosen, FileSystem& targetFolder,
                        const std::string& fileName, CategoryScope scope) {
    std::string ledger;
    if (!ReadLedger(state, ledger)) return ExportOutcome::Failed;
    const LineItemsExportOptions options = OptionsOf(state);
    // The lines go to the file as they are made, a piece at a time.
    const std::vector<CategoryRecord> categories = ReportCategoryRecords(chosen, scope, ledger);
    LineItemsExport lines(categories, ledger, options);
    std::string piece;
    bool done = false;
    const OutputPieces pieces = [&](std::string_view& next) {
        if (done) return false;
        piece.clear();
        done = !lines.Next(piece);
        next = piece;
        return true;
    };
    return WriteAndFinish(state, targetFolder, fileName, pieces);
}

ExportOutcome summarycommafile(const SharedState& state, const std::vector<CategoryRecord>& chosen,
                               FileSystem& targetFolder, const std::string& fileName, CategoryScope scope) {
    std::string ledger;
    if (!ReadLedger(state, ledger)) return ExportOutcome::Failed;
    const std::string text = SummaryExportText(ReportCategoryRecords(chosen, scope, ledger), ledger, state.env.money);
    return WriteAndFinish(state, targetFolder, fileName, OnePiece(text));
}

ExportOutcome SpreadsheetExportToFile(const SharedState& state, const std::vector<CategoryRecord>& chosen,
                                      FileSystem& targetFolder, const std::string& fileName, CategoryScope scope) {
    std::string ledger;
    if (!ReadLedger(state, ledger)) return ExportOutcome::Failed;
    // The report's records open with a blank one; the spreadsheet export wants the categories alone.
    std::vector<CategoryRecord> categories = ReportCategoryRecords(chosen, scope, ledger);
    if (!categories.empty()) categories.erase(categories.begin());
    const std::string text = SpreadsheetExportText(categories, ledger, OptionsOf(state));
    return WriteAndFinish(state, targetFolder, fileName, OnePiece(text), false);
}

}  // namespace tessamo
