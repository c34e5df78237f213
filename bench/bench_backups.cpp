// The automatic backup of a data folder holding ten years of 100,000 lines
// each (with their category files): read, change check, copies written
// atomically, read back and compared, manifest, rotation. Each run follows a
// change to one year, as a close after a day's work does. Target: under one
// second; the median of the repetitions is the figure to report.
//
// The check at closing with nothing changed, over a 1,000,000-line year,
// beside the same close with automatic backups off (the settings read, no
// backup): the difference is the backup's cost to a close that changed
// nothing (target: within 5 ms and 5 MiB; "read_bytes" counts what the
// check read). And the listing with every checksum verified over 30 backups
// of ten 100,000-line years (target: under 2 s; the copies are warm in the
// page cache, as right after they were made).
#include <benchmark/benchmark.h>

#include <fstream>

#include "backups/AutoBackup.h"
#include "backups/BackupList.h"
#include "backups/BackupSettings.h"
#include "backups/CloseBackup.h"
#include "core/RecordFile.h"
#include "support/BenchFolder.h"
#include "support/LedgerGenerator.h"

using namespace tessamo;

namespace {

void BM_AutomaticBackupTenYears(benchmark::State& st) {
    bench::BenchFolder folder;
    const std::string rootPath = bench::MakeBenchFolder();
    PosixFileSystem root(rootPath);
    for (int year = 1990; year < 2000; ++year) {
        const std::string y = std::to_string(year);
        RequireOk(RewriteRecords(folder.files, y + "TSM.DAT", "temp.$$$", bench::GenerateLedger(100000, y.substr(2))));
        RequireOk(RewriteRecords(folder.files, y + "CATS.DAT", "temp.$$$", bench::GenerateCategories()));
    }
    int second = 0;
    for (auto _ : st) {
        st.PauseTiming();
        RequireOk(folder.files.Append("1999TSM.DAT", std::string(LedgerRecord::kSize, ' ')));
        FixedClock clock({3, 15, 1999}, {18, second / 60 % 60, second % 60});
        ++second;
        st.ResumeTiming();
        if (MakeAutomaticBackup(folder.files, root, clock).outcome != AutoBackupOutcome::Made)
            st.SkipWithError("backup failed");
    }
    std::error_code ec;
    std::filesystem::remove_all(rootPath, ec);
}
BENCHMARK(BM_AutomaticBackupTenYears)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(5)->ReportAggregatesOnly();

// Bytes this process read through system calls so far.
double BytesRead() {
    std::ifstream io("/proc/self/io");
    for (std::string key; io >> key;) {
        double value = 0;
        io >> value;
        if (key == "rchar:") return value;
    }
    return 0;
}

void WriteYears(bench::BenchFolder& folder, int first, int count, int lines) {
    for (int year = first; year < first + count; ++year) {
        const std::string y = std::to_string(year);
        RequireOk(RewriteRecords(folder.files, y + "TSM.DAT", "temp.$$$", bench::GenerateLedger(lines, y.substr(2))));
        RequireOk(RewriteRecords(folder.files, y + "CATS.DAT", "temp.$$$", bench::GenerateCategories()));
    }
}

// Closing with nothing changed: arg 1 with automatic backups on, 0 off.
void BM_CloseUnchangedMillionLines(benchmark::State& st) {
    bench::BenchFolder folder;
    const std::string rootPath = bench::MakeBenchFolder();
    ::setenv("XDG_CONFIG_HOME", (rootPath + "/config").c_str(), 1);
    BackupSettings settings;
    settings.automatic = st.range(0) != 0;
    settings.folder = rootPath + "/backups";
    RequireOk(WriteBackupSettings(*ConfigFolderOf(folder.files), folder.files.Folder(), settings));
    WriteYears(folder, 1999, 1, 1000000);
    FixedClock clock({3, 15, 1999}, {18, 0, 0});
    if (settings.automatic && RunCloseBackup(folder.files, clock).outcome != AutoBackupOutcome::Made)
        st.SkipWithError("first backup failed");
    double read = 0;
    for (auto _ : st) {
        const double before = BytesRead();
        if (RunCloseBackup(folder.files, clock).outcome != AutoBackupOutcome::Unchanged) st.SkipWithError("backup made");
        read += BytesRead() - before;
    }
    st.counters["read_bytes"] = benchmark::Counter(read, benchmark::Counter::kAvgIterations);
    std::error_code ec;
    std::filesystem::remove_all(rootPath, ec);
}
BENCHMARK(BM_CloseUnchangedMillionLines)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

void BM_ListThirtyBackupsVerified(benchmark::State& st) {
    bench::BenchFolder folder;
    const std::string rootPath = bench::MakeBenchFolder();
    PosixFileSystem root(rootPath);
    WriteYears(folder, 1990, 10, 100000);
    if (MakeAutomaticBackup(folder.files, root, FixedClock({3, 1, 1999}, {18, 0, 0})).outcome != AutoBackupOutcome::Made)
        st.SkipWithError("backup failed");
    for (int day = 2; day <= 30; ++day)
        std::filesystem::copy(rootPath + "/1999-03-01_180000",
                              rootPath + "/1999-03-" + (day < 10 ? "0" : "") + std::to_string(day) + "_180000");
    std::string id;
    RequireOk(folder.files.ReadAll("data-folder-id.txt", id));
    id = id.substr(0, 32);
    for (auto _ : st) {
        const std::vector<BackupEntry> listed = ListBackups(root, id, Verify::Checksums);
        if (listed.size() != 30 || !NewestGood(OwnBackups(listed))) st.SkipWithError("not 30 good backups");
    }
    std::error_code ec;
    std::filesystem::remove_all(rootPath, ec);
}
BENCHMARK(BM_ListThirtyBackupsVerified)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly();

}  // namespace

BENCHMARK_MAIN();
