// The spreadsheet export against a hand-worked file: header, ISO dates of
// both styles, amounts, UTF-8 names and notes, quoting, formula notes, the
// month range and a category listed twice.
#include <gtest/gtest.h>

#include "core/RecordFile.h"
#include "export/SpreadsheetExport.h"
#include "support/ExpectedFile.h"
#include "support/TestEnv.h"

namespace tessamo {
namespace {

LineItemsExportOptions Options(int start, int end, const std::string& style) {
    LineItemsExportOptions o;
    o.startMonth = start;
    o.endMonth = end;
    o.dateStyle = style;
    o.year = "1999";
    return o;
}

TEST(SpreadsheetExport, HeaderIsoDatesPointAmountsQuotedUtf8TextsInLedgerOrder) {
    const std::vector<LedgerRecord> ledger = {
        Line("07-02-99", "FD", Money(-20), "July, outside April to June"),
        Line("06-30-99", "FD", Money(1250), "Say \"cheese\", caf\xE9"),
        Line("05-10-99", "X ", Money(-0.0001), "  padded both sides  "),
        Line("04-15-99", "RN", Money(-12.5), "=HYPERLINK(\"http://x.example/\")"),
        Line("04-01-99", "ZZ", Money(7), "Not chosen"),
        Line("04-02-99", "RN", 0, "-12.50"),
    };
    const std::vector<CategoryRecord> categories = {CategoryRecord::Make("FD", "Food & \"Drink\""),
                                                    CategoryRecord::Make("X", "Extra"),
                                                    CategoryRecord::Make("RN", "Rent"),
                                                    CategoryRecord::Make("FD", "Food & \"Drink\"")};
    EXPECT_EQ(SpreadsheetExportText(categories, EncodeRecords(ledger), Options(4, 6, "A")),
              ExpectedFile("export/spreadsheet.csv"));
    EXPECT_EQ(SpreadsheetExportText(categories, EncodeRecords(std::vector<LedgerRecord>{Line("15-04-99", "RN", Money(3), "Day first")}),
                                    Options(4, 4, "E")),
              "Date,Amount,Code,Category,Note\r\n1999-04-15,3.00,\"RN\",\"Rent\",\"Day first\"\r\n");
    EXPECT_EQ(SpreadsheetExportText(categories, EncodeRecords(ledger), Options(1, 12, "X")),
              "Date,Amount,Code,Category,Note\r\n");
}

}  // namespace
}  // namespace tessamo
