// export: not available yet.
#include "cli/Commands.h"

namespace tessamo {

std::string ExportCommandHelp() { return "  export\n      Not available yet.\n"; }

int RunExportCommand(CliContext& context, const std::vector<std::string>&) {
    return BadArguments(context, "export is not available yet");
}

}  // namespace tessamo
