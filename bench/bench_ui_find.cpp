// The search across years over 10 years of 100,000 lines each, with a word
// and an amount range that find a few thousand lines ("rent", 100.00 to
// 5,000.00): the search itself as `tessamo-cli find` runs it, and the work
// of one keystroke in the search window (the search, the grid's rows, the
// totals), offscreen.
#include <benchmark/benchmark.h>

#include <QLineEdit>

#include "find/FindAllYears.h"
#include "find/ui/FoundLinesModel.h"
#include "find/ui/frmFindAllYears.h"
#include "support/BenchFolder.h"
#include "support/YearFolder.h"

using namespace tessamo;

namespace {

FindCriteria RentCriteria() {
    FindCriteria criteria;
    ReadFindWords("rent", criteria);
    criteria.minAmount = 100 * kAmountScale;
    criteria.maxAmount = 5000 * kAmountScale;
    return criteria;
}

void BM_FindInYears(benchmark::State& st) {
    bench::BenchFolder folder;
    bench::WriteTenYears(folder.files);
    const FindCriteria criteria = RentCriteria();
    std::size_t found = 0;
    for (auto _ : st) {
        found = FindInYears(folder.files, criteria, "A", [](FoundInYear& year) { benchmark::DoNotOptimize(year); }).count;
    }
    st.counters["found"] = static_cast<double>(found);
}
BENCHMARK(BM_FindInYears)->Unit(benchmark::kMillisecond);

// One keystroke: the amount box's text changes and the window searches.
void BM_WindowKeystroke(benchmark::State& st) {
    bench::BenchFolder folder;
    bench::WriteTenYears(folder.files);
    frmFindAllYears window(folder.state);
    window.FindWords->setText(QStringLiteral("rent"));
    window.FindMinAmount->setText(QStringLiteral("100"));
    bool odd = false;
    for (auto _ : st) {
        window.FindMaxAmount->setText((odd = !odd) ? QStringLiteral("5000") : QStringLiteral("5000.00"));
        window.RunSearch();
    }
    st.counters["rows"] = window.Results()->rowCount();
}
BENCHMARK(BM_WindowKeystroke)->Unit(benchmark::kMillisecond);

}  // namespace
