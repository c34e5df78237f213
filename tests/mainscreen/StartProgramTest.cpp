// The built windowed program started on a prepared data folder: it runs its
// start-up, shows the window and (with --quit-after-show) ends cleanly.
#include <gtest/gtest.h>

#include "core/RecordFile.h"
#include "core/Records.h"
#include "support/RunProgram.h"
#include "support/TempFolder.h"

namespace tessamo {
namespace {

TEST(StartProgram, ShowsPreparedFolderAndRecordsTheStart) {
    TempFolder folder;
    const std::string ledger = EncodeRecords(std::vector<LedgerRecord>{
        LedgerRecord::Make("03-10-99", "FO", -125000, "bread"), LedgerRecord::Make("03-09-99", "HO", 0, "open")});
    folder.Write("1999TSM.DAT", ledger);
    folder.Write("1999cats.dat", EncodeRecords(std::vector<CategoryRecord>{CategoryRecord::Make("FO", "Food")}));
    folder.Write("PERSONAL.DAT", SettingsRecord::NewFile("01-02-1998").Bytes());

    const ProgramRun run = RunProgram(TESSAMO_GUI_PATH, folder.path(), {"--quit-after-show"}, "03-15-1999",
                                  {{"QT_QPA_PLATFORM", "offscreen"}});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(SettingsRecord::FromBytes(folder.Read("PERSONAL.DAT")).LastStartDate(), "03-15-1999");
    EXPECT_EQ(folder.Read("1999TSM.DAT"), ledger);  // viewing changes nothing
    EXPECT_FALSE(folder.Exists("1999CATS.DAT"));    // the lower-case category file answered
}

TEST(StartProgram, FirstStartCreatesTheFiles) {
    TempFolder folder;
    const ProgramRun run = RunProgram(TESSAMO_GUI_PATH, folder.path(), {"--quit-after-show"}, "07-04-2003",
                                  {{"QT_QPA_PLATFORM", "offscreen"}});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(folder.Read("PERSONAL.DAT"), SettingsRecord::NewFile("07-04-2003").Bytes());
    EXPECT_TRUE(folder.Exists("2003TSM.DAT"));
    EXPECT_TRUE(folder.Exists("2003CATS.DAT"));
}

}  // namespace
}  // namespace tessamo
