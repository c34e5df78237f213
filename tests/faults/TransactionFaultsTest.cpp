// The commands that change several files, through the journal, against a
// disk that fails at each writing operation in turn (at open, write, fsync or
// rename; full, refused or broken): once for a passing fault, and for good
// (the disk is gone, so the rollback fails as well). Every data file is then
// wholly old or, after the command succeeded, wholly new, together; a
// message that says the data was left as it was is true; and after a disk
// gone for good, the next start's recovery makes every file old again.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>

#include "backups/AutoBackup.h"
#include "backups/Restore.h"
#include "budgets/BudgetChange.h"
#include "core/CategoryEditor.h"
#include "due/DueEntries.h"
#include "due/ScheduleFile.h"
#include "import/ImportSession.h"
#include "journal/History.h"
#include "journal/Recovery.h"
#include "platform/FileErrors.h"
#include "support/TestEnv.h"

namespace tessamo {
namespace {

using Step = FaultyFileSystem::Step;
using Files = std::map<std::string, std::string>;

// The data files of a folder (the journal and working files aside).
Files DataFiles(const TempFolder& folder) {
    Files files;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file() && name != kJournalFileName && !name.ends_with(".$$$"))
            files[name] = folder.Read(name);
    }
    return files;
}

struct Scene {
    TestEnv t{{3, 15, 1999}, true};
    TempFolder outside;  // statements and backups
    PosixFileSystem outsideFiles{outside.path()};
};

void Prepare(Scene& s) {
    s.t.PutCategories({CategoryRecord::Make("AU", "Auto"), CategoryRecord::Make("FO", "Food")});
    s.t.PutLedger({Line("01-05-99", "FO", Money(-4), "Milk"), Line("03-10-99", "AU", Money(-30), "Gas"),
                   Line("03-14-99", "FO", Money(12.5), "Refund")});
    s.t.folder.Write("1998CATS.DAT", EncodeRecords(std::vector{CategoryRecord::Make("FO", "Food")}));
    s.t.folder.Write("1998TSM.DAT", EncodeRecords(std::vector{Line("12-01-98", "FO", Money(-2), "Bread")}));
    s.outside.Write("statement.csv", "Date,Payee,Amount\n12/30/1998,Baker,-3.25\n03/01/1999,Grocer,-7.50\n");
}

struct Command {
    const char* name;
    std::function<void(Scene&)> prepare;  // after Prepare(), before the fault
    std::function<void(Scene&)> run;
};

void PrintTo(const Command& c, std::ostream* os) { *os << c.name; }

constexpr const char* kFolderId = "0123456789abcdef0123456789abcdef\n";  // the same in every scene

// A backup made under the folder id, then the folder's id set to `idAfter`
// and two of its files changed, so that a restore has several to write.
void BackUpThenChange(Scene& s, const char* idAfter) {
    s.t.folder.Write("data-folder-id.txt", kFolderId);
    ASSERT_EQ(MakeAutomaticBackup(s.t.real, s.outsideFiles, s.t.clock).outcome, AutoBackupOutcome::Made);
    s.t.folder.Write("data-folder-id.txt", idAfter);
    s.t.PutLedger({Line("03-11-99", "AU", Money(-1), "Later")});
    s.t.PutCategories({CategoryRecord::Make("AU", "Auto")});
}

using RestoreRoutine = RestoreResult (*)(FileSystem&, FileSystem&, const std::string&, const Clock&, Dialogs&);

void RestoreTheBackup(Scene& s, RestoreRoutine restore) {
    s.t.dialogs.answers = {Answer::Yes};
    const auto backups = ListBackups(s.outsideFiles);
    if (backups.empty()) return;
    const RestoreResult result = restore(s.t.env.files, s.outsideFiles, backups.front().name, s.t.clock, s.t.dialogs);
    s.t.dialogs.Show(RestoreEndMessage(result, backups.front().name));
}

