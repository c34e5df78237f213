#pragma once
// Entering the ticked lines of a plan: each year file touched is rewritten
// once, atomically, with the lines inserted as the entry insertion inserts
// them (the ledger's order kept). The active year comes first, then the
// other years in order; a year without categories is set up as the year
// selector sets it up (asking whether to copy the active year's categories),
// and gets the plan's new categories its lines use before its lines.
// The FITIDs of the entered lines are recorded last, so a crash between the
// two leaves lines that the next import finds by their content.
#include <cstddef>
#include <string>

#include "core/SharedState.h"
#include "import/ImportPlan.h"

namespace tessamo {

struct ImportCounts {
    std::size_t entered = 0;  // ticked and written
    std::size_t skipped = 0;  // not ticked (duplicates, other years, no code)
    std::size_t refused = 0;  // bad lines, and lines of a year left without categories
};

enum class [[nodiscard]] ImportOutcome {
    Done,    // every year file that had lines holds them
    Failed,  // a file failure was shown; the files not yet written are unchanged
};

ImportOutcome ApplyImport(SharedState& state, const ImportPlan& plan, ImportedIds ids, ImportCounts& counts);

// "N entered, N skipped, N refused."
std::string ImportCountsText(const ImportCounts& counts);

}  // namespace tessamo
