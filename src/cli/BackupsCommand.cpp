// backups: lists the automatic backups of the data folder.
#include <ostream>

#include "backups/BackupSummary.h"
#include "cli/AutoBackupRoot.h"
#include "cli/CommandArgs.h"

namespace tessamo {

std::string BackupsCommandHelp() {
    return "  backups\n"
           "      Lists the automatic backups, newest first, one a line with tabs between: the\n"
           "      name (for restore), the date, good or bad (and why), the number of files,\n"
           "      and per year the ledger's lines and totals.\n";
}

int RunBackupsCommand(CliContext& context, const std::vector<std::string>& args) {
    CommandArgs parsed;
    std::string error;
    if (!ParseCommandArgs(args, {}, {}, parsed, error)) return BadArguments(context, "backups: " + error);
    if (!parsed.positional.empty()) return BadArguments(context, "backups takes no arguments");
    if (int rc = context.OpenDataFolder(); rc != kExitOk) return rc;
    AutoBackupRoot root;
    if (int rc = root.Open(context); rc != kExitOk) return rc;
    const auto entries = ListBackups(*root.folder);
    if (entries.empty()) context.err << "No automatic backups in " << root.path << "\n";
    context.out << BackupListingText(entries, context.state().env.money);
    return kExitOk;
}

}  // namespace tessamo
