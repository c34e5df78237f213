// backup TARGET: copies the data, macro and notes files to another folder, as
// the backup window does. backup --auto: an automatic, checked backup into
// the backup folder, as closing the main window makes one.
#include <ostream>

#include "cli/CommandArgs.h"
#include "cli/Commands.h"
#include "cli/AutoBackupRoot.h"
#include "cli/StopOnInterrupt.h"
#include "core/FixedText.h"
#include "platform/LocalPaths.h"
#include "tools/Backup.h"

namespace tessamo {

std::string BackupCommandHelp() {
    return "  backup TARGET\n"
           "      Copies every \"*.dat\", \"*.mcr\" and \"*.nts\" file of the data folder to the\n"
           "      folder TARGET, replacing files of the same name there. TARGET may not be the\n"
           "      data folder. Ctrl+C stops before the next file.\n"
           "  backup --auto\n"
           "      Makes an automatic backup when a data file changed since the last good one: a\n"
           "      dated folder in the backup folder, every copy read back and checked, older\n"
           "      backups rotated away (7 daily, 5 weekly, 12 monthly kept). Runs also when\n"
           "      automatic backups are switched off for closing the window.\n";
}

namespace {

int RunAutomaticBackup(CliContext& context) {
    if (int rc = context.OpenDataFolder(); rc != kExitOk) return rc;
    AutoBackupRoot root;
    if (int rc = root.Open(context); rc != kExitOk) return rc;
    const AutoBackupResult result = MakeAutomaticBackup(context.state().env.files, *root.folder, context.state().env.clock);
    for (const std::string& name : result.removed) context.err << "Removed the older backup " << name << "\n";
    if (result.outcome == AutoBackupOutcome::Unchanged)
        context.err << "No data file changed since the last good backup in " << root.path << "\n";
    if (result.outcome == AutoBackupOutcome::Made) context.out << root.path << "/" << result.name << "\n";
    if (!result.problems.empty())
        context.err << "tessamo-cli: " << ConsoleLines(AutoBackupMessage(result, root.path).text) << "\n";
    const bool done = result.outcome == AutoBackupOutcome::Made || result.outcome == AutoBackupOutcome::Unchanged;
    return done ? kExitOk : kExitFailed;
}

}  // namespace

int RunBackupCommand(CliContext& context, const std::vector<std::string>& args) {
    CommandArgs parsed;
    if (Status s = ParseCommandArgs(args, {}, {"--auto"}, parsed); !s.ok())
        return BadArguments(context, "backup", s);
    if (parsed.Has("--auto")) {
        if (!parsed.positional.empty()) return BadArguments(context, "backup --auto takes no target folder");
        return RunAutomaticBackup(context);
    }
    if (parsed.positional.size() != 1) return BadArguments(context, "backup wants one target folder");
    if (TrimBlanks(parsed.positional[0]).empty()) return BadArguments(context, "backup wants a target folder, not an empty name");
    // Relative to where the user stands, not to the data folder entered below.
    const Result<std::string> target = AbsolutePath(parsed.positional[0]);
    if (!target.ok()) return BadArguments(context, "backup: " + target.status().ToString());

    if (int rc = context.OpenDataFolder(); rc != kExitOk) return rc;
    const BackupProgress progress = [&](const std::string& name, std::size_t, std::size_t) {
        context.err << "Copying: " << ToConsole(name) << "\n";
    };
    switch (RunBackup(context.state(), target.value(), progress, StopOnInterrupt())) {
        case BackupOutcome::Finished:
            return kExitOk;
        case BackupOutcome::Refused:
            return kExitBadArguments;
        case BackupOutcome::Stopped:
            context.err << "tessamo-cli: backup stopped before the next file.\n";
            return kExitFailed;
        case BackupOutcome::Failed:
            break;
    }
    return kExitFailed;
}

}  // namespace tessamo
