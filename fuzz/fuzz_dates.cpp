// Dates and sort keys: any 8-character date and code is checked in both
// styles and keyed; swapping month and day twice gives the date back; and the
// sorter's order of a ledger made of the input is a stable, descending
// permutation of its records.
#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "Check.h"
#include "FuzzInput.h"
#include "core/DateConversion.h"
#include "core/Dates.h"
#include "reports/ReportSelection.h"
#include "tools/LedgerSorter.h"

using namespace tessamo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::string style = input.Style();
    std::vector<double> keys;
    while (true) {
        const std::string date = input.Text(8), code = input.Text(2);
        if (date.empty()) break;
        const LedgerRecord record = LedgerRecord::Make(date, code, 0, "");
        const int check = CheckDate(record.Date, style);
        FUZZ_CHECK(check == 0 || check == 1);
        // Twice swapped gives the date back, its separators made "-".
        const std::string twice = SwapMonthAndDay(SwapMonthAndDay(record.Date));
        FUZZ_CHECK(twice == record.Date.substr(0, 2) + "-" + record.Date.substr(3, 2) + "-" + record.Date.substr(6, 2));
        MonthOfDate(record.Date, style);
        keys.push_back(SortKey(record, style));
    }
    std::vector<std::size_t> order;
    const std::atomic<bool> stop{false};
    FUZZ_CHECK(SortedOrder(keys, order, nullptr, stop));
    FUZZ_CHECK(order.size() == keys.size());
    std::vector<bool> seen(keys.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        FUZZ_CHECK(order[i] < keys.size() && !seen[order[i]]);
        seen[order[i]] = true;
        if (i == 0) continue;
        const double before = keys[order[i - 1]], here = keys[order[i]];
        FUZZ_CHECK(!(before < here));
        if (before == here) FUZZ_CHECK(order[i - 1] < order[i]);
    }
    return 0;
}
