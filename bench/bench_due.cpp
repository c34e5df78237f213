// What `tessamo-cli due` does over 50 schedules due over ten years, nothing
// entered yet: the schedule file read, every open date worked out and sorted,
// each macro file read once, and the listing's text.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "due/DueEntries.h"
#include "due/ScheduleFile.h"
#include "support/BenchFolder.h"

using namespace tessamo;

namespace {

constexpr int kSchedules = 50;

void BM_DueListing(benchmark::State& st) {
    bench::BenchFolder folder;
    std::vector<Schedule> schedules(kSchedules);
    for (int i = 0; i < kSchedules; ++i) {
        Schedule& s = schedules[i];
        s.macro = "M" + std::to_string(i) + ".MCR";
        s.kind = static_cast<ScheduleKind>(i % 4);
        s.day = 1 + i % 31;
        s.weekday = 1 + i % 7;
        s.months = 1 + i % 6;
        s.month = 1 + i % 12;
        s.from = {1, 1, 2016};
        RequireOk(folder.files.Append(s.macro, "'pay\r\nft\r\n-100.00\r\ntax\r\nss\r\n1250\r\nsalary\r\n"));
    }
    RequireOk(WriteSchedules(folder.files, schedules));
    std::size_t rows = 0;
    for (auto _ : st) {
        std::vector<Schedule> read;
        RequireOk(ReadSchedules(folder.files, read));
        std::vector<std::string> leftDue;
        const std::string out = DueListingText(read, {12, 31, 2025}, folder.files, leftDue);
        rows = static_cast<std::size_t>(std::count(out.begin(), out.end(), '\n'));
        benchmark::DoNotOptimize(out);
    }
    st.counters["entries"] = static_cast<double>(rows);
}
BENCHMARK(BM_DueListing)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
