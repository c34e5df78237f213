// The automatic backup of a data folder holding ten years of 100,000 lines
// each (with their category files): read, change check, copies written
// atomically, read back and compared, manifest, rotation. Each run follows a
// change to one year, as a close after a day's work does. Target: under one
// second; the median of the repetitions is the figure to report.
#include <benchmark/benchmark.h>

#include "backups/AutoBackup.h"
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

}  // namespace

BENCHMARK_MAIN();
