// The journal below every command: changes kept as the bytes they replaced,
// a damaged or foreign journal that never harms the data, and undo and redo
// that bring every file back byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <map>
#include <random>

#include "core/CategoryEditor.h"
#include "core/LedgerEntry.h"
#include "core/LineDeletion.h"
#include "core/Options.h"
#include "core/Settings.h"
#include "journal/FileChange.h"
#include "journal/History.h"
#include "journal/Recovery.h"
#include "journal/Transaction.h"
#include "support/TestEnv.h"
#include "tools/LedgerSorter.h"

namespace tessamo {
namespace {

using Files = std::map<std::string, std::string>;

Files DataFiles(const TempFolder& folder) {
    Files files;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        const std::string name = entry.path().filename().string();
        if (name != kJournalFileName && !name.ends_with(".$$$")) files[name] = folder.Read(name);
    }
    return files;
}

TEST(FileChange, TurnsAFileBothWaysAndKeepsOnlyWhatDiffers) {
    const std::string a = "AAAAxyzBBBB", b = "AAAAqBBBB";
    struct Case {
        const std::string* old;
        const std::string* fresh;
        std::size_t kept;  // bytes of before + after
    } cases[] = {{&a, &b, 4}, {&b, &a, 4}, {nullptr, &a, a.size()}, {&a, nullptr, a.size()}, {&a, &a, 0}};
    for (const Case& c : cases) {
        const FileChange change = ChangeBetween("x", c.old, c.fresh);
        EXPECT_EQ(change.before.size() + change.after.size(), c.kept);
        const FileImage old{c.old != nullptr, c.old ? *c.old : ""}, fresh{c.fresh != nullptr, c.fresh ? *c.fresh : ""};
        FileImage image = old;
        ASSERT_TRUE(TurnForward(change, image));
        EXPECT_EQ(image.exists, fresh.exists);
        EXPECT_EQ(image.bytes, fresh.bytes);
        ASSERT_TRUE(TurnBack(change, image));
        EXPECT_EQ(image.bytes, old.bytes);
    }
    FileImage elsewhere{true, "AAAAzzzBBBB"};
    EXPECT_EQ(SideOf(ChangeBetween("x", &a, &b), elsewhere), ChangeSide::Neither);
    // A file made empty since (showing a year makes its files) still takes the making of it again.
    FileImage madeEmpty{true, ""};
    ASSERT_TRUE(TurnForward(ChangeBetween("x", nullptr, &a), madeEmpty));
    EXPECT_EQ(madeEmpty.bytes, a);
}

TEST(FileChange, NamesTheYearOfEachYearFileOnly) {
    const std::pair<const char*, const char*> cases[] = {
        {"1999TSM.DAT", "1999"},    {"1999cats.dat", "1999"}, {"1999_tsm.nts", "1999"},
        {"1999BUDGET.DAT", "1999"}, {"PERSONAL.DAT", ""},     {"19x9TSM.DAT", ""},
        {"1999TSM.DAT.bak", ""},    {"schedules.txt", ""},
    };
    for (const auto& [name, year] : cases) EXPECT_EQ(YearOfFile(name), year) << name;
}

std::vector<LedgerRecord> ManyLines(std::size_t count) {
    std::vector<LedgerRecord> lines;
    for (std::size_t i = 0; i < count; ++i)
        lines.push_back(Line("03-" + std::string(i % 28 < 9 ? "0" : "") + std::to_string(28 - i % 28) + "-99", "FO",
                             Money(-1), "line " + std::to_string(i)));
    return lines;
}

TEST(Journal, AOneLineChangeInALargeLedgerCostsAFewHundredBytes) {
    TestEnv t({3, 15, 1999}, true);
    t.PutCategories({CategoryRecord::Make("FO", "Food")});
    t.PutLedger(ManyLines(20000));
    ASSERT_EQ(InsertRecord(t.state, Line("03-07-99", "FO", Money(-12.5), "groceries")), EntryOutcome::Written);
    EXPECT_LT(t.folder.Read(kJournalFileName).size(), 400u);
    ChangeHistory history;
    ASSERT_TRUE(ReadHistory(t.journal.journal(), history).ok());
    ASSERT_EQ(history.done.size(), 1u);
    EXPECT_EQ(history.done[0].description, "Add line 03-07-99 ($12.50) FO groceries");
    EXPECT_EQ(history.done[0].years, "1999");
}

// Three changes made, so the journal holds something to damage; the data
// files after each.
struct Journaled {
    TestEnv t{{3, 15, 1999}, true};
    std::vector<Files> states;
    Journaled() {
        t.PutCategories({CategoryRecord::Make("FO", "Food")});
        states.push_back(DataFiles(t.folder));
        for (const char* note : {"one", "two", "three"}) {
            EXPECT_EQ(InsertRecord(t.state, Line("03-07-99", "FO", Money(-1), note)), EntryOutcome::Written);
            states.push_back(DataFiles(t.folder));
        }
    }
    bool HoldsAState() const {
        return std::find(states.begin(), states.end(), DataFiles(t.folder)) != states.end();
    }
};

// A cut inside a transaction reads as a crash inside it: that change is taken
// back whole. Nothing else ever changes a data file.
TEST(Journal, DamageNeverTouchesTheDataAndIsToldOnce) {
    const std::string whole = Journaled().t.folder.Read(kJournalFileName);
    const std::function<std::string(std::string)> damages[] = {
        [](std::string j) { return j.substr(0, j.size() / 2); },
        [](std::string j) { return j.substr(0, j.size() - 3); },
        [](std::string j) { j[j.size() / 3] ^= 0x20; return j; },
        [](std::string j) { j[10] ^= 0x01; return j; },
        [](std::string j) { return j + "garbage after the end"; },
        [](std::string) { return std::string(300, '\x5a'); },
    };
    for (const auto& damage : damages) {
        Journaled j;
        j.t.folder.Write(kJournalFileName, damage(whole));
        JournaledFileSystem restarted(j.t.files, j.t.clock);
        (void)RecoverJournal(restarted);
        const Files recovered = DataFiles(j.t.folder);
        EXPECT_TRUE(recovered == j.states[3] || recovered == j.states[2]);
        EXPECT_EQ(RecoverJournal(restarted), "");  // said once
        // What undo still offers, it undoes exactly.
        (void)UndoChanges(restarted, 1);
        EXPECT_TRUE(j.HoldsAState());
    }
}

// A rewrite of unchanged bytes that fails takes the transaction's earlier
// files back before the routine sees the failure; a disk that stays failed
// makes that failure Unfinished, never a plain "left as it was".
TEST(Journal, AFailedRewriteOfUnchangedBytesEndsTheTransactionAtOnce) {
    for (bool once : {true, false}) {
        TestEnv t({3, 15, 1999}, true);
        t.folder.Write("A.DAT", "old a");
        t.folder.Write("B.DAT", "same b");
        Transaction tx(t.env.files, t.dialogs, "two files");
        ASSERT_TRUE(t.env.files.ReplaceWhole("A.DAT", "temp.$$$", "new a").ok());
        t.files.FailAt(FaultyFileSystem::Step::Rename, EIO, 0, once);
        const Status s = t.env.files.ReplaceWhole("B.DAT", "temp.$$$", "same b");
        ASSERT_FALSE(s.ok());
        EXPECT_TRUE(s.IsUnfinished() || t.folder.Read("A.DAT") == "old a");
        t.files.Heal();
        (void)RecoverJournal(t.journal);
        EXPECT_EQ(t.folder.Read("A.DAT"), "old a");
    }
}

TEST(Journal, AJournalOfAnotherFolderIsSetAside) {
    Journaled source, other;
    other.t.folder.Write(kJournalFileName, source.t.folder.Read(kJournalFileName) + "x");
    const Files before = DataFiles(other.t.folder);
    JournaledFileSystem restarted(other.t.files, other.t.clock);
    EXPECT_NE(RecoverJournal(restarted).find("another data folder"), std::string::npos);
    EXPECT_EQ(DataFiles(other.t.folder), before);
    EXPECT_EQ(UndoChanges(restarted, 1).outcome, TurnOutcome::NothingToTurn);
}

// Random commands of a seeded generator; undo all gives the start's bytes,
// redo all the end's, and an outside change stops undo there.
TEST(History, UndoAllAndRedoAllRestoreEveryByte) {
    for (unsigned seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        TestEnv t({3, 15, 1999}, true);
        t.PutCategories({CategoryRecord::Make("AU", "Auto"), CategoryRecord::Make("FO", "Food")});
        t.PutLedger(ManyLines(40));
        t.folder.Write(kSettingsFileName, SettingsRecord::NewFile("03-01-1999").Bytes());
        const Files start = DataFiles(t.folder);
        std::vector<Files> states{start};
        for (int step = 0; step < 12; ++step) {
            const auto lines = t.Ledger();
            const LedgerRecord& some = lines[random() % lines.size()];
            switch (random() % 6) {
                case 0: (void)InsertRecord(t.state, Line("02-0" + std::to_string(1 + random() % 9) + "-99", "AU", Money(-2), "x")); break;
                case 1:
                    t.dialogs.answers = {Answer::Yes};
                    (void)DeleteRec(t.state, RecordLineKey(some, t.env.money));
                    break;
                case 2:
                    t.state.OpenedRecord = some;
                    (void)ReplaceRecord(t.state, Line(some.Date, some.Code, Money(-99), "changed"));
                    break;
                case 3: (void)SortMainFile(t.state, nullptr, std::atomic<bool>(false)); break;
                case 4:
                    t.state.CurrentCategory = t.Categories().front().Code;
                    (void)ReplaceCategory(t.state, "C" + std::to_string(step % 10), "Renamed");
                    break;
                case 5:
                    t.dialogs.inputs = {"Pat " + std::to_string(step)};
                    (void)ChangeUserName(t.state);
                    break;
            }
            t.dialogs.answers.clear();
            if (DataFiles(t.folder) != states.back()) states.push_back(DataFiles(t.folder));
        }
        const std::size_t changes = states.size() - 1;
        ChangeHistory history;
        ASSERT_TRUE(ReadHistory(t.journal.journal(), history).ok());
        ASSERT_EQ(history.done.size(), changes);
        ASSERT_EQ(UndoChanges(t.journal, changes).outcome, TurnOutcome::Turned);
        EXPECT_EQ(DataFiles(t.folder), start);
        EXPECT_EQ(UndoChanges(t.journal, 1).outcome, TurnOutcome::NothingToTurn);
        ASSERT_EQ(RedoChanges(t.journal, changes).outcome, TurnOutcome::Turned);
        EXPECT_EQ(DataFiles(t.folder), states.back());

        // Undo back half-way, then change the ledger outside: older undos are refused, nothing written.
        const std::size_t half = changes / 2;
        ASSERT_EQ(UndoChanges(t.journal, half).outcome, TurnOutcome::Turned);
        EXPECT_EQ(DataFiles(t.folder), states[changes - half]);
        t.folder.Write(t.state.LedgerFileName, t.folder.Read(t.state.LedgerFileName) + std::string(58, 'z'));
        const Files outside = DataFiles(t.folder);
        const TurnResult refused = UndoChanges(t.journal, changes - half);
        bool touchesLedger = false;
        for (std::size_t i = 1; i <= changes - half; ++i)
            touchesLedger = touchesLedger || states[i].at(t.state.LedgerFileName) != states[i - 1].at(t.state.LedgerFileName);
        if (touchesLedger) {
            EXPECT_EQ(refused.outcome, TurnOutcome::Refused);
            EXPECT_NE(refused.message.find("changed outside"), std::string::npos);
            EXPECT_EQ(DataFiles(t.folder), outside);
        }
    }
}

}  // namespace
}  // namespace tessamo
