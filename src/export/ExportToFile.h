#pragma once
// The two exports of the export window, written into a file of a folder the
// user chose (any folder, reached through its own FileSystem):
//  - ExportToFile: what "All Line Items (raw)" and "Category Summary" do —
//    check the file name, ask before appending to a file that is not empty
//    (or append without asking when the caller says so), then run the export;
//  - commafile / summarycommafile: append the export's lines to the file
//    (created when missing) and tell the user it is finished.
// The chosen categories come in memory, in the report window's list order
// (the blank first record of the report's category list is added here; with
// CategoryScope::All the codes no category holds follow), and
// the lines from the active ledger; nothing is written in the data folder
// but the export file itself when the user chose it there. The month range is
// state.RepStartMonth .. state.RepEndMonth. The file's content and the new
// lines are written complete to "tempexp.$$$" beside it and renamed over it,
// so an interrupted or failed export leaves the file as it was; a device or a
// pipe is written straight through. A target that is one of the data
// folder's own files (see DataFileProtection) is refused. A file failure is
// shown with the file name and the system's reason.
#include <string>
#include <vector>

#include "core/Records.h"
#include "core/ReportCategoryList.h"
#include "core/SharedState.h"
#include "platform/FileSystem.h"

namespace tessamo {

inline constexpr const char* kExportTempFileName = "tempexp.$$$";

// Spreadsheet: "Export for spreadsheets…" (SpreadsheetExport.h), which
// replaces the file instead of appending to it, after its own question.
enum class ExportKind { LineItems, Summary, Spreadsheet };
// What to do with a target file that is not empty: ask, or go on (append;
// the spreadsheet export replaces).
enum class ExistingExportFile { Ask, Append };
enum class [[nodiscard]] ExportOutcome {
    Written,   // the lines were appended; "Finished!" was shown
    Declined,  // the user answered No to appending; nothing written
    Refused,   // the file name was not usable (empty, a folder part, or one of
               // the data folder's own files); the user was told; nothing written
    Failed,    // a file failure; the user was told
};

// The target's full name as messages show it: the folder, one "/", the name.
std::string ExportTargetName(const FileSystem& targetFolder, const std::string& fileName);

ExportOutcome ExportToFile(const SharedState& state, ExportKind kind, const std::vector<CategoryRecord>& chosen,
                           FileSystem& targetFolder, const std::string& fileName, ExistingExportFile existing,
                           CategoryScope scope = CategoryScope::Chosen);

ExportOutcome commafile(const SharedState& state, const std::vector<CategoryRecord>& chosen, FileSystem& targetFolder,
                        const std::string& fileName, CategoryScope scope = CategoryScope::Chosen);
// The spreadsheet export into the file (replaced; created when missing).
ExportOutcome SpreadsheetExportToFile(const SharedState& state, const std::vector<CategoryRecord>& chosen,
                                      FileSystem& targetFolder, const std::string& fileName,
                                      CategoryScope scope = CategoryScope::Chosen);
ExportOutcome summarycommafile(const SharedState& state, const std::vector<CategoryRecord>& chosen,
                               FileSystem& targetFolder, const std::string& fileName,
                               CategoryScope scope = CategoryScope::Chosen);

}  // namespace tessamo
