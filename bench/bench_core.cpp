// Ledger storage on a 100,000-record ledger: loading, inserting (a complete
// durable rewrite), sort keys.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/Dates.h"
#include "core/LedgerEntry.h"
#include "core/RecordFile.h"
#include "platform/PosixFileSystem.h"
#include "support/BenchFolder.h"
#include "support/LedgerGenerator.h"

using namespace tessamo;

namespace {

constexpr std::size_t kRecords = 100000;

void BM_LoadLedger(benchmark::State& st) {
    bench::BenchFolder folder;
    RequireOk(folder.files.ReplaceWhole("1999TSM.DAT", "temp.$$$", EncodeRecords(bench::GenerateLedger(kRecords))));
    std::vector<LedgerRecord> records;
    for (auto _ : st) {
        RequireOk(ReadRecords(folder.files, "1999TSM.DAT", records));
        benchmark::DoNotOptimize(records.data());
    }
    st.counters["records"] = static_cast<double>(records.size());
}
BENCHMARK(BM_LoadLedger)->Unit(benchmark::kMillisecond);

void BM_InsertRecordNewest(benchmark::State& st) {
    bench::BenchFolder folder;
    RequireOk(folder.files.ReplaceWhole("1999TSM.DAT", "temp.$$$", EncodeRecords(bench::GenerateLedger(kRecords))));
    const LedgerRecord entry = LedgerRecord::Make("12-31-99", "ZZ", -125000, "Newest line");
    for (auto _ : st) {
        if (InsertRecord(folder.state, entry) != EntryOutcome::Written) st.SkipWithError("insert failed");
    }
}
BENCHMARK(BM_InsertRecordNewest)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_SortKeyAll(benchmark::State& st) {
    const auto records = bench::GenerateLedger(kRecords);
    for (auto _ : st) {
        double sum = 0;
        for (const auto& r : records) sum += SortKey(r, "A");
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_SortKeyAll)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
