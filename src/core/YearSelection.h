#pragma once
// Switching the active year. Each year has its own ledger file (year +
// "TSM.DAT") and category file (year + "cats.dat", the same file as year +
// "CATS.DAT" since names are matched without regard to case). A year whose
// category file is empty may take over the previous active year's categories.
#include <string>

#include "core/SharedState.h"

namespace tessamo {

// Lowest and highest year the selector offers.
inline constexpr int kFirstSelectableYear = 1900;
inline constexpr int kLastSelectableYear = 9999;

// Makes `year` (four digits) the active year: file names and CurYear. When
// its category file is empty or missing, the empty file is removed and the
// user is asked "No categories!" whether to copy the previous year's file;
// a copy without a usable source (missing, empty, or the same file) is
// refused with a message and the year starts without categories. The
// ledger file is not looked at: a year without one starts empty. The year is
// active afterwards whatever the outcome; a failure was shown to the user.
enum class [[nodiscard]] YearOutcome {
    Selected,           // its category file holds categories
    CategoriesCopied,   // the previous year's categories were copied over
    NoCategories,       // it starts without categories (declined or nothing to copy)
    Failed,             // a file failure was shown
};
YearOutcome SelectYear(SharedState& state, const std::string& year);

// The year whose files are active: the first four characters of LedgerFileName.
std::string ActiveYear(const SharedState& state);

// "  Active Year = " + year + "  ", the status panel text after a switch.
std::string ActiveYearPanelText(const std::string& year);

}  // namespace tessamo
