// history, undo [N], redo [N]: the journal's changes, newest first, and
// their undo and redo, as the window's Edit menu and History window do them.
#include <ostream>

#include "cli/CommandArgs.h"
#include "cli/Commands.h"
#include "cli/ConsoleDialogs.h"
#include "journal/History.h"
#include "journal/JournalSettings.h"
#include "platform/LocalPaths.h"
#include "platform/DataFolder.h"

namespace tessamo {

std::string HistoryCommandHelp() {
    return "  history\n"
           "      The changes that can be undone, newest first, one a line: number (1 = newest),\n"
           "      date and time, the year(s) changed and what was done, separated by tabs.\n"
           "  history --limit [CHANGES [MIB]]\n"
           "      Shows, or sets, how much history is kept: the last CHANGES changes or MIB\n"
           "      mebibytes, whichever is less (a setting of the user; default 1000 and 64).\n";
}

std::string UndoCommandHelp() {
    return "  undo [N]\n"
           "      Undoes the newest N changes (default 1) and says what it undid. Refused,\n"
           "      with nothing written, when a file was changed outside since.\n";
}

std::string RedoCommandHelp() {
    return "  redo [N]\n"
           "      Redoes the N changes undone last (default 1) and says what it redid.\n";
}

namespace {

bool ReadLimit(const std::string& text, std::uint64_t& value) {
    if (text.empty() || text.size() > 7 || text.find_first_not_of("0123456789") != std::string::npos) return false;
    value = std::stoull(text);
    return value > 0;
}

int RunHistoryLimit(CliContext& context, const std::vector<std::string>& args) {
    const std::unique_ptr<FileSystem> configFolder = LocalFolder(UserConfigFolder());
    FileSystem& config = *configFolder;
    JournalLimits limits = ReadJournalLimits(config);
    std::uint64_t megabytes = limits.bytes >> 20;
    if (args.size() > 3 || (args.size() > 1 && !ReadLimit(args[1], limits.changes)) ||
        (args.size() > 2 && !ReadLimit(args[2], megabytes)))
        return BadArguments(context, "history --limit takes a number of changes and a number of MiB, each from 1");
    limits.bytes = megabytes << 20;
    if (args.size() > 1)
        if (Status s = WriteJournalLimits(config, limits); !s.ok()) {
            context.err << "tessamo-cli: " << s.ToString() << "\n";
            return kExitFailed;
        }
    context.out << "changes = " << limits.changes << "\nmegabytes = " << megabytes << "\n";
    return kExitOk;
}

}  // namespace

int RunHistoryCommand(CliContext& context, const std::vector<std::string>& args) {
    if (!args.empty() && args[0] == "--limit") return RunHistoryLimit(context, args);
    if (!args.empty()) return BadArguments(context, "history takes no arguments but --limit");
    if (int rc = context.OpenDataFolder(); rc != kExitOk) return rc;
    ChangeHistory history;
    if (Status s = ReadHistory(context.journaled().journal(), history); !s.ok()) {
        context.err << "tessamo-cli: " << s.ToString() << "\n";
        return kExitFailed;
    }
    std::size_t number = 0;
    for (const HistoryEntry& entry : history.done)
        context.out << ++number << '\t' << entry.time << '\t' << entry.years << '\t' << entry.description << '\n';
    return kExitOk;
}

namespace {

int RunTurn(CliContext& context, const std::vector<std::string>& args, bool back) {
    const std::string command = back ? "undo" : "redo";
    if (args.size() > 1) return BadArguments(context, command + " takes at most a number of changes");
    std::size_t count = 1;
    if (!args.empty()) {
        const std::string& text = args[0];
        if (text.empty() || text.size() > 6 || text.find_first_not_of("0123456789") != std::string::npos ||
            std::stoul(text) == 0)
            return BadArguments(context, command + ": a number of changes is a whole number from 1");
        count = std::stoul(text);
    }
    if (int rc = context.OpenDataFolder(); rc != kExitOk) return rc;
    const TurnResult result = back ? UndoChanges(context.journaled(), count) : RedoChanges(context.journaled(), count);
    if (result.outcome != TurnOutcome::Turned) {
        context.err << "tessamo-cli: " << ConsoleLines(result.message) << "\n";
        return kExitFailed;
    }
    for (const HistoryEntry& entry : result.turned)
        context.out << (back ? "Undid " : "Redid ") << entry.description
                    << (entry.years.empty() ? "" : " (" + entry.years + ")") << "\n";
    return kExitOk;
}

}  // namespace

int RunUndoCommand(CliContext& context, const std::vector<std::string>& args) { return RunTurn(context, args, true); }
int RunRedoCommand(CliContext& context, const std::vector<std::string>& args) { return RunTurn(context, args, false); }

}  // namespace tessamo
