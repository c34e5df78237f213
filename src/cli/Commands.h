#pragma once
// The commands of tessamo-cli. Each command reads its own arguments (the
// words after the command name, global options already taken out), checks
// them all before it touches the data folder, then opens the folder through
// the context and does its work through the same logic routines as the
// windows.
//
// Exit codes: 0 done; 1 the work failed (a file failure, a refused entry, the
// folder in use), the reason on standard error; 2 bad arguments or a question
// that needed an answer, with nothing written.
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "core/LedgerBytes.h"
#include "core/SharedState.h"
#include "platform/Status.h"

namespace tessamo {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitBadArguments = 2;

class InstanceLock;
class JournaledFileSystem;
struct OpenFolder;

// What every command shares: the output streams, the global options and,
// once opened, the data folder with its lock and the run's SharedState.
class CliContext {
public:
    CliContext(std::ostream& out, std::ostream& err, bool assumeYes, std::string year);
    ~CliContext();
    CliContext(const CliContext&) = delete;
    CliContext& operator=(const CliContext&) = delete;

    std::ostream& out;  // results, UTF-8
    std::ostream& err;  // messages and status texts, UTF-8
    const bool assumeYes;    // --yes answers every question with Yes
    const std::string year;  // --year, or empty for the current year

    // Finds the data folder, takes its lock, makes it the working directory,
    // reads the settings (without creating them) and makes the year active.
    // Returns kExitOk, or an exit code after telling why on `err`.
    int OpenDataFolder();
    // The run's state; valid after OpenDataFolder() succeeded.
    SharedState& state();
    // The data folder with its journal; valid after OpenDataFolder() succeeded.
    JournaledFileSystem& journaled();
    // True when a question was answered No for want of --yes.
    bool QuestionDeclined() const;
    // Answers one question of the command's routine as an option of it says.
    void PresetAnswer(const std::string& question, Answer answer, const std::string& why);

private:
    std::unique_ptr<InstanceLock> lock_;  // released after open_ is gone
    std::unique_ptr<OpenFolder> open_;
};

// "tessamo-cli: <text>" on standard error; returns kExitBadArguments.
int BadArguments(CliContext& context, const std::string& text);
// "tessamo-cli: <command>: <reason>" for arguments `refusal` turned down.
int BadArguments(CliContext& context, const std::string& command, const Status& refusal);

// One line item as "list" and "add" print it: Date, Amount, Code and Note
// (as UTF-8) separated by tabs, ended by a line feed.
std::string ItemRowText(const LedgerRecord& record, const MoneyFormat& money);
void AppendItemRow(std::string& out, const LedgerBytesRecord& record, const MoneyFormat& money);

int RunListCommand(CliContext& context, const std::vector<std::string>& args);
int RunAddCommand(CliContext& context, const std::vector<std::string>& args);
int RunReportCommand(CliContext& context, const std::vector<std::string>& args);
int RunExportCommand(CliContext& context, const std::vector<std::string>& args);
int RunPlayCommand(CliContext& context, const std::vector<std::string>& args);
int RunSortCommand(CliContext& context, const std::vector<std::string>& args);
int RunBackupCommand(CliContext& context, const std::vector<std::string>& args);
int RunBackupsCommand(CliContext& context, const std::vector<std::string>& args);
int RunRestoreCommand(CliContext& context, const std::vector<std::string>& args);
int RunYearsCommand(CliContext& context, const std::vector<std::string>& args);
int RunImportCommand(CliContext& context, const std::vector<std::string>& args);
int RunCategoryCommand(CliContext& context, const std::vector<std::string>& args);
int RunHistoryCommand(CliContext& context, const std::vector<std::string>& args);
int RunUndoCommand(CliContext& context, const std::vector<std::string>& args);
int RunRedoCommand(CliContext& context, const std::vector<std::string>& args);
int RunBudgetCommand(CliContext& context, const std::vector<std::string>& args);
int RunScheduleCommand(CliContext& context, const std::vector<std::string>& args);
int RunDueCommand(CliContext& context, const std::vector<std::string>& args);
int RunFindCommand(CliContext& context, const std::vector<std::string>& args);

// Each command's entry in --help: a usage line and indented lines of
// description, each ended by a line feed.
std::string ListCommandHelp();
std::string AddCommandHelp();
std::string ReportCommandHelp();
std::string ExportCommandHelp();
std::string PlayCommandHelp();
std::string SortCommandHelp();
std::string BackupCommandHelp();
std::string BackupsCommandHelp();
std::string RestoreCommandHelp();
std::string YearsCommandHelp();
std::string ImportCommandHelp();
std::string CategoryCommandHelp();
std::string HistoryCommandHelp();
std::string UndoCommandHelp();
std::string RedoCommandHelp();
std::string BudgetCommandHelp();
std::string ScheduleCommandHelp();
std::string DueCommandHelp();
std::string FindCommandHelp();

}  // namespace tessamo
