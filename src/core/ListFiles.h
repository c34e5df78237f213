#pragma once
// The files behind the main window's lists: the active year's ledger listed
// for one category (texts and totals by ItemListSummary), the year's
// categories, a category's description, and the active-year panel text.
// Opening a year file that does not exist yet creates it empty; a file
// failure is shown to the user and leaves the list empty.
#include <string>
#include <vector>

#include "core/ItemListSummary.h"
#include "core/Records.h"
#include "core/SharedState.h"
#include "platform/Status.h"

namespace tessamo {

// Each routine here returns AlreadyTold after a file failure was shown.

// Lists `category` of the active ledger (empty after a failure).
Status ReadItemList(const SharedState& state, const std::string& category, ItemListSummary& summary);

// The active year's categories in file order.
Status ReadCategoryList(const SharedState& state, std::vector<CategoryRecord>& categories);

// The category's Name (16 characters, trailing blanks kept) from the category
// file; `name` keeps its value when no record's Code equals `code` exactly.
Status getlabel(const SharedState& state, const std::string& code, std::string& name);

// "   Active Year = 1999  ".
std::string ActiveYearStatusText(const std::string& year);

}  // namespace tessamo
