// export FILE [CATEGORY...] [--summary|--spreadsheet] [--from M] [--to M]
// [--append]: the comma-delimited export of the export window, or the
// report window's "Export for spreadsheets…".
#include <ostream>

#include "cli/CommandArgs.h"
#include "cli/Commands.h"
#include "cli/ReportArguments.h"
#include "export/ExportToFile.h"
#include "platform/LocalPaths.h"

namespace tessamo {
namespace {

int ExitCode(ExportOutcome outcome) {
    switch (outcome) {
        case ExportOutcome::Written:
            return kExitOk;
        case ExportOutcome::Refused:
            return kExitBadArguments;
        case ExportOutcome::Declined:
        case ExportOutcome::Failed:
            break;
    }
    return kExitFailed;
}

}  // namespace

std::string ExportCommandHelp() {
    return std::string(
               "  export FILE [CATEGORY...] [--summary|--spreadsheet] [--from MONTH] [--to MONTH] [--append]\n"
               "      Writes the line items of the chosen categories and months to the\n"
               "      comma-delimited text file FILE, or with --summary each category's income\n"
               "      and expense totals of the whole year. A FILE with content is appended to:\n"
               "      give --append (or --yes) to allow that; without either, the command asks\n"
               "      and stops with exit code 2. --spreadsheet writes the line items for a\n"
               "      spreadsheet instead (UTF-8, a header row Date,Amount,Code,Category,Note,\n"
               "      ISO dates, amounts with a point) and replaces a FILE with content after\n"
               "      a question (--yes agrees).\n") +
           kReportArgumentsHelp;
}

int RunExportCommand(CliContext& context, const std::vector<std::string>& args) {
    CommandArgs parsed;
    if (Status s = ParseCommandArgs(args, {"--from", "--to"}, {"--summary", "--append", "--spreadsheet"}, parsed); !s.ok())
        return BadArguments(context, "export", s);
    const bool spreadsheet = parsed.Has("--spreadsheet");
    if (spreadsheet && (parsed.Has("--summary") || parsed.Has("--append")))
        return BadArguments(context, "export: --spreadsheet writes a file of its own; it takes no --summary or --append");
    if (parsed.positional.empty()) return BadArguments(context, "export wants the name of the file to write");
    ReportArguments choice;
    const std::vector<std::string> categoryWords(parsed.positional.begin() + 1, parsed.positional.end());
    if (Status s = ReadReportArguments(parsed, categoryWords, choice); !s.ok())
        return BadArguments(context, "export", s);
    // Relative to where the user stands, not to the data folder entered below.
    const Result<std::string> made = AbsolutePath(parsed.positional[0]);
    const std::string absolute = made.ok() ? made.value() : std::string();
    const PathParts target = SplitPath(absolute);
    if (absolute.empty() || target.name.empty() || LocalFileKind(absolute) == FileKind::Directory)
        return BadArguments(context, "export: \"" + parsed.positional[0] + "\" is not a file name");
    if (LocalFileKind(target.folder) != FileKind::Directory)
        return BadArguments(context, "export: there is no folder " + target.folder);

    std::vector<CategoryRecord> chosen;
    if (int rc = ApplyReportArguments(context, choice, "export", chosen); rc != kExitOk) return rc;
    SharedState& state = context.state();
    const std::unique_ptr<FileSystem> targetFolder = state.env.files.OtherFolder(target.folder);
    const ExportKind kind = spreadsheet                ? ExportKind::Spreadsheet
                            : parsed.Has("--summary") ? ExportKind::Summary
                                                      : ExportKind::LineItems;
    return ExitCode(ExportToFile(state, kind,
                                 chosen, *targetFolder, target.name,
                                 parsed.Has("--append") ? ExistingExportFile::Append : ExistingExportFile::Ask,
                                 choice.Scope()));
}

}  // namespace tessamo
