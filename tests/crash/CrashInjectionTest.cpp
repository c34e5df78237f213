// Crash injection: every writing command of tessamo-cli runs on a generated
// ledger and is killed with SIGKILL at random moments spread over its normal
// duration. After each kill and the next start (which takes back an
// interrupted change) every file of the data folder and of the output folder
// must be wholly its old or wholly its new version (temp files and the
// journal aside), all of a command's files together, and the next run of the
// same command must succeed with the same result an uninterrupted run gives
// from that state.
//
// TESSAMO_CRASH_KILLS sets the kills per command (default 20),
// TESSAMO_CRASH_LINES the ledger size (default 30000), TESSAMO_CRASH_SEED the
// random seed (default: a fresh one, printed), TESSAMO_CRASH_CLI another
// tessamo-cli to run (default: the one built with this test).
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <thread>

#include "backups/AutoBackup.h"
#include "core/RecordFile.h"
#include "core/Settings.h"
#include "platform/Clock.h"
#include "platform/PosixFileSystem.h"
#include "support/LedgerGenerator.h"
#include "support/RunProgram.h"
#include "support/TempFolder.h"

namespace tessamo {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// Every file under a folder by relative path; a missing entry is a missing file.
using Snapshot = std::map<std::string, std::string>;

std::size_t EnvCount(const char* name, std::size_t fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::stoul(text) : fallback;
}

// The folder a command works in: data/ (TESSAMO_HOME) and out/ (export and
// backup targets, out/bak for the backup).
class WorkFolder {
public:
    fs::path Path() const { return temp_.path(); }
    std::string Read(const std::string& name) const { return temp_.Read(name); }
    void Write(const std::string& name, const std::string& bytes) const { temp_.Write(name, bytes); }
    Snapshot Take() const {
        Snapshot files;
        // A backup's stamps record the moment (times, inodes) of each run, not data.
        for (const auto& entry : fs::recursive_directory_iterator(Path()))
            if (entry.is_regular_file() && entry.path().filename() != "STAMPS.TXT") {
                const std::string name = fs::relative(entry.path(), Path()).string();
                files[name] = Read(name);
            }
        return files;
    }
    void Restore(const Snapshot& files) const {
        // The data folder itself stays: the journal knows its folder by its identity.
        fs::create_directories(Path() / "data");
        for (const auto& entry : fs::directory_iterator(Path()))
            if (entry.path().filename() != "data") fs::remove_all(entry.path());
        for (const auto& entry : fs::directory_iterator(Path() / "data")) fs::remove_all(entry.path());
        fs::create_directories(Path() / "out/bak");
        for (const auto& [name, bytes] : files) {
            fs::create_directories((Path() / name).parent_path());
            Write(name, bytes);
        }
    }

private:
    TempFolder temp_;
};

std::optional<std::string> Lookup(const Snapshot& files, const std::string& name) {
    auto it = files.find(name);
    return it == files.end() ? std::nullopt : std::optional<std::string>(it->second);
}

// Names the command may leave behind when killed: its temp files; and the
// journal, whose history differs after an interrupted run by design.
bool IsLeftover(const std::string& name, const Snapshot& before, const Snapshot& after) {
    return (!before.count(name) && !after.count(name)) || name == "data/tessamo.journal";
}

// Starts the CLI on `root`/data with stdout and stderr to `log`, at a fixed
// moment, so an automatic backup's folder has the same name in every run.
pid_t StartCli(const fs::path& root, const std::vector<std::string>& args, const fs::path& log) {
    const char* cli = std::getenv("TESSAMO_CRASH_CLI");
    std::vector<std::string> words{"--year", "1999"};
    words.insert(words.end(), args.begin(), args.end());
    return StartProgram(cli && *cli ? cli : TESSAMO_CLI_PATH, (root / "data").string(), words, "03-15-1999", log,
                        log, {{"TESSAMO_TIME", "18:00:00"}});
}

struct CrashCase {
    const char* name;
    std::vector<std::string> args;  // "@" stands for the output folder
    bool reversedLedger = false;    // the ledger in ascending order, for sort
    bool existingExport = false;    // out/ledger.csv holds an earlier export
    bool olderBackup = false;       // out/bak holds an older backup
    bool statement = false;         // out/statement.csv holds a bank statement
    bool autoBackup = false;        // data-backups/ holds an automatic backup of another ledger
    std::vector<std::vector<std::string>> before = {};  // commands run to make the starting folder
    const char* schedule = nullptr;  // schedules.txt (BIG.MCR due on the first of a month)
};

void PrintTo(const CrashCase& c, std::ostream* os) { *os << c.name; }

std::string MacroText(int groups) {
    const auto categories = bench::GenerateCategories();
    std::string text = "' fifty groups\r\n";
    for (int g = 0; g < groups; ++g)
        text += categories[g % categories.size()].Code + "\r\n" + std::to_string(g + 1) + ".25\r\nmacro line " +
                std::to_string(g) + "\r\n";
    return text;
}

// A bank statement of 1999 with a tenth of its lines in December 1998.
std::string StatementText(int lines) {
    std::string text = "Date,Payee,Amount\n";
    for (int i = 0; i < lines; ++i)
        text += (i % 10 == 0 ? "12/" + std::to_string(1 + i % 28) + "/1998" : std::to_string(1 + i % 12) + "/" +
                                                                                 std::to_string(1 + i % 28) + "/1999") +
                ",Payee " + std::to_string(i) + ",-" + std::to_string(i % 500) + ".25\n";
    return text;
}

Snapshot StartingFolder(const CrashCase& c, const WorkFolder& work) {
    work.Restore({});
    auto ledger = bench::GenerateLedger(EnvCount("TESSAMO_CRASH_LINES", 30000));
    if (c.reversedLedger) std::reverse(ledger.begin(), ledger.end());
    PosixFileSystem files((work.Path() / "data").string());
    FixedClock clock({3, 15, 1999});
    SettingsRecord settings;
    EXPECT_TRUE(ReadOrCreateSettings(files, clock, settings).ok());
    EXPECT_TRUE(RewriteRecords(files, "1999TSM.DAT", "temp.$$$", ledger).ok());
    EXPECT_TRUE(RewriteRecords(files, "1999CATS.DAT", "temp.$$$", bench::GenerateCategories()).ok());
    work.Write("data/.tessamo.lock", "");  // as any earlier run leaves it
    work.Write("data/BIG.MCR", MacroText(50));
    work.Write("data/1999_tsm.nts", "notes of the year\r\n");
    work.Write("data/data-folder-id.txt", "0123456789abcdef0123456789abcdef\n");  // as a first backup leaves it
    if (c.schedule) work.Write("data/schedules.txt", c.schedule);
    if (c.existingExport) work.Write("out/ledger.csv", "\"01-02-99\",\"AA\",\"1.00\",\"x\"\r\n");
    if (c.statement) work.Write("out/statement.csv", StatementText(2000));
    if (c.autoBackup) {
        // The backup holds the ledger as generated; today's is in another order.
        PosixFileSystem root((work.Path() / "data-backups").string());
        EXPECT_EQ(MakeAutomaticBackup(files, root, FixedClock({3, 14, 1999}, {18, 0, 0})).outcome,
                  AutoBackupOutcome::Made);
        std::reverse(ledger.begin(), ledger.end());
        EXPECT_TRUE(RewriteRecords(files, "1999TSM.DAT", "temp.$$$", ledger).ok());
        work.Write("data/1999_tsm.nts", "notes of today\r\n");
    }
    for (const auto& args : c.before) EXPECT_EQ(WaitForExit(StartCli(work.Path(), args, work.Path() / "before.log")), 0);
    fs::remove(work.Path() / "before.log");
    if (c.olderBackup) {
        work.Write("out/bak/1999TSM.DAT", std::string(LedgerRecord::kSize * 3, 'x'));
        work.Write("out/bak/PERSONAL.DAT", "old");
    }
    return work.Take();
}

// How one kill left the files the command may change.
struct KillState {
    bool allOld = true, allNew = true, broken = false;
    std::size_t leftovers = 0;
    const char* Name() const { return broken ? "broken" : allOld ? "old" : allNew ? "new" : "per-file"; }
};

KillState Judge(const Snapshot& old, const Snapshot& fresh, const Snapshot& after, std::string& report) {
    KillState state;
    std::set<std::string> names;
    for (const auto* s : {&old, &fresh, &after})
        for (const auto& entry : *s) names.insert(entry.first);
    for (const std::string& name : names) {
        if (IsLeftover(name, old, fresh)) {
            ++state.leftovers;
            continue;
        }
        const auto now = Lookup(after, name);
        const bool isOld = now == Lookup(old, name), isNew = now == Lookup(fresh, name);
        state.allOld = state.allOld && isOld;
        state.allNew = state.allNew && isNew;
        if (!isOld && !isNew) {
            state.broken = true;
            report += " " + name + " is neither old nor new (" + std::to_string(now ? now->size() : 0) + " bytes);";
        }
    }
    return state;
}

class CrashInjection : public ::testing::TestWithParam<CrashCase> {
protected:
    pid_t Start() const {
        std::vector<std::string> args = GetParam().args;
        for (auto& a : args)
            if (a.front() == '@') a = (work_.Path() / "out").string() + a.substr(1);
        return StartCli(work_.Path(), args, log_);
    }
    // One uninterrupted run from `from`; returns its exit code and the result.
    int Reference(const Snapshot& from, Snapshot& result) const {
        work_.Restore(from);
        const int rc = WaitForExit(Start());
        result = work_.Take();
        return rc;
    }
    double MedianDuration(const Snapshot& from) const {
        std::vector<double> runs;
        for (int i = 0; i < 3; ++i) {
            work_.Restore(from);
            const auto begin = Clock::now();
            WaitForExit(Start());
            runs.push_back(std::chrono::duration<double>(Clock::now() - begin).count());
        }
        std::sort(runs.begin(), runs.end());
        return runs[1];
    }
    std::string Log() const { return logFolder_.Read("log"); }

