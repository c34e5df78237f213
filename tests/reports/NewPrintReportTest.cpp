// Printing the report: lines, Tabs, wrapping, pages, cancelling, failures.
#include <gtest/gtest.h>

#include "reports/NewPrintReport.h"

namespace tessamo {
namespace {

// Records the job as a list of pages of lines.
class RecordingPrinter : public Printer {
public:
    RecordingPrinter(int lines, int columns) : lines_(lines), columns_(columns) {}
    std::string Name() const override { return "Test printer"; }
    Status Start(const PrintFont& f) override {
        font = f;
        pages.assign(1, {});
        return startFailure;
    }
    int LinesPerPage() const override { return lines_; }
    int ColumnsPerLine() const override { return columns_; }
    void PrintLine(const std::string& line) override { pages.back().push_back(line); }
    void EndPage() override { pages.emplace_back(); }
    Status End() override {
        ended = true;
        return endFailure;
    }
    void Abort() override { aborted = true; }

    PrintFont font;
    std::vector<std::vector<std::string>> pages;
    bool ended = false, aborted = false;
    Status startFailure, endFailure;

private:
    int lines_, columns_;
};

class CountingProgress : public PrintProgress {
public:
    explicit CountingProgress(int cancelAfter = -1) : cancelAfter_(cancelAfter) {}
    bool PageDone(int done, int pages) override {
        calls.emplace_back(done, pages);
        return done != cancelAfter_;
    }
    std::vector<std::pair<int, int>> calls;

private:
    int cancelAfter_;
};

using Lines = std::vector<std::string>;

TEST(PrintedLines, TwoEmptyLinesThenEveryLineOfTheText) {
    const struct {
        const char* text;
        int columns;
        Lines want;
    } cases[] = {
        {"", 80, {"", "", ""}},
        {"one\r\ntwo", 80, {"", "", "one", "two"}},
        {"one\ntwo\rthree\r\n", 80, {"", "", "one", "two", "three", ""}},
        {"a\r\n\r\nb", 80, {"", "", "a", "", "b"}},
        {"abcdefghij", 4, {"", "", "abcd", "efgh", "ij"}},  // wider than the page: goes on below
        {"\xc3\xa9t\xc3\xa9s", 4, {"", "", "\xc3\xa9t\xc3\xa9s"}},  // four characters in six bytes
    };
    for (const auto& c : cases) EXPECT_EQ(PrintedLines(c.text, c.columns), c.want) << c.text;
}

TEST(PrintedLines, TabsMoveToTheNextMultipleOfEight) {
    EXPECT_EQ(ExpandTabs("ab\tc"), "ab      c");
    EXPECT_EQ(ExpandTabs("12345678\tx"), "12345678        x");
    EXPECT_EQ(ExpandTabs("\t\t"), std::string(16, ' '));
    EXPECT_EQ(ExpandTabs("\xc2\xa3" "1\tx"), "\xc2\xa3" "1      x");  // the pound sign is one column
    // A line item: the note starts at column 32 whatever the amount's width.
    const std::string item = " 03-14-99           $12.50\tbread";
    EXPECT_EQ(ExpandTabs(item).find("bread"), 32u);
}

TEST(NewPrintReport, FillsPagesInTheReportFontAndTellsEachPage) {
    RecordingPrinter printer(3, 80);
    CountingProgress progress;
    const Status r = NewPrintReport(printer, "l1\r\nl2\r\nl3\r\nl4", progress);
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(printer.font.family, "Courier New");
    EXPECT_EQ(printer.font.points, 10);
    EXPECT_EQ(printer.pages, (std::vector<Lines>{{"", "", "l1"}, {"l2", "l3", "l4"}}));
    EXPECT_TRUE(printer.ended);
    EXPECT_EQ(progress.calls, (std::vector<std::pair<int, int>>{{1, 2}, {2, 2}}));
    EXPECT_EQ(PageCount(6, 3), 2);
    EXPECT_EQ(PageCount(7, 3), 3);
    EXPECT_EQ(PageCount(0, 3), 1);
}

TEST(NewPrintReport, CancelAbortsTheJob) {
    RecordingPrinter printer(2, 80);
    CountingProgress progress(1);
    const Status r = NewPrintReport(printer, "a\nb\nc\nd", progress);
    EXPECT_TRUE(r.IsDeclined());
    EXPECT_TRUE(printer.aborted);
    EXPECT_FALSE(printer.ended);
    EXPECT_EQ(printer.pages.size(), 2u);  // the second page was begun, never finished
}

TEST(NewPrintReport, AFailingPrinterIsReportedWithItsReason) {
    for (bool atStart : {true, false}) {
        RecordingPrinter printer(60, 80);
        (atStart ? printer.startFailure : printer.endFailure) = Status::IOError("Test printer", "out of paper");
        CountingProgress progress;
        const Status r = NewPrintReport(printer, "report", progress);
        EXPECT_EQ(r.ToString(), "Test printer: out of paper");
        EXPECT_EQ(printer.ended, !atStart);
    }
}

}  // namespace
}  // namespace tessamo
