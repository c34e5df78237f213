// The search across years over 10 years of 100,000 lines each, with a word
// and an amount range that find a few thousand lines ("rent", 100.00 to
// 5,000.00): the search itself as `tessamo-cli find` runs it, and the work
// of one keystroke in the search window (the search, the grid's rows, the
// totals), offscreen. `bench_ui_find --make-folder DIR` only writes the ten
// years into DIR, for timing the command line (bench/find_cli.sh).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <cstdio>
#include <cstring>

#include "core/RecordFile.h"
#include "find/FindAllYears.h"
#include "find/ui/FoundLinesModel.h"
#include "find/ui/frmFindAllYears.h"
#include "platform/PosixFileSystem.h"
#include "support/BenchFolder.h"
#include "support/LedgerGenerator.h"

using namespace tessamo;

namespace {

constexpr int kYears = 10;
constexpr std::size_t kRecords = 100000;

void WriteYears(FileSystem& files) {
    const std::string categories = EncodeRecords(bench::GenerateCategories());
    for (int year = 1990; year < 1990 + kYears; ++year) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02d", year % 100);
        const std::string y = std::to_string(year);
        RequireOk(files.ReplaceWhole(y + "CATS.DAT", "tempkeys.$$$", categories));
        RequireOk(files.ReplaceWhole(y + "TSM.DAT", "temp.$$$",
                                     EncodeRecords(bench::GenerateLedger(kRecords, digits, 30, static_cast<unsigned>(year)))));
    }
}

FindCriteria RentCriteria() {
    FindCriteria criteria;
    ReadFindWords("rent", criteria);
    criteria.minAmount = 100 * kAmountScale;
    criteria.maxAmount = 5000 * kAmountScale;
    return criteria;
}

void BM_FindInYears(benchmark::State& st) {
    bench::BenchFolder folder;
    WriteYears(folder.files);
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
    WriteYears(folder.files);
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

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--make-folder") == 0) {
        PosixFileSystem files(argv[2]);
        WriteYears(files);
        return 0;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
