#pragma once
// The category editor's commands on the active year's category file: add a
// category, change the selected one (moving its ledger lines to the new code),
// delete one (and, when the user confirms twice, its ledger lines).
//
// Code and name arrive as typed (Windows-1252 bytes, untrimmed); each command
// checks them, asks what it must through the Dialogs, and changes the files.
// The caller hides the editor before calling and rebuilds the lists after.
// A command returns Ok when it changed a file, Declined when the user said
// No, and AlreadyTold when it stopped on a check or a file failure (which the
// user has been shown).
#include <string>

#include "core/SharedState.h"
#include "platform/Dialogs.h"
#include "platform/Status.h"

namespace tessamo {

// The five-line warning for a code that is taken: `code` is the typed code,
// trimmed and upper case; `currentCategory` the category it would mix with.
Message CategoryExistsWarning(const std::string& code, const std::string& currentCategory);

// Both fields must hold more than blanks; tells the user which one does not.
Status CheckTypedCategory(Dialogs& dialogs, const std::string& typedCode, const std::string& typedName);

// "Save": appends the new category and sorts the file by code.
Status SaveNewCategory(SharedState& state, const std::string& typedCode, const std::string& typedName);

// "Replace": rewrites the first record whose code is state.CurrentCategory,
// recodes that category's ledger lines, sorts the file and makes the new code
// the current category.
Status ReplaceCategory(SharedState& state, const std::string& typedCode, const std::string& typedName);

// "Delete": asks, removes the first record whose code equals `typedCode`
// exactly, then offers to remove that code's ledger lines.
Status DeleteCategory(SharedState& state, const std::string& typedCode, const std::string& typedName);

}  // namespace tessamo
