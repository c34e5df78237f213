// Statement amounts as banks print them: each text with the exact stored
// value or the reason it is refused, read through a CSV and an OFX file of
// the text's decimal mark (the same table for both).
#include <gtest/gtest.h>

#include "import/CsvLayout.h"
#include "import/OfxStatement.h"
#include "import/StatementAmount.h"

namespace tessamo {
namespace {

struct AmountCase {
    const char* text;
    char mark;
    std::int64_t value;  // x 10000, when `reason` is empty
    const char* reason;
};

const AmountCase kCases[] = {
    {"-42.17", '.', -421700, ""},
    {"42.17-", '.', -421700, ""},
    {"+3", '.', 30000, ""},
    {"(1,234.50)", '.', -12345000, ""},
    {"1,234,567.8", '.', 12345678000, ""},
    {"1.234,56", ',', 12345600, ""},
    {".5", '.', 5000, ""},
    {"12.50000", '.', 125000, ""},
    {"\xE2\x88\x92" "12.50", '.', -125000, ""},           // U+2212 minus
    {"\xE2\x80\x93" "12.50", '.', -125000, ""},           // en dash
    {"\xE2\x80\x94" "12,50", ',', -125000, ""},           // em dash
    {"12.50 \xE2\x80\x90", '.', -125000, ""},             // hyphen after
    {"100.00 DR", '.', -1000000, ""},
    {"100.00dr", '.', -1000000, ""},
    {"100.00 Cr", '.', 1000000, ""},
    {"$-12.50", '.', -125000, ""},
    {"-$12.50", '.', -125000, ""},
    {"US$ 7", '.', 70000, ""},
    {"-3,50 \xE2\x82\xAC", ',', -35000, ""},              // euro sign
    {"\xC2\xA3" "9.99", '.', 99900, ""},                  // pound sign
    {"EUR 0,0001", ',', 1, ""},
    {"12.50 usd", '.', 125000, ""},
    {"1\xC2\xA0" "234,56", ',', 12345600, ""},            // no-break blank grouping
    {"1 234 567,89", ',', 12345678900, ""},
    {"1'234.50", '.', 12345000, ""},
    {"1.5E+03", '.', 15000000, ""},
    {"1e-2", '.', 100, ""},
    {"-2,5e1", ',', -250000, ""},
    {"922337203685477.5807", '.', 9223372036854775807, ""},
    {"12,50", '.', 0, "the grouping does not fit the decimal mark \".\""},
    {"12.50", ',', 0, "the grouping does not fit the decimal mark \",\""},
    {"1,2,3", ',', 0, "two decimal marks \",\""},
    {"1,23,456.00", '.', 0, "the grouping does not fit the decimal mark \".\""},
    {"1 234'567.8", '.', 0, "the grouping does not fit the decimal mark \".\""},
    {"1e400", '.', 0, "out of range"},
    {"1e-5", '.', 0, "not exact to a ten-thousandth"},
    {"1.5E+03 EUR", '.', 0, "letters in the number"},
    {"12A34", '.', 0, "letters in the number"},
    {"A1", '.', 0, "letters in the number"},
    {"0.00001", '.', 0, "more than four decimals"},
    {"922337203685477.5808", '.', 0, "out of range"},
    {"99999999999999999999", '.', 0, "out of range"},
    {"--5", '.', 0, "more than one sign"},
    {"-100.00 DR", '.', 0, "more than one sign"},
    {"(5", '.', 0, "unbalanced parentheses"},
    {"$5 EUR", '.', 0, "more than one currency"},
    {"12-50", '.', 0, "\"-\" in the number"},
    {"1\xE2\x80\xA2" "2", '.', 0, "the character \"\xE2\x80\xA2\""},  // bullet
    {"EUR", '.', 0, "no digits"},
    {"", '.', 0, "no amount"},
};

std::string Expected(const AmountCase& c) {
    if (!*c.reason) return std::to_string(c.value);
    return std::string("unreadable amount: ") + c.text + (*c.text ? " (" : "(") + c.reason + ")";
}

std::string Got(const Result<std::int64_t>& read) {
    return read.ok() ? std::to_string(read.value()) : read.status().reason();
}

std::string Got(const StatementLine& line) { return line.error.empty() ? std::to_string(line.amount) : line.error; }

std::vector<AmountCase> CasesOf(char mark) {
    std::vector<AmountCase> cases;
    for (const AmountCase& c : kCases)
        if (c.mark == mark) cases.push_back(c);
    return cases;
}

Statement CsvOf(const std::vector<AmountCase>& cases, char mark) {
    std::string text = "Date;Amount\r\n";
    for (const AmountCase& c : cases) text += std::string("02.03.2026;\"") + c.text + "\"\r\n";
    CsvLayout layout;
    layout.separator = ';';
    layout.decimalMark = mark;
    layout.amountColumn = 1;
    const Result<Statement> read = ReadCsvStatement(text, layout);
    EXPECT_TRUE(read.ok()) << read.status().reason();
    return read.ok() ? read.value() : Statement{};
}

Statement OfxOf(const std::vector<AmountCase>& cases) {
    std::string text = "OFXHEADER:100\r\nDATA:OFXSGML\r\nVERSION:102\r\nSECURITY:NONE\r\nENCODING:UTF-8\r\n"
                       "CHARSET:NONE\r\nCOMPRESSION:NONE\r\nOLDFILEUID:NONE\r\nNEWFILEUID:NONE\r\n\r\n"
                       "<OFX><BANKMSGSRSV1><STMTTRNRS><TRNUID>1<STMTRS><CURDEF>USD<BANKACCTFROM><BANKID>1"
                       "<ACCTID>2<ACCTTYPE>CHECKING</BANKACCTFROM><BANKTRANLIST>\r\n";
    int id = 0;
    for (const AmountCase& c : cases)
        text += std::string("<STMTTRN><TRNTYPE>OTHER<DTPOSTED>20260302<TRNAMT>") + c.text + "\r\n<FITID>T" +
                std::to_string(++id) + "<NAME>x</STMTTRN>\r\n";
    text += "</BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\r\n";
    const Result<Statement> read = ReadOfxStatement(text);
    EXPECT_TRUE(read.ok()) << read.status().reason();
    return read.ok() ? read.value() : Statement{};
}

TEST(StatementAmount, EachFormReadExactlyOrRefusedWithItsReasonInCsvAndOfx) {
    for (const char mark : {'.', ','}) {
        const std::vector<AmountCase> cases = CasesOf(mark);
        const Statement csv = CsvOf(cases, mark);
        const Statement ofx = OfxOf(cases);
        ASSERT_EQ(csv.lines.size(), cases.size());
        ASSERT_EQ(ofx.lines.size(), cases.size());
        for (std::size_t i = 0; i < cases.size(); ++i) {
            const AmountCase& c = cases[i];
            EXPECT_EQ(Got(ReadStatementAmount(c.text, c.mark)), Expected(c)) << c.text;
            EXPECT_EQ(Got(csv.lines[i]), Expected(c)) << "CSV " << c.text;
            EXPECT_EQ(csv.lines[i].lineNumber, static_cast<int>(i) + 2) << c.text;
            const std::string fitid = *c.reason ? " in transaction FITID T" + std::to_string(i + 1) : "";
            EXPECT_EQ(Got(ofx.lines[i]), Expected(c) + fitid) << "OFX " << c.text;
        }
    }
}

}  // namespace
}  // namespace tessamo
