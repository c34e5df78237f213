// Every routine that writes a file, run against a file system that fails at
// open, write, fsync or rename with a full disk, a refused access or an I/O
// error: the user is told the file's name and the system's reason, and every
// file of the data folder (and of an export or backup target) keeps its bytes.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>

#include "core/CategoryEditor.h"
#include "core/CategoryFile.h"
#include "core/DateConversion.h"
#include "core/LedgerEntry.h"
#include "core/LineDeletion.h"
#include "core/LoadSettings.h"
#include "core/Options.h"
#include "core/Settings.h"
#include "core/YearSelection.h"
#include "export/ExportToFile.h"
#include "macros/MacroPlayback.h"
#include "support/TestEnv.h"
#include "tools/Backup.h"
#include "tools/LedgerSorter.h"

namespace tessamo {
namespace {

using Step = FaultyFileSystem::Step;

// An export or backup target folder, failing as the data folder does.
struct Target {
    TempFolder folder;
    PosixFileSystem real{folder.path()};
    FaultyFileSystem files{real};
};

struct Routine {
    const char* name;
    std::function<void(TestEnv&, Target&)> run;
    bool inPlace = false;  // a single-record write in place: an fsync failure comes after the bytes
};

void PrintTo(const Routine& r, std::ostream* os) { *os << r.name; }

using Files = std::map<std::string, std::string>;

Files FilesOf(const TempFolder& folder) {
    Files files;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        files[entry.path().filename().string()] = folder.Read(entry.path().filename().string());
    return files;
}

// The names of the files that are new, gone or changed.
std::vector<std::string> Changed(const Files& before, const Files& after) {
    std::vector<std::string> names;
    for (const auto& [name, bytes] : after)
        if (!before.count(name) || before.at(name) != bytes) names.push_back(name);
    for (const auto& [name, bytes] : before)
        if (!after.count(name)) names.push_back(name);
    return names;
}

void Prepare(TestEnv& t, Target& target) {
    t.PutCategories({CategoryRecord::Make("AU", "Auto"), CategoryRecord::Make("FO", "Food")});
    t.PutLedger({Line("01-05-99", "FO", Money(-4), "Milk"), Line("03-10-99", "AU", Money(-30), "Gas"),
                 Line("03-14-99", "FO", Money(12.5), "Refund")});
    SettingsRecord settings = SettingsRecord::NewFile("03-01-1999");
    settings.SetDateStyle("A");
    t.folder.Write(kSettingsFileName, settings.Bytes());
    t.folder.Write("RENT.MCR", "AU\r\n100\r\nrent\r\nFO\r\n20\r\nfood\r\n");
    t.folder.Write("1998CATS.DAT", EncodeRecords(std::vector{CategoryRecord::Make("OL", "Old")}));
    target.folder.Write("ledger.csv", "\"earlier\"\r\n");
    target.folder.Write("1999TSM.DAT", "older backup");
}

const std::atomic<bool> kNoStop{false};

const Routine kRoutines[] = {
    {"InsertRecord", [](TestEnv& t, Target&) { (void)InsertRecord(t.state, Line("02-01-99", "FO", Money(-1), "x")); }},
    {"ReplaceRecord",
     [](TestEnv& t, Target&) {
         t.state.OpenedRecord = t.Ledger()[1];
         (void)ReplaceRecord(t.state, Line("03-10-99", "AU", Money(-31), "Gas"));
     },
     true},
    {"DeleteRec",
     [](TestEnv& t, Target&) {
         t.dialogs.answers = {Answer::Yes};
         (void)DeleteRec(t.state, RecordLineKey(t.Ledger()[0], t.env.money));
     }},
    {"SaveNewCategory", [](TestEnv& t, Target&) { (void)SaveNewCategory(t.state, "BA", "Bank"); }},
    {"ReplaceCategory",
     [](TestEnv& t, Target&) {
         t.state.CurrentCategory = "FO";
         (void)ReplaceCategory(t.state, "FD", "Food");
     }},
    {"DeleteCategory",
     [](TestEnv& t, Target&) {
         t.dialogs.answers = {Answer::Yes, Answer::Yes, Answer::Yes};
         (void)DeleteCategory(t.state, "FO", "Food");
     }},
    {"RecodeLedgerRecords", [](TestEnv& t, Target&) { RecodeLedgerRecords(t.state, "FO", "FD"); }},
    {"ConvertLedgerDates",
     [](TestEnv& t, Target&) {
         t.dialogs.answers = {Answer::Yes};
         (void)ConvertLedgerDates(t.state);
     }},
    {"ChangeUserName",
     [](TestEnv& t, Target&) {
         t.dialogs.inputs = {"Pat"};
         ChangeUserName(t.state);
     },
     true},
    {"LoadSettings", [](TestEnv& t, Target&) { (void)LoadSettings(t.state); }, true},
    {"SelectYear",
     [](TestEnv& t, Target&) {
         t.dialogs.answers = {Answer::Yes};
         t.state.SetActiveYear("1998");
         (void)SelectYear(t.state, "2000");
     }},
    {"PlayMacroFile", [](TestEnv& t, Target&) { (void)PlayMacroFile(t.state, "RENT.MCR", "06-15-99"); }},
    {"SortMainFile", [](TestEnv& t, Target&) { (void)SortMainFile(t.state, nullptr, kNoStop); }},
    {"CopyDataFiles", [](TestEnv& t, Target& target) { (void)CopyDataFiles(t.state, target.files, nullptr, kNoStop); }},
    {"ExportToFile",
     [](TestEnv& t, Target& target) {
         (void)ExportToFile(t.state, ExportKind::LineItems, t.Categories(), target.files, "ledger.csv",
                      ExistingExportFile::Append);
     }},
};

class WritingRoutineFaults : public ::testing::TestWithParam<Routine> {};

TEST_P(WritingRoutineFaults, AreReportedWithNameAndReasonAndLeaveEveryFile) {
    for (Step step : {Step::Open, Step::Write, Step::Sync, Step::Rename}) {
        for (int error : {ENOSPC, EACCES, EIO}) {
            SCOPED_TRACE("step " + std::to_string(static_cast<int>(step)) + ", " + std::strerror(error));
            TestEnv t;
            Target target;
            Prepare(t, target);
            const auto data = FilesOf(t.folder), targetFiles = FilesOf(target.folder);
            t.files.FailAt(step, error);
            target.files.FailAt(step, error);
            GetParam().run(t, target);
            // A routine stopped by the fault leaves later answers unasked.
            t.dialogs.answers.clear();
            t.dialogs.inputs.clear();

            std::vector<std::string> failed = t.files.FailedFiles();
            failed.insert(failed.end(), target.files.FailedFiles().begin(), target.files.FailedFiles().end());
            if (failed.empty()) continue;  // the routine does not reach this step
            bool reported = false;
            for (const Message& m : t.dialogs.messages)
                reported = reported || (m.text.find(failed.front()) != std::string::npos &&
                                        m.text.find(std::strerror(error)) != std::string::npos);
            EXPECT_TRUE(reported) << "no message names " << failed.front() << " and the reason";
            if (GetParam().inPlace && step == Step::Sync) continue;
            EXPECT_EQ(Changed(data, FilesOf(t.folder)), std::vector<std::string>{});
            EXPECT_EQ(Changed(targetFiles, FilesOf(target.folder)), std::vector<std::string>{});
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryWriter, WritingRoutineFaults, ::testing::ValuesIn(kRoutines),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tessamo
