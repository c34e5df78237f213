// Spreadsheet fields: RFC 4180 quoting and the apostrophe before a formula.
#include <gtest/gtest.h>

#include "export/SpreadsheetField.h"

namespace tessamo {
namespace {

TEST(SpreadsheetField, QuotesDoubledAndFormulasOpenAsText) {
    const struct {
        std::string_view text;
        std::string_view field;
    } cases[] = {
        {"Groceries", "\"Groceries\""},
        {"", "\"\""},
        {"Say \"cheese\", twice", "\"Say \"\"cheese\"\", twice\""},
        {"line\r\nbreak", "\"line\r\nbreak\""},
        {"=HYPERLINK(\"http://x\")", "\"'=HYPERLINK(\"\"http://x\"\")\""},
        {"  =1+1", "\"'  =1+1\""},
        {"+33 1 23", "\"'+33 1 23\""},
        {"-cash", "\"'-cash\""},
        {"@SUM(A1)", "\"'@SUM(A1)\""},
        {"\tx", "\"'\tx\""},
        {"\rx", "\"'\rx\""},
        {"-", "\"'-\""},
        {"-12.50", "\"-12.50\""},
        {" -100 ", "\" -100 \""},
        {"-.25 ", "\"-.25 \""},
        {"+7", "\"+7\""},
        {"-12,5", "\"-12,5\""},
        {"-1,234.50", "\"'-1,234.50\""},
        {"-1e5", "\"'-1e5\""},
        {"a=b", "\"a=b\""},
        {"   ", "\"   \""},
    };
    for (const auto& c : cases) {
        std::string out;
        AppendSpreadsheetField(out, c.text);
        EXPECT_EQ(out, c.field) << c.text;
        EXPECT_EQ(FormulaSafeText(c.text), (StartsFormula(c.text) ? "'" : "") + std::string(c.text));
    }
}

}  // namespace
}  // namespace tessamo
