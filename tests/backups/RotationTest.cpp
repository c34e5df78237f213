// Rotation: which automatic backups stay, over a year of daily closes and
// around bad copies.
#include <gtest/gtest.h>

#include <sstream>

#include "backups/BackupFixture.h"
#include "backups/Rotation.h"
#include "support/ExpectedFile.h"

namespace tessamo {
namespace {

using Rotation = BackupFolderTest;

TEST_F(Rotation, AYearOfDailyClosesKeepsSevenDaysFiveWeeksAndTwelveMonths) {
    const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= days[month - 1]; ++day) {
            t.clock.Set({month, day, 1999}, {18, 30, 0});
            t.folder.Write("1999_tsm.nts", "closed on " + std::to_string(month) + "-" + std::to_string(day));
            const AutoBackupResult result = Backup();
            ASSERT_EQ(result.outcome, AutoBackupOutcome::Made) << AutoBackupMessage(result, "").text;
        }
    std::string kept;
    for (const BackupEntry& entry : ListBackups(*root)) kept += entry.name + "\n";
    EXPECT_EQ(kept, ExpectedFile("backups/rotation_year.txt"));
}

// Entries as "<name> good|bad", oldest first.
std::vector<BackupEntry> Entries(const std::string& text) {
    std::vector<BackupEntry> entries;
    std::istringstream in(text);
    for (std::string name, state; in >> name >> state;) {
        BackupEntry entry;
        EXPECT_TRUE(ParseBackupFolderName(name, entry.time)) << name;
        entry.name = name;
        entry.good = state == "good";
        entries.push_back(entry);
    }
    return entries;
}

TEST(RotationRule, ABadCopyNeverStandsInForAGoodOne) {
    struct Case {
        const char* entries;
        std::vector<std::string> removed;
    };
    const Case cases[] = {
        // Nothing good newer: nothing goes, the bad ones stay beside the good one.
        {"1999-01-10_180000 good 1999-01-11_180000 bad 1999-01-12_180000 bad", {}},
        {"1999-01-10_180000 bad 1999-01-11_180000 bad", {}},
        // A bad copy older than a good one is no copy worth keeping.
        {"1999-01-10_180000 bad 1999-01-11_180000 good", {"1999-01-10_180000"}},
        // The day keeps its newest good copy, not a newer bad one.
        {"1999-03-01_080000 good 1999-03-01_090000 good 1999-03-01_100000 bad", {"1999-03-01_080000"}},
        // Nine good days of March and the last of February: February's stays as the newest
        // of its week and month; March's two oldest are neither among the last seven days
        // nor the newest of their week (Monday to Sunday) or month.
        {"1999-02-28_180000 good 1999-03-01_180000 good 1999-03-02_180000 good 1999-03-03_180000 good "
         "1999-03-04_180000 good 1999-03-05_180000 good 1999-03-06_180000 good 1999-03-07_180000 good "
         "1999-03-08_180000 good 1999-03-09_180000 good",
         {"1999-03-01_180000", "1999-03-02_180000"}},
    };
    for (const Case& c : cases) EXPECT_EQ(FoldersToRemove(Entries(c.entries)), c.removed) << c.entries;
}

}  // namespace
}  // namespace tessamo
