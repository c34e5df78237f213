#pragma once
// Beyond the system: "Find in all years…" (Ctrl+Shift+F) after the Search
// menu's entries of the main window (frmMainScreen_FindAllYears.cpp).
namespace tessamo {

class frmMainScreen;
struct SharedState;

void AddFindAllYears(frmMainScreen& window, SharedState& state);

}  // namespace tessamo
