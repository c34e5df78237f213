#pragma once
// The welcome of a first start: on a data folder without "PERSONAL.DAT" the
// windowed program offers, once, the user's name for reports, the date style
// and a few starter categories. Each is stored by the routine the Options
// menu and the category editor use (StoreUserName, StoreDateStyle,
// SaveNewCategory), after the start-up wrote PERSONAL.DAT as it always does;
// skipping it leaves everything as a start without it would.
#include <string>
#include <vector>

#include "core/Records.h"
#include "core/SharedState.h"

namespace tessamo {

// What the welcome offers ticked or unticked, in this order.
const std::vector<CategoryRecord>& StarterCategories();
// The starter categories whose code the active year's category file does not
// hold yet (a folder brought over without PERSONAL.DAT keeps its own).
std::vector<CategoryRecord> StarterCategoriesToOffer(const SharedState& state);

struct WelcomeChoice {
    std::string userName;   // Windows-1252; empty keeps the stored name
    std::string dateStyle;  // "A" or "E"; another value keeps the stored style
    std::vector<CategoryRecord> categories;
};

// Stores the choice for the active year. A code the year already holds is
// asked about as the category editor asks; a failure to store the name or
// the style is shown and ends it (what was stored before stays). True when
// everything was stored.
bool ApplyWelcome(SharedState& state, const WelcomeChoice& choice);

}  // namespace tessamo
