// Due entries against a real temporary data folder: entering, skipping, the
// schedule file, and what a failure or a crash leaves.
#include <gtest/gtest.h>

#include "due/DueEntries.h"
#include "due/ScheduleFile.h"
#include "support/ExpectedFile.h"
#include "support/TestEnv.h"

namespace tessamo {
namespace {

CalendarDate D(const std::string& iso) { return *ParseIsoDate(iso); }

class DueEntries : public ::testing::Test {
protected:
    DueEntries() : t({12, 20, 2025}) {}
    void SetUp() override {
        t.folder.Write("PAY.MCR", "'pay\r\nft\r\n-100.00\r\ntax\r\nss\r\n1250\r\nsalary\r\n");
        Schedule s;
        s.macro = "PAY.MCR";
        s.day = 31;
        s.from = D("2025-11-01");
        schedules.push_back(s);
        RequireOk(WriteSchedules(t.files, schedules));
    }
    std::vector<Schedule> Reread() const {
        std::vector<Schedule> read;
        RequireOk(ReadSchedules(t.files, read));
        return read;
    }
    TestEnv t;
    std::vector<Schedule> schedules;
};

TEST_F(DueEntries, EachDueDateIsEnteredOnceIntoItsOwnYear) {
    const std::vector<DueEntry> due = DueEntriesThrough(schedules, D("2026-01-31"));
    ASSERT_EQ(due.size(), 3u);
    for (const DueEntry& entry : due) {
        const DueResult r = EnterDueEntry(t.state, schedules, entry);
        EXPECT_EQ(r.outcome, DueOutcome::Entered);
        EXPECT_EQ(r.lines, 2);
    }
    EXPECT_EQ(EnterDueEntry(t.state, schedules, due[0]).outcome, DueOutcome::Skipped);
    EXPECT_TRUE(DueEntriesThrough(Reread(), D("2026-01-31")).empty());
    EXPECT_EQ(t.Ledger().size(), 4u);
    EXPECT_EQ(t.Ledger()[0].Date, "12-31-25");
    // The next year's ledger and category files were made for the January date.
    EXPECT_EQ(t.folder.Read("2026TSM.DAT").size(), 2 * LedgerRecord::kSize);
    EXPECT_TRUE(t.folder.Exists("2026CATS.DAT"));
    EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(DueEntries, AMacroThatCannotBeEnteredStaysDueAndWritesNothing) {
    for (const char* text : {"ft\n-100\ntax\nss\n", "  \n-100\ntax\n", "ft\n1e400\ntax\n"}) {
        t.folder.Write("PAY.MCR", text);
        const DueResult r = EnterDueEntry(t.state, schedules, {D("2025-11-30"), "PAY.MCR"});
        EXPECT_EQ(r.outcome, DueOutcome::MacroProblem) << text;
        EXPECT_EQ(r.problem.rfind("PAY.MCR: ", 0), 0u) << r.problem;
    }
    RequireOk(t.real.Remove("PAY.MCR"));
    EXPECT_EQ(EnterDueEntry(t.state, schedules, {D("2025-11-30"), "PAY.MCR"}).problem,
              "PAY.MCR: the macro file is missing");
    EXPECT_FALSE(t.folder.Exists("1999TSM.DAT") || t.folder.Exists("2025TSM.DAT"));
    EXPECT_EQ(DueEntriesThrough(Reread(), D("2025-11-30")).size(), 1u);
}

// A schedule file that cannot be written enters nothing; a ledger that cannot
// be written leaves the date due again.
TEST_F(DueEntries, AFailedWriteLeavesTheEntryDueAndTheLedgerAsItWas) {
    t.files.Fail(FaultyFileSystem::Op::Replace);
    EXPECT_EQ(EnterDueEntry(t.state, schedules, {D("2025-11-30"), "PAY.MCR"}).outcome, DueOutcome::Failed);
    EXPECT_EQ(SkipDueEntry(t.state, schedules, {D("2025-11-30"), "PAY.MCR"}).outcome, DueOutcome::Failed);
    t.files.Heal();
    EXPECT_FALSE(t.folder.Exists("2025TSM.DAT"));
    EXPECT_EQ(DueEntriesThrough(schedules, D("2025-11-30")).size(), 1u);
    EXPECT_EQ(t.dialogs.messages.size(), 2u);
}

// What a run that stopped between the writes left behind: the ledger tells
// whether the entry landed; when it cannot, the date is done and the user told.
TEST_F(DueEntries, APendingMarkIsSettledByWhatTheLedgerHolds) {
    const DueEntry entry{D("2025-11-30"), "PAY.MCR"};
    t.state.SetActiveYear("2025");
    const std::pair<std::vector<LedgerRecord>, const char*> cases[] = {
        {{}, "due again"},
        {{Line("11-30-25", "FT", 1), Line("11-30-25", "SS", 1)}, "entered"},
        {{Line("11-30-25", "FT", 1)}, "unclear"},
    };
    for (const auto& [landed, outcome] : cases) {
        t.PutLedger({Line("01-01-25", "FO", 1)});
        PendingDueEntry pending;
        RequireOk(MakePendingEntry(t.files, "PAY.MCR", entry.date, "2025TSM.DAT", 2, pending));
        RequireOk(WritePendingEntry(t.files, pending));
        std::vector<LedgerRecord> ledger = landed;
        ledger.push_back(Line("01-01-25", "FO", 1));
        t.PutLedger(ledger);
        std::vector<Schedule> listed = schedules, settled = schedules;
        std::string notice;
        RequireOk(SettlePendingEntry(t.files, listed, false, notice));
        EXPECT_TRUE(t.folder.Exists(kDuePendingFileName));
        RequireOk(SettlePendingEntry(t.files, settled, true, notice));
        EXPECT_FALSE(t.folder.Exists(kDuePendingFileName));
        const bool due = std::string(outcome) == "due again";
        EXPECT_EQ(DueEntriesThrough(listed, entry.date).size(), due ? 1u : 0u) << outcome;
        EXPECT_EQ(DueEntriesThrough(Reread(), entry.date).size(), due ? 1u : 0u) << outcome;
        EXPECT_EQ(notice.empty(), std::string(outcome) != "unclear") << outcome;
        schedules = Reread();
        schedules[0].doneThrough.reset();
        RequireOk(WriteSchedules(t.files, schedules));
        notice.clear();
    }
}

TEST(ScheduleFile, WritesItsFormatAndRefusesWhatItCannotRead) {
    std::vector<Schedule> schedules(2);
    schedules[0].macro = "PAY.MCR";
    schedules[0].kind = ScheduleKind::EveryMonths;
    schedules[0].months = 3;
    schedules[0].day = 31;
    schedules[0].from = D("2025-11-15");
    schedules[0].until = D("2027-01-01");
    schedules[0].doneThrough = D("2026-02-28");
    schedules[0].doneDates = {DayNumber(D("2026-08-31")), DayNumber(D("2026-11-30"))};
    schedules[1].macro = "rent.mcr";
    schedules[1].kind = ScheduleKind::Weekly;
    schedules[1].weekday = 7;
    schedules[1].from = D("2026-01-01");
    const std::string text = ScheduleFileText(schedules);
    EXPECT_EQ(text, ExpectedFile("due/schedules.txt"));
    const Result<std::vector<Schedule>> read = ParseScheduleFile(text);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(ScheduleFileText(read.value()), text);

    const std::string bad[] = {"PAY.MCR\tmonthly 32\t2026-01-01\t-\t-\t-",
                               "PAY.MCR\tmonthly 1\t2026-02-30\t-\t-\t-",
                               "PAY.MCR\tmonthly 1\t2026-01-01\t-\t-",
                               "PAY.MCR\tyearly 02-30\t2026-01-01\t-\t-\t-",
                               "PAY.MCR\tmonthly 1\t2026-01-01\t-\t-\t-\npay.mcr\tmonthly 2\t2026-01-01\t-\t-\t-"};
    Status why;
    for (const std::string& line : bad) {
        why = ParseScheduleFile("# c\n" + line + "\n").status();
        EXPECT_FALSE(why.ok()) << line;
    }
    EXPECT_EQ(why.reason(), "line 3: a second schedule of pay.mcr");
}

}  // namespace
}  // namespace tessamo
