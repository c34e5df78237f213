// restore NAME | restore --from FOLDER: shows what restoring an automatic
// backup (or a folder of plain copies) changes, and restores it once the
// question is answered Yes.
#include <ostream>

#include "backups/FolderId.h"
#include "backups/Restore.h"
#include "backups/RestoreDifference.h"
#include "platform/LocalPaths.h"
#include "cli/AutoBackupRoot.h"
#include "cli/CommandArgs.h"

namespace tessamo {

std::string RestoreCommandHelp() {
    return "  restore NAME|--from FOLDER [--dry-run]\n"
           "      Shows what restoring the backup NAME (see backups) would change, per year:\n"
           "      lines that come back (+), lines that go (-), categories added and removed.\n"
           "      Then asks (--yes answers), backs today's files up into a safety copy kept\n"
           "      until removed (backups --remove), and puts the backup's files in place of\n"
           "      today's, all of them or none. Only a good backup of this data folder, every\n"
           "      checksum verified, is restored. --from restores the \"*.dat\", \"*.mcr\" and\n"
           "      \"*.nts\" files of a folder made by the Backup window the same way.\n"
           "      --dry-run only shows the difference.\n";
}

namespace {

// The files to restore: the backup's, checked, or the plain folder's.
Status ReadChosen(CliContext& context, const AutoBackupRoot& root, const std::string& name, bool plain,
                  std::vector<DataFile>& files) {
    if (plain) return ReadPlainFolder(name, files);
    std::string id;
    BackupEntry entry;
    Status s = ReadFolderId(context.state().env.files, id);
    if (s.ok()) s = ReadBackup(*root.folder, name, id, entry, files);
    return s;
}

}  // namespace

int RunRestoreCommand(CliContext& context, const std::vector<std::string>& args) {
    CommandArgs parsed;
    if (Status s = ParseCommandArgs(args, {"--from"}, {"--dry-run"}, parsed); !s.ok())
        return BadArguments(context, "restore", s);
    const auto from = parsed.Value("--from");
    if (parsed.positional.size() != (from ? 0u : 1u))
        return BadArguments(context, "restore wants the name of one backup, or --from and a folder");
    // A folder relative to where the user stands, not to the data folder entered below.
    const Result<std::string> chosen = from ? AbsolutePath(*from) : parsed.positional[0];
    if (!chosen.ok()) return BadArguments(context, "restore: " + chosen.status().ToString());
    const std::string& name = chosen.value();
    if (int rc = context.OpenDataFolder(); rc != kExitOk) return rc;
    AutoBackupRoot root;
    if (int rc = root.Open(context); rc != kExitOk) return rc;
    Env& env = context.state().env;
    std::vector<DataFile> backup, today;
    Status s = ReadChosen(context, root, name, from.has_value(), backup);
    if (s.ok()) s = ReadDataFiles(env.files, today);
    if (!s.ok()) {
        context.err << "tessamo-cli: " << ConsoleLines(s.ToString()) << "\n";
        return kExitFailed;
    }
    context.out << RestoreDifferenceText(today, backup, env.money);
    if (parsed.Has("--dry-run")) return kExitOk;
    const RestoreResult result = from ? RestoreFiles(env.files, *root.folder, backup, name, env.clock, env.dialogs)
                                      : RestoreBackup(env.files, *root.folder, name, env.clock, env.dialogs);
    if (result.outcome == RestoreOutcome::Declined) return kExitBadArguments;
    const Message end = RestoreEndMessage(result, name);
    (result.outcome == RestoreOutcome::Restored ? context.out : context.err)
        << (result.outcome == RestoreOutcome::Restored ? "" : "tessamo-cli: ") << ConsoleLines(end.text) << "\n";
    return result.outcome == RestoreOutcome::Restored ? kExitOk : kExitFailed;
}

}  // namespace tessamo
