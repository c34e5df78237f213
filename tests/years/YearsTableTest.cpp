// The years side by side over three years whose category files differ: the
// table as text and as CSV (expected files), a chosen code and year range,
// and a year that cannot be read.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/CliFixture.h"
#include "support/ExpectedFile.h"
#include "support/TestEnv.h"
#include "years/YearsTable.h"

namespace tessamo {
namespace {

// Fails reading one file; everything else goes to the real folder.
class OneUnreadableFile : public FaultyFileSystem {
public:
    OneUnreadableFile(FileSystem& real, std::string name) : FaultyFileSystem(real), name_(std::move(name)) {}
    Status ReadAll(const std::string& name, std::string& bytes) const override {
        if (name == name_) return Status::IOError(name, "Input/output error");
        return FaultyFileSystem::ReadAll(name, bytes);
    }

private:
    std::string name_;
};

void PutYear(const TempFolder& folder, const std::string& year,
             const std::vector<std::pair<std::string, std::string>>& categories, const std::vector<LedgerRecord>& ledger) {
    std::vector<CategoryRecord> records;
    for (const auto& [code, name] : categories) records.push_back(CategoryRecord::Make(code, name));
    folder.Write(year + "CATS.DAT", EncodeRecords(records));
    folder.Write(year + "TSM.DAT", EncodeRecords(ledger));
}

// 1997 lacks AU, 1999 lacks SA and calls FD "Groceries".
void PutThreeYears(const TempFolder& folder) {
    PutYear(folder, "1997", {{"FD", "Food"}, {"SA", "Salary"}},
            {Line("01-05-97", "SA", Money(1000)), Line("02-01-97", "FD", Money(-12.5)), Line("03-01-97", "AU", Money(-99))});
    PutYear(folder, "1998", {{"FD", "Food"}, {"SA", "Salary"}, {"AU", "Auto"}},
            {Line("01-05-98", "SA", Money(1200)), Line("02-01-98", "FD", Money(-20.25)),
             Line("02-09-98", "AU", Money(-300)), Line("03-01-98", "FD", 0)});
    PutYear(folder, "1999", {{"FD", "Groceries"}, {"AU", "Auto"}},
            {Line("01-05-99", "SA", Money(500)), Line("02-01-99", "FD", Money(-40)), Line("04-01-99", "AU", Money(-60))});
    folder.Write("notes.txt", "not a year");
}

class YearsTableTest : public ::testing::Test {
protected:
    void SetUp() override { PutThreeYears(t.folder); }
    TestEnv t;
};

TEST_F(YearsTableTest, EveryYearAndCodeAsTextAndCsv) {
    EXPECT_EQ(YearsInFolder(t.real), (std::vector<std::string>{"1997", "1998", "1999"}));
    const YearsTable table = BuildYearsTable(t.real, YearsChoice{});
    EXPECT_EQ(YearsTableText(table, MoneyFormat::Reference()), ExpectedFile("years/all.txt"));
    EXPECT_EQ(YearsTableCsv(table), ExpectedFile("years/all.csv"));
}

TEST_F(YearsTableTest, ChosenCodesWithinTheYearRange) {
    const YearsTable table = BuildYearsTable(t.real, YearsChoice{{"SA", "AU"}, 1998, 1999});
    EXPECT_EQ(YearsTableCsv(table), ExpectedFile("years/sa-au-1998-1999.csv"));
}

TEST_F(YearsTableTest, AnUnreadableYearIsListedAndLeftOutOfTheSums) {
    OneUnreadableFile files(t.real, "1998TSM.DAT");
    const YearsTable table = BuildYearsTable(files, YearsChoice{});
    ASSERT_EQ(table.years.size(), 3u);
    EXPECT_EQ(table.years[1].failure, "1998TSM.DAT: Input/output error");
    EXPECT_EQ(table.all.income, Money(1000));
    EXPECT_EQ(table.all.expense, Money(112.5));
    EXPECT_NE(YearsTableText(table, MoneyFormat::Reference()).find("\n1998  cannot be read: 1998TSM.DAT: Input/output error\n"),
              std::string::npos);
}

class CliYears : public CliFolderTest {
protected:
    void SetUp() override {
        CliFolderTest::SetUp();
        if (!IsSkipped()) PutThreeYears(t.folder);
    }
};

TEST_F(CliYears, PrintsTheTableOrTheCsvAndRefusesABadYear) {
    const CliRun text = Run({"years"});
    EXPECT_EQ(text.exitCode, 0) << text.err;
    EXPECT_EQ(text.out, ExpectedFile("years/all.txt"));
    const CliRun csv = Run({"years", "sa", "AU", "SA", "--from-year", "1998", "--to-year=1999", "--csv"});
    EXPECT_EQ(csv.exitCode, 0) << csv.err;
    EXPECT_EQ(csv.out, ExpectedFile("years/sa-au-1998-1999.csv"));
    const CliRun bad = Run({"years", "--from-year", "98"});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_EQ(bad.err, "tessamo-cli: years: --from-year wants a four-digit year, not \"98\"\n");
}

TEST_F(CliYears, ExitsOneWhenAYearIsLeftOut) {
    struct Case {
        const char* name;
        void (*plant)(const TempFolder& folder);
    };
    const Case cases[] = {
        {"a folder", [](const TempFolder& f) { std::filesystem::create_directory(f.PathOf("1990TSM.DAT")); }},
        {"a link loop", [](const TempFolder& f) { std::filesystem::create_symlink("1990TSM.DAT", f.PathOf("1990TSM.DAT")); }},
        {"a link to nothing", [](const TempFolder& f) { std::filesystem::create_symlink("gone", f.PathOf("1990TSM.DAT")); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.plant(t.folder);
        const CliRun run = Run({"years"});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.out.find("1990  cannot be read: "), std::string::npos) << run.out;
        std::filesystem::remove(t.folder.PathOf("1990TSM.DAT"));
    }
}

}  // namespace
}  // namespace tessamo
