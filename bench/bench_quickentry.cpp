// Note completion on a 100,000-line year (and the year before it): the
// candidates built when the entry editor opens, and one keystroke's lookup.
#include <benchmark/benchmark.h>

#include "core/FixedText.h"
#include "core/RecordFile.h"
#include "quickentry/NoteCompletion.h"
#include "support/LedgerGenerator.h"

using namespace tessamo;

namespace {

constexpr std::size_t kRecords = 100000;

const std::vector<YearLedger>& Ledgers() {
    static const std::vector<YearLedger> ledgers = {
        {1999, EncodeRecords(bench::GenerateLedger(kRecords, "99", 30, 1999))},
        {1998, EncodeRecords(bench::GenerateLedger(kRecords, "98", 30, 1998))},
    };
    return ledgers;
}

void BM_CompletionBuild(benchmark::State& st) {
    const std::vector<YearLedger> thisYear = {Ledgers()[0]};
    const std::vector<YearLedger>& both = Ledgers();
    for (auto _ : st) {
        NoteCompletion completion(st.range(0) == 1 ? thisYear : both, "A");
        benchmark::DoNotOptimize(completion.size());
    }
}
BENCHMARK(BM_CompletionBuild)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The worst case for a lookup: every line of the year a note of its own.
std::vector<YearLedger> DistinctNotes() {
    std::vector<LedgerRecord> lines = bench::GenerateLedger(kRecords, "99", 30, 1999);
    for (std::size_t i = 0; i < lines.size(); ++i) lines[i].Note = FixedWidth("note " + std::to_string(i), 40);
    return {{1999, EncodeRecords(lines)}};
}

// Each of the texts a user types letter by letter, one lookup per keystroke;
// argument 1: every line a note of its own.
void BM_CompletionKeystroke(benchmark::State& st) {
    const NoteCompletion completion(st.range(0) == 1 ? DistinctNotes() : Ledgers(), "A");
    const std::string typed[] = {"g", "gr", "gro", "groc", "x", "xq", "note 1", "zzzz"};
    std::size_t i = 0, offered = 0;
    for (auto _ : st) {
        offered += completion.Matches(typed[i++ % std::size(typed)], 8).size();
        benchmark::DoNotOptimize(offered);
    }
    st.counters["notes"] = static_cast<double>(completion.size());
}
BENCHMARK(BM_CompletionKeystroke)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
