// Backups over time: two households sharing one backup folder keep their
// own rotation; a safety copy made before a restore outlives a year of
// closes; a restore takes the import ids back with the ledger; and another
// folder's backup comes back only on purpose, without its id.
#include <gtest/gtest.h>

#include "backups/BackupFixture.h"
#include "backups/BackupRemoval.h"
#include "backups/BackupSummary.h"
#include "backups/FolderId.h"
#include "backups/Restore.h"
#include "import/ImportSession.h"

namespace tessamo {
namespace {

using SharedBackups = BackupFolderTest;

std::vector<std::string> Names(const std::vector<BackupEntry>& entries) {
    std::vector<std::string> names;
    for (const BackupEntry& e : entries) names.push_back(e.name);
    return names;
}

TEST_F(SharedBackups, TwoDataFoldersKeepEachTheirOwnRotationOverThirtyDays) {
    TestEnv other;
    other.folder.Write("1999_tsm.nts", "other notes");
    for (int day = 1; day <= 30; ++day) {
        for (TestEnv* env : {&t, &other}) {
            env->clock.Set({1, day, 1999}, {18, 30, 0});
            env->folder.Write("1999_tsm.nts", "day " + std::to_string(day));
            ASSERT_EQ(MakeAutomaticBackup(env->files, *root, env->clock).outcome, AutoBackupOutcome::Made) << day;
        }
    }
    std::string otherId;
    RequireOk(ReadFolderId(other.files, otherId));
    ASSERT_NE(otherId, kFolderId);
    // The last seven days, the newest of the five weeks (Monday to Sunday) and of the month.
    std::vector<std::string> ours, theirs;
    for (int day : {3, 10, 17, 24, 25, 26, 27, 28, 29, 30}) {
        ours.push_back("1999-01-" + std::string(day < 10 ? "0" : "") + std::to_string(day) + "_183000");
        theirs.push_back(ours.back().substr(0, 16) + "1");  // the same second taken: one later
    }
    const std::vector<BackupEntry> listed = ListBackups(*root, kFolderId);
    EXPECT_EQ(Names(OwnBackups(listed)), ours);
    EXPECT_EQ(Names(OthersBackups(listed)), theirs);
    EXPECT_EQ(Names(OwnBackups(ListBackups(*root, otherId))), theirs);
}

TEST_F(SharedBackups, ASafetyCopyOutlivesAYearOfClosesUntilRemoved) {
    ASSERT_EQ(Backup().outcome, AutoBackupOutcome::Made);
    t.folder.Write("1999_tsm.nts", "changed");
    t.clock.Set({3, 15, 1999}, {19, 0, 0});
    t.dialogs.answers = {Answer::Yes};
    const RestoreResult restored = RestoreBackup(t.files, *root, "1999-03-15_180000", t.clock, t.dialogs);
    ASSERT_EQ(restored.outcome, RestoreOutcome::Restored) << restored.failure.ToString();
    const std::string pinned = restored.before.name;
    CalendarDate date{3, 16, 1999};
    for (int day = 0; day < 365; ++day, date = NextSecond({date, {23, 59, 59}}).date) {
        t.clock.Set(date, {18, 0, 0});
        t.folder.Write("1999_tsm.nts", "day " + std::to_string(day));
        ASSERT_NE(Backup().outcome, AutoBackupOutcome::Failed);
    }
    const std::vector<BackupEntry> listed = ListBackups(*root, kFolderId);
    const auto kept = std::find_if(listed.begin(), listed.end(), [&](const auto& e) { return e.name == pinned; });
    ASSERT_NE(kept, listed.end());
    EXPECT_EQ(BackupStateText(*kept), "good, before restoring 1999-03-15_180000");
    EXPECT_FALSE(RemoveSafetyCopy(*root, listed.back().name, kFolderId).ok());  // not a safety copy
    RequireOk(RemoveSafetyCopy(*root, pinned, kFolderId));
    EXPECT_FALSE(root->Exists(pinned));
}

TEST_F(SharedBackups, ARestoreThenAReimportEntersTheRemovedLinesAgain) {
    TestEnv home({3, 20, 2026});
    home.PutCategories({CategoryRecord::Make("MI", "Misc")});
    home.PutLedger({Line("03-01-26", "MI", Money(-1), "before the statement")});
    const auto import = [&] {
        ImportSession session(home.state);
        RequireOk(session.Open(std::string(TESSAMO_TEST_DATA) + "/import/bank_102.ofx", std::nullopt, ImportChoices("MI", true)));
        ImportCounts counts;
        EXPECT_EQ(session.Import(counts), ImportOutcome::Done);
        return counts.entered;
    };
    ASSERT_EQ(MakeAutomaticBackup(home.files, *root, home.clock).outcome, AutoBackupOutcome::Made);
    const std::string before = home.folder.Read("2026TSM.DAT");
    ASSERT_EQ(import(), 4u);
    home.clock.Set({3, 20, 2026}, {12, 0, 0});
    home.dialogs.answers = {Answer::Yes};
    const auto backups = ListBackups(*root);
    ASSERT_EQ(RestoreBackup(home.files, *root, backups.front().name, home.clock, home.dialogs).outcome,
              RestoreOutcome::Restored);
    EXPECT_EQ(home.folder.Read("2026TSM.DAT"), before);
    EXPECT_EQ(import(), 4u);
}

TEST_F(SharedBackups, AnotherFoldersBackupIsRestoredOnlyOnPurposeAndLeavesOurIdAlone) {
    TestEnv other;
    other.folder.Write("1999_tsm.nts", "their notes");
    ASSERT_EQ(MakeAutomaticBackup(other.files, *root, other.clock).outcome, AutoBackupOutcome::Made);
    ASSERT_EQ(Backup().outcome, AutoBackupOutcome::Made);
    const std::vector<BackupEntry> listed = ListBackups(*root, kFolderId);
    const std::string theirs = OthersBackups(listed).at(0).name, ours = OwnBackups(listed).at(0).name;
    EXPECT_EQ(RestoreBackup(t.files, *root, theirs, t.clock, t.dialogs).outcome, RestoreOutcome::Refused);
    EXPECT_EQ(RestoreOtherFolderBackup(t.files, *root, ours, t.clock, t.dialogs).outcome, RestoreOutcome::Refused);
    EXPECT_TRUE(t.dialogs.messages.empty());

    t.clock.Set({3, 15, 1999}, {19, 0, 0});
    t.dialogs.answers = {Answer::Yes};
    const RestoreResult result = RestoreOtherFolderBackup(t.files, *root, theirs, t.clock, t.dialogs);
    ASSERT_EQ(result.outcome, RestoreOutcome::Restored) << result.failure.ToString();
    EXPECT_NE(t.dialogs.Last().text.find("was made from another data folder"), std::string::npos);
    EXPECT_EQ(t.folder.Read("1999_tsm.nts"), "their notes");
    EXPECT_EQ(t.folder.Read("data-folder-id.txt"), std::string(kFolderId) + "\n");
    EXPECT_EQ(OwnBackups(ListBackups(*root, kFolderId)).size(), 2u);  // ours and the safety copy
}

}  // namespace
}  // namespace tessamo
