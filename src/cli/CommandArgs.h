#pragma once
// CommandArgs: the words after a command name, split into options and
// positional words. An option is a word beginning with "--": a flag, or an
// option with a value given as "--name value" or "--name=value". "--" ends
// the options. Words such as "-100" are positional (amounts may be negative).
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/Records.h"
#include "platform/Status.h"

namespace tessamo {

struct CommandArgs {
    std::vector<std::string> positional;
    std::map<std::string, std::string> values;           // the last value of each option
    std::map<std::string, std::vector<std::string>> all;  // every value of each, in order
    std::set<std::string> flags;

    bool Has(const std::string& flag) const { return flags.count(flag) > 0; }
    std::optional<std::string> Value(const std::string& name) const;
    std::vector<std::string> Values(const std::string& name) const;
};

// InvalidArgument with a one-line reason for an unknown option or a missing value.
Status ParseCommandArgs(const std::vector<std::string>& words, const std::set<std::string>& valueOptions,
                        const std::set<std::string>& flagOptions, CommandArgs& parsed);

// A word of the command line refused: InvalidArgument with `reason`, no file.
inline Status BadWord(std::string reason) { return Status::InvalidArgument({}, std::move(reason)); }

// Reads a category argument: "all" in any case, or a code of one or two
// characters (UTF-8 as typed, held in Windows-1252 as the files hold it),
// padded to two. False when it is neither.
bool ReadCategoryArgument(const std::string& word, std::string& category);

// Why `macro` cannot name a macro file of the data folder: a folder in it, or
// not a "*.mcr" name (any letter case), as the window's file list offers them.
std::optional<std::string> MacroArgumentProblem(const std::string& macro);

// The records' Windows-1252 text as UTF-8 for the terminal, control
// characters shown as escapes ("\t", "\x1B"), so a row never splits.
std::string ToConsole(const std::string& cp1252);

}  // namespace tessamo
