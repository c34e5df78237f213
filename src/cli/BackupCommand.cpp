// backup TARGET: copies the data, macro and notes files to another folder, as
// the backup window does.
#include <filesystem>
#include <ostream>

#include "cli/CommandArgs.h"
#include "cli/Commands.h"
#include "cli/StopOnInterrupt.h"
#include "core/FixedText.h"
#include "tools/Backup.h"

namespace tessamo {

std::string BackupCommandHelp() {
    return "  backup TARGET\n"
           "      Copies every \"*.dat\", \"*.mcr\" and \"*.nts\" file of the data folder to the\n"
           "      folder TARGET, replacing files of the same name there. TARGET may not be the\n"
           "      data folder. Ctrl+C stops before the next file.\n";
}

int RunBackupCommand(CliContext& context, const std::vector<std::string>& args) {
    CommandArgs parsed;
    std::string error;
    if (!ParseCommandArgs(args, {}, {}, parsed, error)) return BadArguments(context, "backup: " + error);
    if (parsed.positional.size() != 1) return BadArguments(context, "backup wants one target folder");
    if (TrimBlanks(parsed.positional[0]).empty()) return BadArguments(context, "backup wants a target folder, not an empty name");
    // Relative to where the user stands, not to the data folder entered below.
    std::error_code ec;
    const std::string target = std::filesystem::absolute(parsed.positional[0], ec).string();
    if (ec) return BadArguments(context, "backup: " + parsed.positional[0] + ": " + ec.message());

    if (int rc = context.OpenDataFolder(); rc != kExitOk) return rc;
    const BackupProgress progress = [&](const std::string& name, std::size_t, std::size_t) {
        context.err << "Copying: " << ToConsole(name) << "\n";
    };
    switch (RunBackup(context.state(), target, progress, StopOnInterrupt())) {
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
