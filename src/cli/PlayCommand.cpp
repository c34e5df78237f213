// play MACRO [--date DATE]: plays a macro file of the data folder, as the
// macro frame's Play button does.
#include <ostream>

#include "cli/CommandArgs.h"
#include "cli/Commands.h"
#include "cli/StopOnInterrupt.h"
#include "core/Dates.h"
#include "macros/MacroPlayback.h"

namespace tessamo {

std::string PlayCommandHelp() {
    return "  play MACRO [--date DATE]  (asks first: give --yes)\n"
           "      Enters every group of three data lines (code, amount, note) of the macro file\n"
           "      MACRO (a \"*.mcr\" file in the data folder) into the year's ledger under one\n"
           "      date: DATE in the folder's date style (mm-dd, or dd-mm for style E), default\n"
           "      today. An incomplete last group is not entered. Ctrl+C stops it before\n"
           "      anything is written and leaves the ledger as it was.\n";
}

int RunPlayCommand(CliContext& context, const std::vector<std::string>& args) {
    CommandArgs parsed;
    if (Status s = ParseCommandArgs(args, {"--date"}, {}, parsed); !s.ok())
        return BadArguments(context, "play", s);
    if (parsed.positional.size() != 1) return BadArguments(context, "play wants one macro file name");
    const std::string macro = parsed.positional[0];
    if (std::optional<std::string> problem = MacroArgumentProblem(macro))
        return BadArguments(context, "play: " + *problem);
    const std::optional<std::string> date = parsed.Value("--date");
    if (date && date->size() != 5) return BadArguments(context, "play: --date wants five characters such as 03-15");

    if (int rc = context.OpenDataFolder(); rc != kExitOk) return rc;
    SharedState& state = context.state();
    MacroPlayResult result;
    const std::atomic<bool>& stop = StopOnInterrupt();
    switch (PlayActiveMacro(state, macro, date.value_or(TodayInStyle(state.env.clock, state.DateStyle)), result,
                            nullptr, &stop)) {
        case MacroPlayOutcome::Played:
            break;
        case MacroPlayOutcome::Declined:
            return kExitFailed;
        default:
            return kExitBadArguments;
    }
    if (result.stopped) {
        context.err << "tessamo-cli: play stopped; " << state.LedgerFileName << " was left as it was.\n";
        return kExitFailed;
    }
    context.out << result.entered << (result.entered == 1 ? " entry" : " entries") << " entered into "
                << state.LedgerFileName << "\n";
    return result.failed || result.refused > 0 ? kExitFailed : kExitOk;
}

}  // namespace tessamo
