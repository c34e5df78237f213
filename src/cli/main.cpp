// tessamo-cli: the cash-book's logic as commands over the same data folder
// and lock as the windowed program, for scripts and terminals.
#include <QCoreApplication>

#include <array>
#include <cctype>
#include <iostream>
#include <string>
#include <vector>

#include "cli/CommandArgs.h"
#include "cli/Commands.h"
#include "help/AboutText.h"

using namespace tessamo;

namespace {

struct Command {
    const char* name;
    int (*run)(CliContext&, const std::vector<std::string>&);
    std::string (*help)();
};

const std::array<Command, 19> kCommands = {{
    {"list", RunListCommand, ListCommandHelp},
    {"add", RunAddCommand, AddCommandHelp},
    {"report", RunReportCommand, ReportCommandHelp},
    {"export", RunExportCommand, ExportCommandHelp},
    {"play", RunPlayCommand, PlayCommandHelp},
    {"sort", RunSortCommand, SortCommandHelp},
    {"backup", RunBackupCommand, BackupCommandHelp},
    {"backups", RunBackupsCommand, BackupsCommandHelp},
    {"restore", RunRestoreCommand, RestoreCommandHelp},
    {"years", RunYearsCommand, YearsCommandHelp},
    {"import", RunImportCommand, ImportCommandHelp},
    {"category", RunCategoryCommand, CategoryCommandHelp},
    {"history", RunHistoryCommand, HistoryCommandHelp},
    {"undo", RunUndoCommand, UndoCommandHelp},
    {"redo", RunRedoCommand, RedoCommandHelp},
    {"budget", RunBudgetCommand, BudgetCommandHelp},
    {"schedule", RunScheduleCommand, ScheduleCommandHelp},
    {"due", RunDueCommand, DueCommandHelp},
    {"find", RunFindCommand, FindCommandHelp},
}};

void PrintHelp(std::ostream& out) {
    out << "Usage: tessamo-cli [--year YYYY] [--yes] COMMAND [ARGUMENTS]\n"
           "       tessamo-cli --help\n"
           "\n"
           "Works on the data folder of the windowed program: TESSAMO_HOME when set, else the\n"
           "program's folder when it holds PERSONAL.DAT, else ~/.local/share/tessamo. Only one\n"
           "program may use a folder at a time. TESSAMO_TODAY=mm-dd-yyyy sets today's date;\n"
           "TESSAMO_PASSCODE gives the passcode of a protected folder.\n"
           "\n"
           "Options:\n"
           "  --year YYYY  the year to work on (default: the current year)\n"
           "  --yes        answer Yes to every question; without it a question ends the\n"
           "               command with exit code 2 and nothing done\n"
           "  --help       show this text\n"
           "  --version    show the version\n"
           "\n"
           "Commands:\n";
    for (const Command& c : kCommands) out << c.help();
    out << "\n"
           "Exit codes: 0 done; 1 failed (the reason on standard error); 2 bad arguments or an\n"
           "unanswered question, nothing written.\n";
}

bool IsYear(const std::string& text) {
    if (text.size() != 4) return false;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

struct GlobalOptions {
    bool help = false;
    bool version = false;
    bool yes = false;
    std::string year;
    std::string command;
    std::vector<std::string> args;
};

// Takes the global options out wherever they stand; the first other word is
// the command, the rest its arguments.
Status ParseGlobal(int argc, char* argv[], GlobalOptions& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--help" || word == "-h") {
            options.help = true;
        } else if (word == "--version") {
            options.version = true;
        } else if (word == "--yes") {
            options.yes = true;
        } else if (word == "--year" || word.rfind("--year=", 0) == 0) {
            if (word == "--year" && i + 1 >= argc) return BadWord("option --year needs a value");
            options.year = word == "--year" ? argv[++i] : word.substr(7);
            if (!IsYear(options.year)) return BadWord("--year wants four digits, not \"" + options.year + "\"");
        } else if (options.command.empty()) {
            options.command = word;
        } else {
            options.args.push_back(word);
        }
    }
    return Status::Ok();
}

}  // namespace

int main(int argc, char* argv[]) {
    // Qt Core only reads the system's locale for the money format.
    QCoreApplication app(argc, argv);
    GlobalOptions options;
    if (Status s = ParseGlobal(argc, argv, options); !s.ok()) {
        std::cerr << "tessamo-cli: " << s.reason() << " (see --help)\n";
        return kExitBadArguments;
    }
    if (options.help) {
        PrintHelp(std::cout);
        return kExitOk;
    }
    if (options.version) {
        std::cout << VersionLine("tessamo-cli") << "\n";
        return kExitOk;
    }
    if (options.command.empty()) {
        std::cerr << "tessamo-cli: no command given (see --help)\n";
        return kExitBadArguments;
    }
    for (const Command& c : kCommands) {
        if (options.command != c.name) continue;
        CliContext context(std::cout, std::cerr, options.yes, options.year);
        const int rc = c.run(context, options.args);
        if (!context.QuestionDeclined()) return rc;
        std::cerr << "tessamo-cli: the question above was answered No, so nothing was done. "
                     "Run again with --yes to answer Yes.\n";
        return kExitBadArguments;
    }
    std::cerr << "tessamo-cli: unknown command \"" << options.command << "\" (see --help)\n";
    return kExitBadArguments;
}
