// The exports on disk: the target file, the append question, the messages,
// the summary's whole year, failures.
#include <gtest/gtest.h>

#include "export/ExportToFile.h"
#include "core/ReportCategoryList.h"
#include "support/TempFolder.h"
#include "support/TestEnv.h"

namespace tessamo {
namespace {

class ExportOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        t.PutLedger({Line("07-02-99", "FD", Money(-20), "July"), Line("05-01-99", "FD", Money(12.5), "May")});
        t.state.RepStartMonth = 4;
        t.state.RepEndMonth = 6;
    }
    ExportOutcome Export(ExportKind kind, ExistingExportFile existing = ExistingExportFile::Ask) {
        return ExportToFile(t.state, kind, chosen, target, "TSM_DATA.TXT", existing);
    }
    std::string Path() const { return targetFolder.path() + "/TSM_DATA.TXT"; }

    TestEnv t;
    const std::vector<CategoryRecord> chosen = {CategoryRecord::Make("FD", "Food")};
    TempFolder targetFolder;
    PosixFileSystem target{targetFolder.path()};
    const std::string mayLine = "\"05-01-1999\",\"FD\",\" 12.5 \",\"May" + std::string(37, ' ') + "\"\r\n";
};

TEST_F(ExportOnDisk, LineItemsGoToANewFileAndFinishedNamesIt) {
    EXPECT_EQ(Export(ExportKind::LineItems), ExportOutcome::Written);
    EXPECT_EQ(targetFolder.Read("TSM_DATA.TXT"), mayLine);
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    const Message& finished = t.dialogs.Last();
    EXPECT_EQ(finished.text,
              "Finished! Import the comma-delimited text file:\r\n" + Path() + "\r\ninto your spreadsheet program.");
    EXPECT_EQ(finished.title, "Tessamo 2.1");
    EXPECT_EQ(finished.icon, MessageIcon::None);
    EXPECT_EQ(finished.buttons, MessageButtons::Ok);
}

TEST_F(ExportOnDisk, TheSummaryCoversTheWholeYearWhateverTheRange) {
    EXPECT_EQ(Export(ExportKind::Summary), ExportOutcome::Written);
    EXPECT_EQ(targetFolder.Read("TSM_DATA.TXT"), "income\r\n\"FD\",\" 12.5 \"\r\nexpense\r\n\"FD\",\" 20 \"\r\n");
}

TEST_F(ExportOnDisk, AFileWithContentIsAppendedToOnlyAfterYes) {
    targetFolder.Write("TSM_DATA.TXT", "old\r\n");
    t.dialogs.answers = {Answer::No};
    EXPECT_EQ(Export(ExportKind::LineItems), ExportOutcome::Declined);
    EXPECT_EQ(targetFolder.Read("TSM_DATA.TXT"), "old\r\n");
    const Message& question = t.dialogs.Last();
    EXPECT_EQ(question.text, Path() + " already exists!\r\nDo you wish to append this data to it?");
    EXPECT_EQ(question.title, "Confirm");
    EXPECT_EQ(question.icon, MessageIcon::Question);
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(question.defaultButton, Answer::No);

    t.dialogs.answers = {Answer::Yes};
    EXPECT_EQ(Export(ExportKind::LineItems), ExportOutcome::Written);
    EXPECT_EQ(targetFolder.Read("TSM_DATA.TXT"), "old\r\n" + mayLine);

    const std::size_t asked = t.dialogs.messages.size();
    EXPECT_EQ(Export(ExportKind::LineItems, ExistingExportFile::Append), ExportOutcome::Written);
    EXPECT_EQ(targetFolder.Read("TSM_DATA.TXT"), "old\r\n" + mayLine + mayLine);
    EXPECT_EQ(t.dialogs.messages.size(), asked + 1);  // only "Finished!"
}

TEST_F(ExportOnDisk, AnEmptyFileIsUsedWithoutAQuestion) {
    targetFolder.Write("TSM_DATA.TXT", "");
    EXPECT_EQ(Export(ExportKind::LineItems), ExportOutcome::Written);
    EXPECT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(targetFolder.Read("TSM_DATA.TXT"), mayLine);
}

TEST_F(ExportOnDisk, NoMatchingLineStillCreatesTheFileAndFinishes) {
    t.state.RepStartMonth = t.state.RepEndMonth = 1;
    EXPECT_EQ(Export(ExportKind::LineItems), ExportOutcome::Written);
    EXPECT_TRUE(targetFolder.Exists("TSM_DATA.TXT"));
    EXPECT_EQ(targetFolder.Read("TSM_DATA.TXT"), "");
}

TEST_F(ExportOnDisk, AnUnusableNameIsRefusedAndNothingIsWritten) {
    for (const std::string name : {"", "   ", "sub/file.txt", ".."}) {
        EXPECT_EQ(ExportToFile(t.state, ExportKind::LineItems, chosen, target, name, ExistingExportFile::Append),
                  ExportOutcome::Refused);
        EXPECT_EQ(t.dialogs.Last().title, "Entry Aborted");
    }
    EXPECT_TRUE(target.List().empty());

    // The data folder's record files are never export targets.
    const std::string ledger = t.folder.Read("1999TSM.DAT");
    for (const std::string name : {"1999tsm.dat", "tempcats.$$$"})
        EXPECT_EQ(ExportToFile(t.state, ExportKind::LineItems, chosen, t.real, name, ExistingExportFile::Append),
                  ExportOutcome::Refused);
    EXPECT_EQ(t.folder.Read("1999TSM.DAT"), ledger);
    EXPECT_EQ(ExportToFile(t.state, ExportKind::LineItems, chosen, t.real, "TSM_DATA.TXT", ExistingExportFile::Ask),
              ExportOutcome::Written);
}

TEST_F(ExportOnDisk, AFailingTargetIsReportedWithItsNameAndLeftAsItWas) {
    FaultyFileSystem failing(target);
    failing.Fail(FaultyFileSystem::Op::Replace, "No space left on device");
    for (const bool existed : {false, true}) {
        if (existed) targetFolder.Write("TSM_DATA.TXT", "old\r\n");
        t.dialogs.messages.clear();
        EXPECT_EQ(ExportToFile(t.state, ExportKind::Summary, chosen, failing, "TSM_DATA.TXT", ExistingExportFile::Append),
                  ExportOutcome::Failed);
        ASSERT_EQ(t.dialogs.messages.size(), 1u);
        EXPECT_EQ(t.dialogs.Last().text, "The file TSM_DATA.TXT could not be used:\r\nNo space left on device\r\n" +
                                             std::string(existed ? "The export file was left as it was."
                                                                 : "The export file was not created."));
        EXPECT_EQ(targetFolder.Exists("TSM_DATA.TXT"), existed);
    }
    EXPECT_EQ(targetFolder.Read("TSM_DATA.TXT"), "old\r\n");
}

TEST(ExportTargetName, OneSeparatorEvenAtTheRoot) {
    EXPECT_EQ(ExportTargetName(PosixFileSystem("/"), "TSM_DATA.TXT"), "/TSM_DATA.TXT");
    EXPECT_EQ(ExportTargetName(PosixFileSystem("/tmp/"), "a.txt"), "/tmp/a.txt");
}

}  // namespace
}  // namespace tessamo
