// The report window's choice: month wrapping, the category list without
// doubles, removal by row.
#include <gtest/gtest.h>

#include "reports/ReportWindowState.h"
#include "support/TestEnv.h"

namespace tessamo {
namespace {

struct MonthCase {
    int start, end;
    bool pushStart;  // Start pressed, else End
    int wantStart, wantEnd;
};

TEST(ReportWindowState, StartAndEndWrapAndDragTheOtherMonth) {
    const MonthCase cases[] = {
        {12, 12, true, 1, 12},  // wraps to January, the end stays
        {6, 6, true, 7, 7},     // passes the end: the end follows
        {1, 12, true, 2, 12},
        {1, 1, false, 1, 12},   // wraps to December, the start stays
        {3, 3, false, 2, 2},    // falls below the start: the start follows
        {1, 12, false, 1, 11},
    };
    for (const MonthCase& c : cases) {
        TestEnv t;
        ReportWindowState choice(t.state);
        t.state.RepStartMonth = c.start;
        t.state.RepEndMonth = c.end;
        c.pushStart ? choice.PushStartMonth() : choice.PullEndMonth();
        EXPECT_EQ(choice.StartMonth(), c.wantStart) << c.start << "/" << c.end << " " << c.pushStart;
        EXPECT_EQ(choice.EndMonth(), c.wantEnd) << c.start << "/" << c.end << " " << c.pushStart;
    }
}

TEST(ReportWindowState, ACodeStandsOnTheListOnce) {
    TestEnv t;
    ReportWindowState choice(t.state);
    const CategoryRecord food = CategoryRecord::Make("FD", "Food");
    const CategoryRecord salary = CategoryRecord::Make("SA", "Salary");
    EXPECT_TRUE(choice.Add(food));
    EXPECT_TRUE(choice.Add(salary));
    EXPECT_FALSE(choice.Add(CategoryRecord::Make("FD", "Other name")));
    EXPECT_EQ(choice.Categories(), (std::vector<CategoryRecord>{food, salary}));

    choice.ChooseAll({salary, food, salary});  // a doubled code in the file counts once too
    EXPECT_EQ(choice.Categories(), (std::vector<CategoryRecord>{salary, food}));
}

TEST(ReportWindowState, TheFirstRowEmptiesTheListALaterRowGoesAlone) {
    TestEnv t;
    ReportWindowState choice(t.state);
    const std::vector<CategoryRecord> three = {CategoryRecord::Make("A", "a"), CategoryRecord::Make("B", "b"),
                                               CategoryRecord::Make("C", "c")};
    choice.ChooseAll(three);
    EXPECT_FALSE(choice.RemoveRow(3));
    EXPECT_EQ(CodesOf(choice.Categories()), (std::vector<std::string>{"A ", "B "}));
    EXPECT_FALSE(choice.RemoveRow(9));  // no such row: nothing changes
    EXPECT_EQ(choice.Categories().size(), 2u);
    for (int row : {1, 0}) {
        choice.ChooseAll(three);
        EXPECT_TRUE(choice.RemoveRow(row));
        EXPECT_TRUE(choice.Categories().empty());
    }
}

TEST(ReportWindowState, ResetRestoresTheOpeningChoice) {
    TestEnv t;
    ReportWindowState choice(t.state);
    t.state.RepStartMonth = 4;
    t.state.RepEndMonth = 5;
    choice.SetReportType("F");
    choice.Add(CategoryRecord::Make("FD", "Food"));
    choice.Reset();
    EXPECT_EQ(t.state.RepStartMonth, 1);
    EXPECT_EQ(t.state.RepEndMonth, 12);
    EXPECT_EQ(choice.ReportType(), "");
    EXPECT_TRUE(choice.Categories().empty());
}

}  // namespace
}  // namespace tessamo
