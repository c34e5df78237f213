// Backup: which files, refusal of the data folder as target, replacing and
// stopping.
#include <gtest/gtest.h>

#include <filesystem>

#include "tools/Backup.h"
#include "support/TestEnv.h"

namespace tessamo {
namespace {

class Backup : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"1999TSM.DAT", "1999cats.dat", "PERSONAL.DAT", "pay.MCR", "1999_tsm.nts",
                                 "TSM_DATA.TXT", "temp.$$$", "tsm21.hlp", "old.dat.bak"})
            t.folder.Write(name, std::string("content of ") + name);
    }
    BackupOutcome Run(const std::string& target) { return RunBackup(t.state, target, recordProgress, stop); }

    TestEnv t;
    TempFolder target;
    std::atomic<bool> stop{false};
    std::vector<std::string> copied;
    BackupProgress recordProgress = [this](const std::string& name, std::size_t, std::size_t) {
        copied.push_back(name);
    };
};

TEST_F(Backup, CopiesTheDataMacroAndNotesFilesReplacingSameNames) {
    target.Write("personal.dat", "older");
    target.Write("keep.txt", "untouched");
    EXPECT_EQ(Run(target.path()), BackupOutcome::Finished);
    EXPECT_EQ(copied, (std::vector<std::string>{"1999cats.dat", "1999TSM.DAT", "1999_tsm.nts", "pay.MCR",
                                                "PERSONAL.DAT"}));
    EXPECT_EQ(target.Read("1999TSM.DAT"), "content of 1999TSM.DAT");
    EXPECT_EQ(target.Read("pay.MCR"), "content of pay.MCR");
    EXPECT_EQ(target.Read("personal.dat"), "content of PERSONAL.DAT");
    EXPECT_FALSE(target.Exists("PERSONAL.DAT"));
    EXPECT_FALSE(target.Exists("TSM_DATA.TXT"));
    EXPECT_FALSE(target.Exists("temp.$$$"));
    EXPECT_FALSE(target.Exists(kBackupTempFileName));
    EXPECT_EQ(target.Read("keep.txt"), "untouched");
    EXPECT_EQ(t.dialogs.Last().text, "Finished");
    EXPECT_EQ(t.dialogs.Last().icon, MessageIcon::None);
}

TEST_F(Backup, RefusesTheDataFolderByNameOrIdentity) {
    std::filesystem::create_symlink(t.folder.path(), target.PathOf("link"));
    for (const std::string& same : {t.folder.path(), t.folder.path() + "/", " " + t.folder.path() + "/ ",
                                    t.folder.path() + "/.", target.PathOf("link")}) {
        EXPECT_EQ(Run(same), BackupOutcome::Refused) << same;
        EXPECT_EQ(t.dialogs.Last().text, "Chose a different target!");
        EXPECT_EQ(t.dialogs.Last().title, "Tessamo 2.1");
    }
    EXPECT_TRUE(copied.empty());
}

// On Linux a name differing only in letter case is another folder.
TEST_F(Backup, AFolderDifferingOnlyInCaseIsAnotherFolder) {
    const std::filesystem::path data(t.folder.path());
    std::string name = data.filename().string();
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const std::filesystem::path twin = data.parent_path() / name;
    if (twin == data) GTEST_SKIP() << "the data folder's name has no lower-case letter";
    std::filesystem::create_directory(twin);
    EXPECT_EQ(Run(twin.string()), BackupOutcome::Finished);
    EXPECT_TRUE(std::filesystem::exists(twin / "1999TSM.DAT"));
    std::filesystem::remove_all(twin);
}

TEST_F(Backup, StopsBeforeTheNextFileAndReportsFailures) {
    EXPECT_EQ(RunBackup(t.state, target.path(),
                        [this](const std::string& name, std::size_t number, std::size_t) {
                            copied.push_back(name);
                            stop = number == 2;
                        },
                        stop),
              BackupOutcome::Stopped);
    EXPECT_TRUE(target.Exists("1999cats.dat"));
    EXPECT_FALSE(target.Exists("1999TSM.DAT"));
    EXPECT_TRUE(t.dialogs.messages.empty());

    stop = false;
    EXPECT_EQ(Run(target.PathOf("missing")), BackupOutcome::Failed);
    EXPECT_EQ(t.dialogs.Last().title, "File Error");
}

TEST_F(Backup, AFailedCopyIsNamedAtTheEndAndTheRunGoesOn) {
    // A folder of the file's name in the target: the copy cannot replace it.
    std::filesystem::create_directory(target.PathOf("1999TSM.DAT"));
    EXPECT_EQ(Run(target.path()), BackupOutcome::Failed);
    EXPECT_EQ(copied.size(), 5u);
    EXPECT_EQ(target.Read("PERSONAL.DAT"), "content of PERSONAL.DAT");  // after the failed one
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.Last().icon, MessageIcon::Exclamation);
    EXPECT_EQ(t.dialogs.Last().text,
              "Finished: 4 of 5 files copied.\r\nNot copied:\r\n" + target.PathOf("1999TSM.DAT") + ": Is a directory");
}

}  // namespace
}  // namespace tessamo
