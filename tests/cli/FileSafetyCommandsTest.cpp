// End to end: what the writing commands do with links, read-only files and
// modes in and around the data folder.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fcntl.h>

#include <thread>

#include "cli/CliFixture.h"

namespace tessamo {
namespace {

mode_t ModeOf(const std::string& path) {
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0 ? st.st_mode : 0;
}

class CliFileSafety : public CliFolderTest {
protected:
    void SetUp() override {
        CliFolderTest::SetUp();
        if (IsSkipped()) return;
        t.PutCategories({CategoryRecord::Make("FD", "Food")});
        // Oldest first, so that sort has to move them.
        t.PutLedger({Line("01-05-99", "FD", Money(-1), "old"), Line("02-05-99", "FD", Money(-2), "new")});
        t.folder.Write("pay.mcr", "FD\r\n-3\r\nlunch\r\n");
        t.folder.Write("1999_tsm.nts", "notes");
    }
    // Every file of the data folder, to check that nothing changed.
    std::map<std::string, std::string> DataFiles() const {
        std::map<std::string, std::string> files;
        for (const char* name : {"1999TSM.DAT", "1999CATS.DAT", "pay.mcr", "1999_tsm.nts"})
            files[name] = t.folder.Read(name);
        return files;
    }
    TempFolder outside;
};

// A link planted under a temp name (or the lock's name) is removed, never
// followed: what it points to is neither written nor created.
TEST_F(CliFileSafety, PlantedLinksUnderTempNamesAreNeverFollowed) {
    struct Case {
        std::vector<std::string> args;
        std::string plantedIn;  // "data" or "outside"
        std::string name;
        bool victimExists;
    };
    const std::string out = outside.PathOf("out.txt");
    const Case cases[] = {
        {{"add", "expense", "FD", "1", "x", "--date", "06-15"}, "data", "temp.$$$", true},
        {{"sort"}, "data", "tempsort.$$$", true},
        {{"--yes", "play", "pay.mcr", "--date", "03-01"}, "data", "tempmac.$$$", true},
        {{"backup", outside.path()}, "outside", "tempcopy.$$$", true},
        {{"export", out, "--append"}, "outside", "tempexp.$$$", true},
        {{"list"}, "data", ".tessamo.lock", false},
    };
    TempFolder victims;
    for (const Case& c : cases) {
        const std::string victim = victims.PathOf("victim-" + c.name);
        if (c.victimExists) victims.Write("victim-" + c.name, "victim");
        const std::string link = (c.plantedIn == "data" ? t.folder.path() : outside.path()) + "/" + c.name;
        ::unlink(link.c_str());  // the lock file of an earlier run
        ASSERT_EQ(::symlink(victim.c_str(), link.c_str()), 0);
        const CliRun run = Run(c.args);
        EXPECT_EQ(run.exitCode, 0) << c.name << ": " << run.err;
        EXPECT_EQ(victims.Read("victim-" + c.name), c.victimExists ? "victim" : "") << c.name;
        EXPECT_EQ(victims.Exists("victim-" + c.name), c.victimExists) << c.name;
        EXPECT_FALSE(S_ISLNK(ModeOf(link))) << c.name;
    }
    EXPECT_EQ(t.Ledger().size(), 4u);  // add and play each entered one line
}

// A rewrite refuses a data file without write permission and changes nothing;
// a data file that is a link is rewritten where it leads, the link staying.
TEST_F(CliFileSafety, ReadOnlyAndLinkedLedgersUnderEveryRewrite) {
    const std::vector<std::vector<std::string>> commands = {
        {"add", "expense", "FD", "1", "x", "--date", "06-15"}, {"sort"}, {"--yes", "play", "pay.mcr", "--date", "03-01"}};
    const std::string ledger = t.folder.PathOf("1999TSM.DAT");
    for (const auto& args : commands) {
        SetUp();
        const std::map<std::string, std::string> before = DataFiles();
        ASSERT_EQ(::chmod(ledger.c_str(), 0444), 0);
        const CliRun refused = Run(args);
        EXPECT_EQ(refused.exitCode, 1) << args[0];
        EXPECT_NE(refused.err.find("1999TSM.DAT could not be used:\nPermission denied"), std::string::npos)
            << refused.err;
        EXPECT_EQ(DataFiles(), before) << args[0];
        EXPECT_EQ(ModeOf(ledger) & 07777, 0444u);

        ASSERT_EQ(::chmod(ledger.c_str(), 0640), 0);
        ASSERT_EQ(::rename(ledger.c_str(), outside.PathOf("real.dat").c_str()), 0);
        ASSERT_EQ(::symlink(outside.PathOf("real.dat").c_str(), ledger.c_str()), 0);
        const CliRun linked = Run(args);
        EXPECT_EQ(linked.exitCode, 0) << args[0] << ": " << linked.err;
        EXPECT_TRUE(S_ISLNK(ModeOf(ledger)));
        EXPECT_NE(outside.Read("real.dat"), before.at("1999TSM.DAT")) << args[0];
        EXPECT_EQ(ModeOf(outside.PathOf("real.dat")) & 07777, 0640u) << args[0];
        ::unlink(ledger.c_str());
    }
}

TEST_F(CliFileSafety, NewFoldersAndFilesAreTheOwnersAlone) {
    const std::string home = outside.PathOf("new/tessamo");
    const CliRun run = RunCli(home, {"add", "income", "FD", "5", "--date", "03-01"});
    EXPECT_EQ(run.exitCode, 2);  // no such category yet, but the folder is made
    EXPECT_EQ(ModeOf(home) & 07777, 0700u);
    EXPECT_EQ(ModeOf(home + "/.tessamo.lock") & 07777, 0600u);

    ::umask(0022);
    ASSERT_EQ(Run({"export", outside.PathOf("fresh.txt")}).exitCode, 0);
    EXPECT_EQ(ModeOf(outside.PathOf("fresh.txt")) & 07777, 0600u);
    ASSERT_EQ(::chmod(t.folder.PathOf("1999TSM.DAT").c_str(), 0664), 0);
    ASSERT_EQ(Run({"--yes", "play", "pay.mcr"}).exitCode, 0);
    EXPECT_EQ(ModeOf(t.folder.PathOf("1999TSM.DAT")) & 07777, 0664u);  // an existing file keeps its mode
    ASSERT_EQ(Run({"--year", "2000", "--yes", "play", "pay.mcr", "--date", "03-01"}).exitCode, 0);
    EXPECT_EQ(ModeOf(t.folder.PathOf("2000TSM.DAT")) & 07777, 0600u);
}

// An export never lands on a file of the data folder, however the target
// leads there; devices and pipes are written straight through.
TEST_F(CliFileSafety, ExportTargetsLeadingIntoTheDataFolderAreRefused) {
    const std::string data = t.folder.path();
    ASSERT_EQ(::symlink((data + "/1999TSM.DAT").c_str(), outside.PathOf("ledger.csv").c_str()), 0);
    ASSERT_EQ(::link((data + "/1999TSM.DAT").c_str(), outside.PathOf("hard.csv").c_str()), 0);
    ASSERT_EQ(::symlink((data + "/2000TSM.DAT").c_str(), outside.PathOf("dangling.csv").c_str()), 0);
    const std::map<std::string, std::string> before = DataFiles();
    for (const std::string& target : {outside.PathOf("ledger.csv"), outside.PathOf("hard.csv"),
                                      outside.PathOf("dangling.csv"), data + "/pay.mcr", data + "/1999_tsm.nts",
                                      data + "/PERSONAL.DAT"}) {
        const CliRun run = Run({"export", target, "--append"});
        EXPECT_EQ(run.exitCode, 2) << target;
        EXPECT_NE(run.err.find("Invalid export file name"), std::string::npos) << run.err;
    }
    EXPECT_EQ(DataFiles(), before);
    EXPECT_FALSE(t.folder.Exists("2000TSM.DAT"));
    EXPECT_FALSE(t.folder.Exists("PERSONAL.DAT"));

    const std::string lines = "\"02-05-1999\",\"FD\",\"-2 \",\"new" + std::string(37, ' ') + "\"\r\n";
    const CliRun toStdout = Run({"export", "/dev/stdout", "--from", "2", "--to", "2"});
    EXPECT_EQ(toStdout.exitCode, 0) << toStdout.err;
    EXPECT_EQ(toStdout.out, lines);
    EXPECT_EQ(Run({"export", "/dev/null"}).exitCode, 0);

    const std::string fifo = outside.PathOf("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] {
        const int fd = ::open(fifo.c_str(), O_RDONLY);
        char buffer[512];
        for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;) received.append(buffer, static_cast<std::size_t>(n));
        ::close(fd);
    });
    const CliRun toPipe = Run({"export", fifo, "--from", "2", "--to", "2"});
    reader.join();
    EXPECT_EQ(toPipe.exitCode, 0) << toPipe.err;
    EXPECT_EQ(received, lines);
}

}  // namespace
}  // namespace tessamo
