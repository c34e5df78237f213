// backup: not available yet.
#include "cli/Commands.h"

namespace tessamo {

std::string BackupCommandHelp() { return "  backup\n      Not available yet.\n"; }

int RunBackupCommand(CliContext& context, const std::vector<std::string>&) {
    return BadArguments(context, "backup is not available yet");
}

}  // namespace tessamo
