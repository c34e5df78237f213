// restore NAME: shows what restoring an automatic backup changes, and
// restores it once the question is answered Yes.
#include <ostream>

#include "backups/Restore.h"
#include "backups/RestoreDifference.h"
#include "cli/AutoBackupRoot.h"
#include "cli/CommandArgs.h"

namespace tessamo {

std::string RestoreCommandHelp() {
    return "  restore NAME [--dry-run]\n"
           "      Shows what restoring the backup NAME (see backups) would change, per year:\n"
           "      lines that come back (+), lines that go (-), categories added and removed.\n"
           "      Then asks (--yes answers), backs today's files up and replaces them one by\n"
           "      one with those of the backup. --dry-run only shows the difference.\n";
}

int RunRestoreCommand(CliContext& context, const std::vector<std::string>& args) {
    CommandArgs parsed;
    std::string error;
    if (!ParseCommandArgs(args, {}, {"--dry-run"}, parsed, error)) return BadArguments(context, "restore: " + error);
    if (parsed.positional.size() != 1) return BadArguments(context, "restore wants the name of one backup");
    const std::string name = parsed.positional[0];
    if (int rc = context.OpenDataFolder(); rc != kExitOk) return rc;
    AutoBackupRoot root;
    if (int rc = root.Open(context); rc != kExitOk) return rc;
    Env& env = context.state().env;
    BackupEntry entry;
    std::vector<DataFile> backup, today;
    Status s = ReadBackup(*root.folder, name, entry, backup);
    if (s.ok()) s = ReadDataFiles(env.files, today);
    if (!s.ok()) {
        context.err << "tessamo-cli: " << s.ToString() << "\n";
        return kExitFailed;
    }
    context.out << RestoreDifferenceText(today, backup, env.money);
    if (parsed.Has("--dry-run")) return kExitOk;
    const RestoreResult result = RestoreBackup(env.files, *root.folder, name, env.clock, env.dialogs);
    if (result.outcome == RestoreOutcome::Declined) return kExitBadArguments;
    const Message end = RestoreEndMessage(result, name);
    (result.outcome == RestoreOutcome::Restored ? context.out : context.err)
        << (result.outcome == RestoreOutcome::Restored ? "" : "tessamo-cli: ") << ConsoleLines(end.text) << "\n";
    return result.outcome == RestoreOutcome::Restored ? kExitOk : kExitFailed;
}

}  // namespace tessamo
