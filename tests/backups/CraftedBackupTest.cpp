// Backups made or changed by someone else: every crafted one is reported by
// the listing and refused by the restore, and nothing is written anywhere.
#include <gtest/gtest.h>

#include <filesystem>

#include "backups/BackupFixture.h"
#include "backups/Restore.h"

namespace tessamo {
namespace {

constexpr const char* kMade = "1999-03-15_180000";

class CraftedBackup : public BackupFolderTest {
protected:
    void SetUp() override {
        t.folder.Write("1998_tsm.nts", "NOTES\r\n");  // as long as 1999_tsm.nts, to swap them
        ASSERT_EQ(Backup().outcome, AutoBackupOutcome::Made);
    }
    void EditManifest(const std::string& from, const std::string& to) const {
        std::string text = Copy(kMade, "MANIFEST.TXT");
        const auto at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        rootFolder.Write(std::string(kMade) + "/MANIFEST.TXT", text.replace(at, from.size(), to));
    }
    void Swap(const std::string& a, const std::string& b) const {
        const std::string bytesA = Copy(kMade, a);
        rootFolder.Write(std::string(kMade) + "/" + a, Copy(kMade, b));
        rootFolder.Write(std::string(kMade) + "/" + b, bytesA);
    }
};

std::vector<std::string> Listing(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(CraftedBackup, IsReportedByTheListingAndRefusedByTheRestore) {
    struct Case {
        const char* name;
        std::function<void()> craft;
        const char* problem;  // in the listing's state; "" for another folder's backup
    };
    const std::string notes = "bc21552d 7 - - - ";
    const Case cases[] = {
        {"a ../ name", [&] { EditManifest(notes + "1999_tsm.nts", notes + "../escape.nts"); },
         "names no file a backup holds"},
        {"an absolute name", [&] { EditManifest(notes + "1999_tsm.nts", notes + "/tmp/escape.nts"); },
         "names no file a backup holds"},
        {"an escape code", [&] { EditManifest(notes + "1999_tsm.nts", notes + "x\x1b[2J.nts"); },
         "names no file a backup holds"},
        {"a name twice", [&] { EditManifest("file c032", "file " + notes + "1999_TSM.NTS\nfile c032"); },
         "names a file twice"},
        {"a symlinked copy",
         [&] {
             rootFolder.Write("outside.nts", "notes\r\n");
             std::filesystem::remove(rootFolder.PathOf(std::string(kMade) + "/1999_tsm.nts"));
             std::filesystem::create_symlink(rootFolder.PathOf("outside.nts"),
                                             rootFolder.PathOf(std::string(kMade) + "/1999_tsm.nts"));
         },
         "not a plain file"},
        {"a file the folder lacks", [&] { EditManifest("file c032", "file " + notes + "1997_tsm.nts\nfile c032"); },
         "1997_tsm.nts is missing"},
        {"two copies swapped", [&] { Swap("1998_tsm.nts", "1999_tsm.nts"); },
         "1998_tsm.nts has changed since it was copied"},
        {"a flipped byte",
         [&] {
             std::string bytes = Copy(kMade, "1999TSM.DAT");
             bytes[30] ^= 0x20;
             rootFolder.Write(std::string(kMade) + "/1999TSM.DAT", bytes);
         },
         "1999TSM.DAT has changed since it was copied"},
        {"another folder's manifest", [&] { EditManifest(kFolderId, "fedcba9876543210fedcba9876543210"); }, ""},
    };
    const std::string parent = std::filesystem::path(t.folder.path()).parent_path().string();
    const std::vector<std::string> dataBefore = Listing(t.folder.path());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RequireOk(root->RemoveFolder(kMade));
        t.folder.Write("1999_tsm.nts", std::string("notes\r\n"));
        ASSERT_EQ(Backup().outcome, AutoBackupOutcome::Made);
        c.craft();
        const std::vector<std::string> rootBefore = Listing(rootFolder.path());

        const BackupEntry listed = ListBackups(*root, kFolderId, Verify::Checksums).at(0);
        if (*c.problem) {
            EXPECT_NE(listed.problem.find(c.problem), std::string::npos) << listed.problem;
        }
        EXPECT_EQ(listed.ours, *c.problem != 0);
        EXPECT_TRUE(!listed.good || !listed.ours);
        t.folder.Write("1999_tsm.nts", "today\r\n");
        const RestoreResult result = RestoreBackup(t.files, *root, kMade, t.clock, t.dialogs);
        EXPECT_EQ(result.outcome, RestoreOutcome::Refused);  // before the question
        EXPECT_EQ(t.folder.Read("1999_tsm.nts"), "today\r\n");
        EXPECT_EQ(Listing(t.folder.path()), dataBefore);
        EXPECT_EQ(Listing(rootFolder.path()), rootBefore);
        EXPECT_FALSE(std::filesystem::exists(parent + "/escape.nts"));
        EXPECT_FALSE(std::filesystem::exists("/tmp/escape.nts"));
    }
}

TEST_F(CraftedBackup, ABackupFolderOthersMayWriteIntoIsRefused) {
    std::filesystem::permissions(rootFolder.path(), std::filesystem::perms::group_write | std::filesystem::perms::others_write,
                                 std::filesystem::perm_options::add);
    t.folder.Write("1999_tsm.nts", "changed\r\n");
    const AutoBackupResult refused = Backup();
    EXPECT_EQ(refused.outcome, AutoBackupOutcome::Failed);
    EXPECT_NE(AutoBackupMessage(refused, rootFolder.path()).text.find("others may write into the folder"), std::string::npos);
}

}  // namespace
}  // namespace tessamo
