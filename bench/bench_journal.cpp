// The journal's cost on a 100,000-record ledger: a durable add with and
// without it side by side, the undo of one added line, the start-up check of
// a journal with nothing to recover, and the journal's size after 1,000
// one-line changes.
#include <benchmark/benchmark.h>

#include "core/LedgerEntry.h"
#include "core/RecordFile.h"
#include "journal/History.h"
#include "journal/Recovery.h"
#include "support/BenchFolder.h"
#include "support/LedgerGenerator.h"

using namespace tessamo;

namespace {

constexpr std::size_t kRecords = 100000;

// The bench folder's state, writing through the journal.
struct JournaledFolder {
    bench::BenchFolder folder;
    JournaledFileSystem files{folder.files, folder.clock};
    Env env{files, folder.dialogs, folder.clock, MoneyFormat::Reference()};
    SharedState state{env};
    JournaledFolder() {
        state.SetActiveYear("1999");
        RequireOk(folder.files.ReplaceWhole("1999TSM.DAT", "temp.$$$", EncodeRecords(bench::GenerateLedger(kRecords))));
    }
};

const LedgerRecord kEntry = LedgerRecord::Make("12-31-99", "ZZ", -125000, "Newest line");

void BM_DurableAdd(benchmark::State& st) {
    JournaledFolder j;
    SharedState& state = st.range(0) ? j.state : j.folder.state;
    for (auto _ : st)
        if (InsertRecord(state, kEntry) != EntryOutcome::Written) st.SkipWithError("insert failed");
}
BENCHMARK(BM_DurableAdd)->Arg(0)->Arg(1)->ArgName("journal")->Unit(benchmark::kMillisecond)->Iterations(30);

void BM_UndoOneAddedLine(benchmark::State& st) {
    JournaledFolder j;
    for (auto _ : st) {
        st.PauseTiming();
        if (InsertRecord(j.state, kEntry) != EntryOutcome::Written) st.SkipWithError("insert failed");
        st.ResumeTiming();
        if (UndoChanges(j.files, 1).outcome != TurnOutcome::Turned) st.SkipWithError("undo failed");
    }
}
BENCHMARK(BM_UndoOneAddedLine)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_StartUpCheck(benchmark::State& st) {
    JournaledFolder j;
    for (int i = 0; i < 20; ++i) (void)InsertRecord(j.state, kEntry);
    for (auto _ : st) {
        JournaledFileSystem restarted(j.folder.files, j.folder.clock);
        benchmark::DoNotOptimize(RecoverJournal(restarted));
    }
}
BENCHMARK(BM_StartUpCheck)->Unit(benchmark::kMicrosecond);

void BM_JournalOfAThousandOneLineChanges(benchmark::State& st) {
    for (auto _ : st) {
        JournaledFolder j;
        for (int i = 0; i < 1000; ++i) (void)InsertRecord(j.state, kEntry);
        std::uint64_t length = 0;
        RequireOk(j.folder.files.FileLength(kJournalFileName, length));
        st.counters["journal_KiB"] = static_cast<double>(length) / 1024;
    }
}
BENCHMARK(BM_JournalOfAThousandOneLineChanges)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
