// The years side by side over 10 years of 100,000 lines each, all codes:
// reading every year file from disk and summing it, as the years window and
// `tessamo-cli years` do, then the table's text.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "core/RecordFile.h"
#include "support/BenchFolder.h"
#include "support/LedgerGenerator.h"
#include "years/YearsTable.h"

using namespace tessamo;

namespace {

constexpr int kYears = 10;
constexpr std::size_t kRecords = 100000;

void BM_YearsTable(benchmark::State& st) {
    bench::BenchFolder folder;
    const std::string categories = EncodeRecords(bench::GenerateCategories());
    for (int year = 1990; year < 1990 + kYears; ++year) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02d", year % 100);
        const std::string y = std::to_string(year);
        RequireOk(folder.files.ReplaceWhole(y + "CATS.DAT", "tempkeys.$$$", categories));
        RequireOk(folder.files.ReplaceWhole(
            y + "TSM.DAT", "temp.$$$",
            EncodeRecords(bench::GenerateLedger(kRecords, digits, 30, static_cast<unsigned>(year)))));
    }
    for (auto _ : st) {
        const YearsTable table = BuildYearsTable(folder.files, YearsChoice{});
        if (table.years.size() != kYears) st.SkipWithError("a year is missing");
        benchmark::DoNotOptimize(YearsTableText(table, MoneyFormat::Reference()));
    }
}
BENCHMARK(BM_YearsTable)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
