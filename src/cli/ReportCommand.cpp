// report: not available yet.
#include "cli/Commands.h"

namespace tessamo {

std::string ReportCommandHelp() { return "  report\n      Not available yet.\n"; }

int RunReportCommand(CliContext& context, const std::vector<std::string>&) {
    return BadArguments(context, "report is not available yet");
}

}  // namespace tessamo
