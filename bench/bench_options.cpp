// Whole-year commands of the main window on a 100,000-record ledger: the date
// converter (one read and one durable rewrite) and the word search over every
// listed note.
#include <benchmark/benchmark.h>

#include "core/DateConversion.h"
#include "core/RecordFile.h"
#include "core/WordSearch.h"
#include "support/BenchFolder.h"
#include "support/LedgerGenerator.h"

using namespace tessamo;

namespace {

constexpr std::size_t kRecords = 100000;

void BM_SwapLedgerDates(benchmark::State& st) {
    bench::BenchFolder folder;
    RequireOk(folder.files.ReplaceWhole("1999TSM.DAT", "temp.$$$", EncodeRecords(bench::GenerateLedger(kRecords))));
    for (auto _ : st) {
        if (!SwapLedgerDates(folder.state).ok()) st.SkipWithError("conversion failed");
    }
}
BENCHMARK(BM_SwapLedgerDates)->Unit(benchmark::kMillisecond)->Iterations(20);

// A word no note holds: the scan reads every note once.
void BM_NoteSearchWholeYear(benchmark::State& st) {
    std::vector<std::string> notes{"Note"};
    for (const auto& r : bench::GenerateLedger(kRecords)) notes.push_back(r.Note);
    for (auto _ : st) {
        std::size_t hits = 0;
        for (const auto& note : notes) hits += NoteHasWord(note, "ZEBRA") ? 1 : 0;
        benchmark::DoNotOptimize(hits);
    }
}
BENCHMARK(BM_NoteSearchWholeYear)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
