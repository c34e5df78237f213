// sort: not available yet.
#include "cli/Commands.h"

namespace tessamo {

std::string SortCommandHelp() { return "  sort\n      Not available yet.\n"; }

int RunSortCommand(CliContext& context, const std::vector<std::string>&) {
    return BadArguments(context, "sort is not available yet");
}

}  // namespace tessamo
