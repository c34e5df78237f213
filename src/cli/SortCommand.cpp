// sort: puts the year's ledger back into date order, as the sorter window does.
#include <ostream>

#include "cli/Commands.h"
#include "cli/StopOnInterrupt.h"
#include "tools/LedgerSorter.h"

namespace tessamo {

std::string SortCommandHelp() {
    return "  sort\n"
           "      Puts the year's ledger into date order, newest first (lines of one day keep\n"
           "      their order). Ctrl+C stops it and leaves the ledger as it was.\n";
}

int RunSortCommand(CliContext& context, const std::vector<std::string>& args) {
    if (!args.empty()) return BadArguments(context, "sort takes no arguments");
    if (int rc = context.OpenDataFolder(); rc != kExitOk) return rc;
    SharedState& state = context.state();
    switch (SortMainFile(state, nullptr, StopOnInterrupt())) {
        case SortOutcome::Finished:
            context.out << state.LedgerFileName << " is sorted.\n";
            return kExitOk;
        case SortOutcome::Stopped:
            context.err << "tessamo-cli: sort stopped; " << state.LedgerFileName << " was left as it was.\n";
            return kExitFailed;
        case SortOutcome::Failed:
            break;
    }
    return kExitFailed;
}

}  // namespace tessamo
