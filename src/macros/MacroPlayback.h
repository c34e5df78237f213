#pragma once
// Macro playback and creation: what the macro frame's Play and New buttons do,
// without the frame. Playback stages the file's data lines in "tempmac.$$$"
// (80-byte MacroLine records, emptied first so that a leftover of an
// interrupted run adds nothing), enters each complete group of three through
// InsertRecord under one play date, and deletes the staging file at the end.
#include <atomic>
#include <cstddef>
#include <functional>
#include <string>

#include "core/SharedState.h"

namespace tessamo {

inline constexpr const char* kMacroStagingFileName = "tempmac.$$$";

struct [[nodiscard]] MacroPlayResult {
    int entered = 0;              // groups written to the ledger
    int refused = 0;              // groups refused (blank code, unreadable amount); the user was told
    std::size_t ignoredLines = 0; // data lines of an incomplete last group
    bool failed = false;          // a file failure or a binary file ended the run; the user was told
    bool stopped = false;         // the stop flag was seen before the write; the ledger is unchanged
};

// Plays `fileName` (a name in the data folder) under the 8-character
// `playDate`. Groups are checked in file order as InsertRecord checks them and
// the accepted ones are inserted in that order in one atomic rewrite; a last group of one or two lines is not entered and the user is told how
// many lines were ignored. A file holding a NUL byte is no text file and is
// refused. `stop` (Ctrl+C on the command line) is looked at once, just before
// the one write: when set, nothing is entered.
MacroPlayResult PlayMacroFile(SharedState& state, const std::string& fileName, const std::string& playDate,
                              const std::atomic<bool>* stop = nullptr);

enum class [[nodiscard]] MacroPlayOutcome {
    NothingToDo,  // no file name: "Please select a macro file" was shown
    Refused,      // the name cannot be a macro file's (MacroNameProblem); the user was told
    InvalidDate,  // "Invalid Date - ..." was shown; nothing written
    Declined,     // the user answered No to "Play macro file?"
    Played,       // the file was played (see the result for what was entered)
};

// The Play button: checks the name and the date typed in the five-character
// date box, asks "Play macro file?" and plays. `result` receives what the
// playback did when the outcome is Played. `starting`, when given, is called
// after the Yes and before the playback (the window shows the hourglass).
MacroPlayOutcome PlayActiveMacro(SharedState& state, const std::string& macroName, const std::string& typedDate,
                                 MacroPlayResult& result, const std::function<void()>& starting = nullptr,
                                 const std::atomic<bool>* stop = nullptr);

enum class [[nodiscard]] MacroNewOutcome {
    NothingToDo,  // no file name: "Please provide a file name with no extension." was shown
    Refused,      // the name cannot be a macro file's; the user was told, nothing written
    Failed,       // the file could not be written; the user was told
    Created,      // the template was written (appended to an existing file)
};

// The New button: appends the template to the upper-cased typed name +
// ".MCR". `editorFile` receives the file's name as it stands on disk, for
// the text editor.
MacroNewOutcome CreateMacroFile(SharedState& state, const std::string& typedName, std::string& editorFile);

enum class [[nodiscard]] MacroEditOutcome {
    NothingToDo,  // no file name: "Please select a macro file" was shown
    Refused,      // the name cannot be a macro file's; the user was told
    Open,         // `editorFile` names the file to open in the text editor
};

// The Edit button: the active macro's name as it stands on disk (the name as
// given when there is no such file yet), for the text editor.
MacroEditOutcome EditActiveMacro(SharedState& state, const std::string& macroName, std::string& editorFile);

}  // namespace tessamo
