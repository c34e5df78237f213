// play: not available yet.
#include "cli/Commands.h"

namespace tessamo {

std::string PlayCommandHelp() { return "  play\n      Not available yet.\n"; }

int RunPlayCommand(CliContext& context, const std::vector<std::string>&) {
    return BadArguments(context, "play is not available yet");
}

}  // namespace tessamo