const Command kCommands[] = {
    {"ReplaceCategory", nullptr,
     [](Scene& s) {
         s.t.state.CurrentCategory = "FO";
         (void)ReplaceCategory(s.t.state, "FD", "Food");
     }},
    {"DeleteCategoryWithLines", nullptr,
     [](Scene& s) {
         s.t.dialogs.answers = {Answer::Yes, Answer::Yes, Answer::Yes};
         (void)DeleteCategory(s.t.state, "FO", "Food");
     }},
    {"ImportIntoTwoYears", nullptr,
     [](Scene& s) {
         ImportSession session(s.t.state);
         if (!session.Open(s.outside.PathOf("statement.csv"), std::nullopt, ImportChoices("FO", true)).ok()) return;
         ImportCounts counts;
         (void)session.Import(counts);
     }},
    {"RestoreOfSeveralFiles", [](Scene& s) { BackUpThenChange(s, kFolderId); },
     [](Scene& s) { RestoreTheBackup(s, RestoreBackup); }},
    // A backup made under another id: the folder's own id stays through the restore.
    {"RestoreOfAnotherFoldersBackup", [](Scene& s) { BackUpThenChange(s, "fedcba9876543210fedcba9876543210\n"); },
     [](Scene& s) { RestoreTheBackup(s, RestoreOtherFolderBackup); }},
    {"BudgetChange", nullptr,
     [](Scene& s) { (void)ReportIfFailed(s.t.dialogs, ChangeBudget(s.t.env.files, "1999", "FO", 3, Money(-80))); }},
    // Due in 1998 with 1999 active: the other year's ledger and the schedule file together.
    {"DueEntryIntoAnotherYear",
     [](Scene& s) {
         s.t.folder.Write("PAY.MCR", "'pay\r\nFO\r\n-100.00\r\ntax\r\nAU\r\n1250\r\nsalary\r\n");
         Schedule pay;
         pay.macro = "PAY.MCR";
         pay.from = {12, 1, 1998};
         RequireOk(WriteSchedules(s.t.files, {pay}));
     },
     [](Scene& s) {
         std::vector<Schedule> schedules;
         if (!ReadSchedules(s.t.env.files, schedules).ok()) return;
         (void)EnterDueEntry(s.t.state, schedules, {{12, 1, 1998}, "PAY.MCR"});
     }},
    {"UndoOfCategoryChange",
     [](Scene& s) {
         s.t.state.CurrentCategory = "FO";
         ASSERT_TRUE(ReplaceCategory(s.t.state, "FD", "Food").ok());
     },
     [](Scene& s) {
         const TurnResult undone = UndoChanges(s.t.journal, 1);
         if (!undone.message.empty()) s.t.dialogs.Show(Message{undone.message});
     }},
};

bool SaysLeftAsItWas(const ScriptedDialogs& dialogs) {
    for (const Message& m : dialogs.messages)
        if (m.text.find("left as it was") != std::string::npos || m.text.find("Nothing was restored") != std::string::npos)
            return true;
    return false;
}

bool NamesFailure(const ScriptedDialogs& dialogs, const std::string& file, int error) {
    for (const Message& m : dialogs.messages)
        if (m.text.find(file) != std::string::npos && m.text.find(std::strerror(error)) != std::string::npos) return true;
    return false;
}

class TransactionFaults : public ::testing::TestWithParam<Command> {};

TEST_P(TransactionFaults, LeaveEveryFileOldOrNewTogetherAndSayTheTruth) {
    // The files as the command leaves them when nothing fails.
    Files fresh;
    {
        Scene s;
        Prepare(s);
        if (GetParam().prepare) GetParam().prepare(s);
        GetParam().run(s);
        s.t.dialogs.answers.clear();
        fresh = DataFiles(s.t.folder);
    }
    for (Step step : {Step::Open, Step::Write, Step::Sync, Step::Rename}) {
        for (int error : {ENOSPC, EACCES, EIO}) {
            for (bool once : {true, false}) {
                for (int skip = 0;; ++skip) {
                    SCOPED_TRACE("step " + std::to_string(static_cast<int>(step)) + ", " + std::strerror(error) +
                                 (once ? ", once" : ", for good") + ", after " + std::to_string(skip) + " writes");
                    Scene s;
                    Prepare(s);
                    if (GetParam().prepare) GetParam().prepare(s);
                    const Files old = DataFiles(s.t.folder);
                    ASSERT_NE(old, fresh);
                    s.t.files.FailAt(step, error, skip, once);
                    GetParam().run(s);
                    s.t.dialogs.answers.clear();
                    s.t.dialogs.inputs.clear();
                    if (s.t.files.FailedFiles().empty()) {
                        EXPECT_EQ(DataFiles(s.t.folder), fresh);
                        break;  // the command got past every write
                    }
                    EXPECT_TRUE(NamesFailure(s.t.dialogs, s.t.files.FailedFiles().front(), error))
                        << "no message names " << s.t.files.FailedFiles().front() << " and the reason";
                    const Files now = DataFiles(s.t.folder);
                    if (once || SaysLeftAsItWas(s.t.dialogs)) {
                        EXPECT_EQ(now, old);
                    }
                    s.t.files.Heal();
                    (void)RecoverJournal(s.t.journal);
                    EXPECT_EQ(DataFiles(s.t.folder), old);
                    ASSERT_LT(skip, 40);
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(MultiFileCommands, TransactionFaults, ::testing::ValuesIn(kCommands),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tessamo
