// The report and both exports built from a random ledger and category list
// under random options: month range, full or summary, date style, money
// format. Ledgers hold any amounts a file may hold.
#include <cstdint>
#include <string>
#include <vector>

#include "Check.h"
#include "FuzzInput.h"
#include "core/RecordFile.h"
#include "export/CommaFileText.h"
#include "reports/ReportText.h"

using namespace tessamo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    ReportOptions options;
    options.startMonth = input.Byte() % 12 + 1;
    options.endMonth = input.Byte() % 12 + 1;
    options.reportType = input.Byte() & 1 ? "F" : "S";
    options.dateStyle = input.Style();
    options.money = input.Money();
    options.userName = std::string(28, ' ');
    options.today = {3, 15, 1999};
    options.ledgerFileName = "1999TSM.DAT";

    // The category list as the report reads it: a blank first record, then
    // the chosen categories.
    std::vector<CategoryRecord> categories{CategoryRecord{}};
    const std::string listed = input.Field();
    for (std::size_t at = 0; at + CategoryRecord::kSize <= listed.size(); at += CategoryRecord::kSize)
        categories.push_back(CategoryRecord::Decode(listed.data() + at));
    const std::string ledger = input.Rest();

    const ReportText report = BuildReport(categories, ledger, options);
    FUZZ_CHECK(report.text.size() >= 5 && report.text.substr(report.text.size() - 5) == "  END");
    LineItemsExportOptions exportOptions{options.startMonth, options.endMonth, options.dateStyle, "1999",
                                         options.money};
    const std::string lines = LineItemsExportText(categories, ledger, exportOptions);
    FUZZ_CHECK(lines.empty() || lines.substr(lines.size() - 2) == "\r\n");
    SummaryExportText(categories, ledger, options.money);
    return 0;
}
