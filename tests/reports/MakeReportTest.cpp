// The report on disk: the category list file, the working files, failures.
#include <gtest/gtest.h>

#include "reports/MakeReport.h"
#include "core/ReportCategoryList.h"
#include "support/TestEnv.h"

namespace tessamo {
namespace {

const std::vector<CategoryRecord> kChosen = {CategoryRecord::Make("FD", "Food"), CategoryRecord::Make("SA", "Salary")};

TEST(ReportCategoryList, BlankFirstRecordThenTheChosenCategories) {
    TestEnv t;
    t.folder.Write("tempcats.$$$", std::string(90, 'x'));  // a leftover selection
    ASSERT_TRUE(MakeRepCatFile(t.files, kChosen).ok());
    EXPECT_EQ(t.folder.Read("tempcats.$$$"), std::string(18, '\0') + "FDFood            SASalary          ");

    ASSERT_TRUE(MakeRepCatFile(t.files, {}).ok());
    EXPECT_TRUE(t.folder.Exists("tempcats.$$$"));
    EXPECT_EQ(t.folder.Read("tempcats.$$$"), "");
}

class MakeReportOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        t.state.UserName = "Pat Smith";
        t.PutLedger({Line("05-02-99", "SA", Money(1500), "May pay"), Line("05-01-99", "FD", Money(-120), "Market"),
                     Line("04-30-99", "FD", 0, "Coupons")});
        ASSERT_TRUE(MakeRepCatFile(t.files, kChosen).ok());
    }
    TestEnv t;
};

TEST_F(MakeReportOnDisk, ReportsTheLedgerAndRemovesEveryWorkingFile) {
    // Leftovers of an interrupted run must not add lines.
    const std::string stray = EncodeRecords(std::vector<LedgerRecord>{Line("05-05-99", "SA", Money(999), "stray")});
    for (const char* name : {"ic_file.$$$", "ex_file.$$$", "todofile.$$$", "temp.$$$"}) t.folder.Write(name, stray);
    const std::string ledgerBefore = t.folder.Read("1999TSM.DAT");

    const Result<ReportText> r = MakeReport(t.state, "tempcats.$$$", 1, 12, "F");

    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.value().status.income, "(1 Items) Income = $1,500.00 ");
    EXPECT_EQ(r.value().status.expense, "(1 Items) Expense = ($120.00) ");
    EXPECT_EQ(r.value().status.balance, "Balance = $1,380.00 ");
    EXPECT_EQ(r.value().text.find("stray"), std::string::npos);
    EXPECT_NE(r.value().text.find("\r\n 04-30-99   FD  Coupons"), std::string::npos);
    EXPECT_EQ(r.value().text.substr(0, 70), "Cashflow Record for Pat Smith                      Printed: 03-15-1999");
    for (const std::string& name : ReportWorkingFiles()) EXPECT_FALSE(t.folder.Exists(name)) << name;
    EXPECT_EQ(t.folder.Read("1999TSM.DAT"), ledgerBefore);
    EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(MakeReportOnDisk, AnUnreadableFileEndsTheReportNamingTheFile) {
    t.files.Fail(FaultyFileSystem::Op::Read, "Permission denied");
    const Result<ReportText> r = MakeReport(t.state, "tempcats.$$$", 1, 12, "S");
    EXPECT_TRUE(r.status().IsAlreadyTold());
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_NE(t.dialogs.Last().text.find("tempcats.$$$"), std::string::npos);
    EXPECT_NE(t.dialogs.Last().text.find("Permission denied"), std::string::npos);
    for (const std::string& name : ReportWorkingFiles()) EXPECT_FALSE(t.folder.Exists(name)) << name;
}

TEST_F(MakeReportOnDisk, AWorkingFileThatCannotBeRemovedIsToldButTheReportStands) {
    t.files.Fail(FaultyFileSystem::Op::Remove, "Device or resource busy");
    const Result<ReportText> r = MakeReport(t.state, "tempcats.$$$", 1, 12, "S");
    EXPECT_TRUE(r.ok());
    EXPECT_NE(r.value().text.find("  END"), std::string::npos);
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_NE(t.dialogs.Last().text.find("tempcats.$$$"), std::string::npos);
}

// The report from the list in memory is the report from the file, and it
// writes nothing: a folder that refuses every write still reports.
TEST_F(MakeReportOnDisk, TheListInMemoryGivesTheSameReportWritingNothing) {
    const Result<ReportText> fromFile = MakeReport(t.state, "tempcats.$$$", 2, 11, "F");
    for (auto op : {FaultyFileSystem::Op::Write, FaultyFileSystem::Op::Replace, FaultyFileSystem::Op::Create,
                    FaultyFileSystem::Op::Remove, FaultyFileSystem::Op::Rename})
        t.files.Fail(op, "Read-only file system");
    const Result<ReportText> inMemory = MakeReport(t.state, kChosen, 2, 11, "F");
    ASSERT_TRUE(inMemory.ok());
    EXPECT_EQ(inMemory.value().text, fromFile.value().text);
    EXPECT_TRUE(t.dialogs.messages.empty());
}

}  // namespace
}  // namespace tessamo
