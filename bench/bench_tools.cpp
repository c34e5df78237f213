// The ledger sorter on a reversed 100,000-record ledger (the worst order for
// it): read, sort, durable rewrite. Also the backup of a folder holding that
// ledger and a playback of a 30-entry macro into it.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>

#include "core/RecordFile.h"
#include "macros/MacroPlayback.h"
#include "support/BenchFolder.h"
#include "support/LedgerGenerator.h"
#include "tools/Backup.h"
#include "tools/LedgerSorter.h"

using namespace tessamo;

namespace {

constexpr std::size_t kRecords = 100000;

std::string ReversedLedgerBytes() {
    auto records = bench::GenerateLedger(kRecords);
    std::reverse(records.begin(), records.end());
    return EncodeRecords(records);
}

void BM_SortReversedLedger(benchmark::State& st) {
    bench::BenchFolder folder;
    const std::string reversed = ReversedLedgerBytes();
    const std::atomic<bool> stop{false};
    for (auto _ : st) {
        st.PauseTiming();
        RequireOk(folder.files.ReplaceWhole("1999TSM.DAT", "temp.$$$", reversed));
        st.ResumeTiming();
        if (SortMainFile(folder.state, nullptr, stop) != SortOutcome::Finished) st.SkipWithError("sort failed");
    }
    st.counters["records"] = static_cast<double>(kRecords);
}
BENCHMARK(BM_SortReversedLedger)->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(3)->ReportAggregatesOnly();

void BM_BackupFolder(benchmark::State& st) {
    bench::BenchFolder folder, target;
    RequireOk(folder.files.ReplaceWhole("1999TSM.DAT", "temp.$$$", ReversedLedgerBytes()));
    RequireOk(folder.files.ReplaceWhole("1999CATS.DAT", "temp.$$$", EncodeRecords(bench::GenerateCategories())));
    const std::atomic<bool> stop{false};
    for (auto _ : st) {
        if (CopyDataFiles(folder.state, target.files, nullptr, stop) != BackupOutcome::Finished)
            st.SkipWithError("backup failed");
    }
}
BENCHMARK(BM_BackupFolder)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_PlayMacro30Entries(benchmark::State& st) {
    bench::BenchFolder folder;
    const std::string ledger = EncodeRecords(bench::GenerateLedger(kRecords));
    std::string macro;
    for (int i = 0; i < 30; ++i) macro += "C" + std::to_string(i % 10) + "\r\n-12.50\r\nmacro line\r\n";
    RequireOk(folder.files.ReplaceWhole("pay.mcr", "temp.$$$", macro));
    for (auto _ : st) {
        st.PauseTiming();
        RequireOk(folder.files.ReplaceWhole("1999TSM.DAT", "temp.$$$", ledger));
        st.ResumeTiming();
        if (PlayMacroFile(folder.state, "pay.mcr", "03-01-99").entered != 30) st.SkipWithError("playback failed");
    }
}
BENCHMARK(BM_PlayMacro30Entries)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
