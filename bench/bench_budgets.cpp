// The budgets of a 100,000-line year over 30 categories, each with a budget:
// the budget window's refresh from the ledger the main window holds (one
// pass summing every line, the month's and the year's rows, "at this rate"),
// and the command line's "budget", which also reads the three files and
// makes the table's text.
#include <benchmark/benchmark.h>

#include "budgets/BudgetOverview.h"
#include "budgets/BudgetText.h"
#include "core/RecordFile.h"
#include "support/BenchFolder.h"
#include "support/LedgerGenerator.h"

using namespace tessamo;

namespace {

constexpr std::size_t kRecords = 100000;

YearBudgets BudgetsFor(const std::vector<CategoryRecord>& categories) {
    YearBudgets budgets;
    std::int64_t amount = 100 * kAmountScale;
    for (const CategoryRecord& category : categories) budgets.Set(category.Code, 0, -(amount += 10 * kAmountScale));
    return budgets;
}

void BM_BudgetWindowRefresh(benchmark::State& st) {
    const std::vector<CategoryRecord> categories = bench::GenerateCategories();
    const LedgerLines ledger = LedgerLines::FromRecords(bench::GenerateLedger(kRecords));
    const YearBudgets budgets = BudgetsFor(categories);
    for (auto _ : st) {
        const BudgetOverview overview =
            MakeBudgetOverview(budgets, categories, ledger.View(), "A", 1999, 3, CalendarDate{3, 15, 1999});
        if (overview.lines.size() != categories.size()) st.SkipWithError("a category is missing");
        benchmark::DoNotOptimize(overview);
    }
}
BENCHMARK(BM_BudgetWindowRefresh)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_BudgetCommand(benchmark::State& st) {
    bench::BenchFolder folder;
    const std::vector<CategoryRecord> categories = bench::GenerateCategories();
    RequireOk(folder.files.ReplaceWhole("1999CATS.DAT", "tempkeys.$$$", EncodeRecords(categories)));
    RequireOk(folder.files.ReplaceWhole("1999TSM.DAT", "temp.$$$", EncodeRecords(bench::GenerateLedger(kRecords))));
    RequireOk(SaveBudgets(folder.files, "1999", BudgetsFor(categories), "Budgets"));
    for (auto _ : st) {
        std::vector<BudgetRow> rows;
        RequireOk(LoadBudgetRows(folder.state, {1, 12, false}, rows));
        benchmark::DoNotOptimize(BudgetTableText(rows, MoneyFormat::Reference()));
    }
}
BENCHMARK(BM_BudgetCommand)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