    WorkFolder work_;
    TempFolder logFolder_;
    fs::path log_ = logFolder_.PathOf("log");
};

TEST_P(CrashInjection, EveryFileIsOldOrNewAndTheNextRunSucceeds) {
    const char* name = GetParam().name;
    const Snapshot old = StartingFolder(GetParam(), work_);
    Snapshot fresh, twice;
    const int freshRc = Reference(old, fresh);
    ASSERT_EQ(freshRc, 0) << Log();
    const int twiceRc = Reference(fresh, twice);
    ASSERT_NE(old, fresh) << "the command changed nothing";
    const double duration = MedianDuration(old);

    const unsigned seed = static_cast<unsigned>(EnvCount("TESSAMO_CRASH_SEED", std::random_device{}()));
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> moment(0.0, duration);
    const std::size_t kills = EnvCount("TESSAMO_CRASH_KILLS", 20);
    std::size_t landed = 0, leftovers = 0, failures = 0;
    std::map<std::string, std::size_t> states;
    std::string problems;
    for (std::size_t k = 0; k < kills && failures < 5; ++k) {
        work_.Restore(old);
        const double delay = moment(random);
        const pid_t pid = Start();
        std::this_thread::sleep_for(std::chrono::duration<double>(delay));
        if (int status; ::waitpid(pid, &status, WNOHANG) == 0) {
            ::kill(pid, SIGKILL);
            ++landed;
        }
        WaitForExit(pid);
        // The next start (here one that only reads) takes back what the kill interrupted.
        WaitForExit(StartCli(work_.Path(), {"history"}, log_));
        std::string report;
        const KillState state = Judge(old, fresh, work_.Take(), report);
        ++states[state.Name()];
        leftovers += state.leftovers;
        if (state.broken)
            problems += std::string(name) + ": killed after " + std::to_string(delay) + " s (seed " +
                        std::to_string(seed) + "):" + report + "\n";

        // The next run starts from what the kill left and must end as an
        // uninterrupted run from that state does.
        Snapshot expected = state.allNew ? twice : fresh;
        const int rc = WaitForExit(Start());
        Snapshot next = work_.Take();
        std::erase_if(next, [&](const auto& entry) { return IsLeftover(entry.first, old, expected); });
        expected.erase("data/tessamo.journal");
        const bool nextOk = rc == (state.allNew ? twiceRc : freshRc) && next == expected;
        if (!nextOk && !state.broken)
            problems += std::string(name) + ": the run after a kill at " + std::to_string(delay) + " s (seed " +
                        std::to_string(seed) + ") ended " + std::to_string(rc) + " with another result: " + Log() +
                        "\n";
        failures += state.broken || !nextOk;
    }
    std::printf("%s: %zu kills over %.3f s (%zu while running; seed %u):", name, kills, duration, landed, seed);
    for (const auto& [state, count] : states) std::printf(" %s %zu", state.c_str(), count);
    std::printf("; %zu temp files left by kills\n", leftovers);
    if (problems.empty()) return;
    ADD_FAILURE() << problems;
}

INSTANTIATE_TEST_SUITE_P(
    WritingCommands, CrashInjection,
    ::testing::Values(CrashCase{"add", {"add", "expense", "AA", "1", "x", "--date", "06-15"}},
                      CrashCase{"sort", {"sort"}, true},
                      CrashCase{"play", {"--yes", "play", "BIG.MCR", "--date", "06-15"}},
                      CrashCase{"export", {"export", "@/ledger.csv", "all"}},
                      CrashCase{"export_append", {"export", "@/ledger.csv", "all", "--append"}, false, true},
                      CrashCase{"backup", {"backup", "@/bak"}, false, false, true},
                      CrashCase{"import",
                                {"--yes", "import", "@/statement.csv", "--default-code", "AA"},
                                false, false, false, true},
                      CrashCase{"auto_backup", {"backup", "--auto"}},
                      CrashCase{"restore", {"--yes", "restore", "1999-03-14_180000"}, false, false, false, false, true},
                      CrashCase{"category_change", {"category", "change", "AA", "ZZ", "Renamed"}},
                      CrashCase{"category_delete", {"--yes", "category", "delete", "AA", "--lines"}},
                      CrashCase{"undo",
                                {"undo"},
                                false, false, false, false, false,
                                {{"--yes", "category", "delete", "AH", "--lines"}}},
                      CrashCase{"redo",
                                {"redo"},
                                false, false, false, false, false,
                                {{"category", "change", "AA", "ZZ", "Renamed"}, {"undo"}}},
                      CrashCase{"due_enter", {"--yes", "due", "--enter"}, false, false, false, false, false, {},
                                "BIG.MCR\tmonthly 1\t1999-03-01\t-\t-\t-\n"},
                      // Into 1998, whose ledger and category files it makes, and the schedule file.
                      CrashCase{"due_enter_other_year", {"--yes", "due", "--enter"}, false, false, false, false, false, {},
                                "BIG.MCR\tmonthly 1\t1998-12-01\t1998-12-31\t-\t-\n"},
                      CrashCase{"budget_set", {"budget", "set", "AA", "100", "--month", "3"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tessamo
