// Report and export on a 100,000-record ledger with 30 categories, all of
// them chosen, all months: what the report window's View and the export
// window's buttons do, files included.
#include <benchmark/benchmark.h>

#include "core/RecordFile.h"
#include "export/ExportToFile.h"
#include "reports/MakeReport.h"
#include "core/ReportCategoryList.h"
#include "support/BenchFolder.h"
#include "support/LedgerGenerator.h"

using namespace tessamo;

namespace {

constexpr std::size_t kRecords = 100000;

void PutLedger(bench::BenchFolder& folder) {
    RequireOk(folder.files.ReplaceWhole("1999TSM.DAT", "temp.$$$", EncodeRecords(bench::GenerateLedger(kRecords))));
}

// View: the category list file, then the report.
void BM_FullReportAllCategories(benchmark::State& st) {
    bench::BenchFolder folder;
    PutLedger(folder);
    const auto categories = bench::GenerateCategories(30);
    std::size_t bytes = 0;
    for (auto _ : st) {
        RequireOk(MakeRepCatFile(folder.files, categories));
        const Result<ReportText> r = MakeReport(folder.state, kReportCategoryFile, 1, 12, "F");
        if (!r.ok()) {
            st.SkipWithError("report failed");
            break;
        }
        bytes = r.value().text.size();
        benchmark::DoNotOptimize(r.value().text.data());
    }
    st.counters["text_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_FullReportAllCategories)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The layout alone, ledger already in memory.
void BM_BuildFullReportInMemory(benchmark::State& st) {
    const std::string ledger = EncodeRecords(bench::GenerateLedger(kRecords));
    const auto categories = ReportCategoryRecords(bench::GenerateCategories(30));
    ReportOptions options;
    options.reportType = "F";
    options.ledgerFileName = "1999TSM.DAT";
    for (auto _ : st) {
        const ReportText r = BuildReport(categories, ledger, options);
        benchmark::DoNotOptimize(r.text.data());
    }
}
BENCHMARK(BM_BuildFullReportInMemory)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// "All Line Items (raw)" into a new file of the data folder.
void BM_LineItemsExportAllCategories(benchmark::State& st) {
    bench::BenchFolder folder;
    PutLedger(folder);
    const auto categories = bench::GenerateCategories(30);
    std::uint64_t length = 0;
    for (auto _ : st) {
        st.PauseTiming();
        RequireOk(folder.files.Remove("TSM_DATA.TXT"));
        st.ResumeTiming();
        if (ExportToFile(folder.state, ExportKind::LineItems, categories, folder.files, "TSM_DATA.TXT",
                         ExistingExportFile::Ask) != ExportOutcome::Written)
            st.SkipWithError("export failed");
    }
    RequireOk(folder.files.FileLength("TSM_DATA.TXT", length));
    st.counters["file_bytes"] = static_cast<double>(length);
}
BENCHMARK(BM_LineItemsExportAllCategories)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
