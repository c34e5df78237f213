// Bank statement import: a 10,000-line CSV statement read, previewed (every
// line planned against the year: rules, duplicates) and entered into a
// 100,000-line year with one durable rewrite. Budget: under 300 ms.
#include <benchmark/benchmark.h>

#include "core/RecordFile.h"
#include "import/ImportSession.h"
#include "support/BenchFolder.h"
#include "support/LedgerGenerator.h"

using namespace tessamo;

namespace {

constexpr std::size_t kLedgerLines = 100000;
constexpr int kStatementLines = 10000;

// A bank's CSV export of 1999: date, payee, memo, signed amount with decimal point.
std::string StatementText() {
    static const char* const kPayees[] = {"GREENLEAF MARKET #12", "NORTHWIND PAYROLL", "Harbor Lane Rentals",
                                          "City Power & Light", "Corner Cafe", "Quickmart Grocery"};
    std::string text = "Date,Payee,Memo,Amount\n";
    for (int i = 0; i < kStatementLines; ++i)
        text += std::to_string(1 + i % 12) + "/" + std::to_string(1 + i % 28) + "/1999," + kPayees[i % 6] +
                ",\"ref " + std::to_string(i) + "\"," + (i % 6 == 1 ? "" : "-") + std::to_string(i % 900) + "." +
                std::to_string(10 + i % 90) + "\n";
    return text;
}

// The year, its categories, the rules and the statement in a fresh folder.
struct ImportFolder {
    ImportFolder() {
        RequireOk(folder.files.ReplaceWhole("1999TSM.DAT", "temp.$$$", ledger));
        RequireOk(folder.files.ReplaceWhole("1999CATS.DAT", "temp.$$$", EncodeRecords(bench::GenerateCategories())));
        RequireOk(folder.files.ReplaceWhole("statement.csv", "temp.$$$", StatementText()));
        RequireOk(folder.files.ReplaceWhole("import-rules.txt", "temp.$$$", "AA - market\nBB + payroll\nCC rent\n"));
    }
    bench::BenchFolder folder;
    const std::string ledger = EncodeRecords(bench::GenerateLedger(kLedgerLines));
    const std::string path = folder.path + "/statement.csv";
};

// What the window shows before Import: the file read, its layout guessed,
// every line planned.
void BM_PreviewStatement(benchmark::State& st) {
    ImportFolder f;
    for (auto _ : st) {
        ImportSession session(f.folder.state);
        RequireOk(session.Open(f.path, std::nullopt, {"DD", false}));
        benchmark::DoNotOptimize(session.Plan().lines.data());
    }
}
BENCHMARK(BM_PreviewStatement)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(5)->ReportAggregatesOnly(true);

// The preview and the import of every line, with the year's durable rewrite.
void BM_ImportStatement(benchmark::State& st) {
    ImportFolder f;
    bench::BenchFolder& folder = f.folder;
    const std::string& ledger = f.ledger;
    const std::string& path = f.path;
    for (auto _ : st) {
        st.PauseTiming();
        RequireOk(folder.files.ReplaceWhole("1999TSM.DAT", "temp.$$$", ledger));
        st.ResumeTiming();
        ImportSession session(folder.state);
        RequireOk(session.Open(path, std::nullopt, {"DD", false}));
        ImportCounts counts;
        if (session.Import(counts) != ImportOutcome::Done || counts.entered != kStatementLines)
            st.SkipWithError("the import did not enter every line");
    }
}
BENCHMARK(BM_ImportStatement)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
