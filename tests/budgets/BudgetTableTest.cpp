// Budget against actual: the rows' sums, order and states, the rounding of
// shares and amounts, "at this rate", and budgets from another year.
#include <gtest/gtest.h>

#include "budgets/BudgetCopy.h"
#include "budgets/BudgetTable.h"
#include "budgets/BudgetText.h"
#include "budgets/BudgetFixture.h"

namespace tessamo {
namespace {

struct Expected {
    std::string code;
    std::string description;
    std::int64_t budget, actual, left;
    std::optional<int> used;
    BudgetState state;
};

void ExpectRows(const std::vector<BudgetRow>& rows, const std::vector<Expected>& expected, const std::string& label) {
    ASSERT_EQ(rows.size(), expected.size()) << label;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const BudgetRow& r = rows[i];
        const Expected& e = expected[i];
        EXPECT_EQ(r.code, e.code) << label;
        EXPECT_EQ(r.description, e.description) << label << " " << e.code;
        EXPECT_TRUE(r.budget == e.budget && r.actual == e.actual && r.left == e.left) << label << " " << e.code;
        EXPECT_TRUE(r.usedTenths.value_or(-99999) == e.used.value_or(-99999)) << label << " " << e.code;
        EXPECT_EQ(r.state, e.state) << label << " " << e.code;
    }
}

TEST(BudgetRows, MonthAndYearSumsInCategoryOrderThenCodesWithoutCategory) {
    TestEnv t({3, 20, 2026});
    PutSampleYear(t);
    using S = BudgetState;
    const std::string food = "Food, \"home\"";
    std::vector<BudgetRow> rows;
    ASSERT_TRUE(LoadBudgetRows(t.state, {3, 3, false}, rows).ok());
    ExpectRows(rows,
               {{"GR", food, Money(-200), Money(-190), Money(-10), 950, S::Near},
                {"RE", "Rent", Money(-1000), Money(-1000), 0, 1000, S::Near},
                {"SA", "Salary", Money(3000), Money(2500), Money(500), 833, S::Within},
                {"ZZ", kNoCategoryText, Money(-50), 0, Money(-50), 0, S::Within}},
               "March");
    ASSERT_TRUE(LoadBudgetRows(t.state, {1, 12, false}, rows).ok());
    ExpectRows(rows,
               {{"GR", food, Money(-2400), Money(-290), Money(-2110), 121, S::Within},
                {"RE", "Rent", Money(-12000), Money(-1000), Money(-11000), 83, S::Within},
                {"SA", "Salary", Money(3000), Money(5000), Money(-2000), 1667, S::Over},
                {"ZZ", kNoCategoryText, Money(-600), 0, Money(-600), 0, S::Within}},
               "year");
    // A month with no lines; the window's rows with the categories without a budget.
    ASSERT_TRUE(LoadBudgetRows(t.state, {4, 4, true}, rows).ok());
    ExpectRows(rows,
               {{"GR", food, Money(-200), 0, Money(-200), 0, S::Within},
                {"RE", "Rent", Money(-1000), 0, Money(-1000), 0, S::Within},
                {"SA", "Salary", 0, 0, 0, std::nullopt, S::Within},
                {"FU", "Fun", 0, 0, 0, std::nullopt, S::Within},
                {"ZZ", kNoCategoryText, Money(-50), 0, Money(-50), 0, S::Within}},
               "April");
    EXPECT_FALSE(rows[2].hasBudget);
}

TEST(BudgetRows, StateFollowsTheShareWhateverTheSign) {
    const struct {
        std::int64_t budget, actual;
        BudgetState state;
    } cases[] = {{-1000, -899, BudgetState::Within}, {-1000, -900, BudgetState::Near}, {-1000, -1000, BudgetState::Near},
                 {-1000, -1001, BudgetState::Over},  {-1000, 500, BudgetState::Within},  {1000, 950, BudgetState::Near},
                 {1000, 1200, BudgetState::Over}};
    for (const auto& c : cases) {
        YearBudgets budgets;
        budgets.Set("GR", 1, c.budget);
        const LedgerLines ledger = LedgerLines::FromRecords({Line("01-02-26", "GR", c.actual)});
        const auto rows = BudgetRows(budgets, {CategoryRecord::Make("GR", "G")}, ActualSums(ledger.View(), "A"), {1, 1});
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0].state, c.state) << c.budget << " " << c.actual;
    }
}

TEST(BudgetRows, RoundingHalfAwayFromZero) {
    const struct {
        AmountSum value;
        int decimals;
        std::string cents, text;
    } cases[] = {{5000, 2, "0.50", "50.00"},      {-2000000, 2, "-200.00", "-20000.00"}, {49, 1, "0.00", "4.9"},
                 {50, 1, "0.01", "5.0"},          {-50, 1, "-0.01", "-5.0"},           {-49, 1, "0.00", "-4.9"},
                 {0, 1, "0.00", "0.0"},           {123456789, 1, "12345.68", "12345678.9"}};
    for (const auto& c : cases) {
        EXPECT_EQ(CentsText(c.value), c.cents) << static_cast<long long>(c.value);
        EXPECT_EQ(DecimalText(c.value, c.decimals), c.text) << static_cast<long long>(c.value);
    }
    EXPECT_TRUE(RoundedQuotient(-1, 2) == -1 && RoundedQuotient(1, -2) == -1 && RoundedQuotient(5, 3) == 2);
}

TEST(BudgetRows, AtThisRateScalesTodaysMonthByItsLength) {
    const struct {
        int year, month;
        CalendarDate today;
        std::optional<std::int64_t> rate;
    } cases[] = {{2024, 2, {2, 10, 2024}, Money(-290)},  // leap year: 29 days
                 {2023, 2, {2, 10, 2023}, Money(-280)},
                 {2100, 2, {2, 10, 2100}, Money(-280)},  // no leap year
                 {2000, 2, {2, 10, 2000}, Money(-290)},
                 {2026, 3, {3, 31, 2026}, Money(-100)},
                 {2026, 3, {3, 3, 2026}, Money(-1033.33)},
                 {2026, 2, {3, 3, 2026}, std::nullopt},  // another month
                 {2025, 3, {3, 3, 2026}, std::nullopt}};
    for (const auto& c : cases) {
        const auto rate = AtThisRate(Money(-100), c.year, c.month, c.today);
        EXPECT_TRUE(rate.value_or(-1) == c.rate.value_or(-1)) << c.year << "-" << c.month;
    }
}

TEST(BudgetCopy, CopyOrAverageKeepsTheYearsCodesAndNamesTheOthers) {
    const std::vector<CategoryRecord> categories = {CategoryRecord::Make("GR", "G"), CategoryRecord::Make("SA", "S"),
                                                    CategoryRecord::Make("FU", "F")};
    YearBudgets other = SampleBudgets();
    const BudgetCopy copied = CopiedBudgets(other, categories);
    EXPECT_EQ(copied.skipped, (std::vector<std::string>{"RE", "ZZ"}));
    ASSERT_EQ(copied.budgets.All().size(), 2u);
    EXPECT_EQ(*copied.budgets.Find("SA"), *other.Find("SA"));

    const LedgerLines ledger = LedgerLines::FromRecords(
        {Line("01-05-25", "GR", Money(-600)), Line("07-05-25", "GR", Money(-400)), Line("02-01-25", "SA", 6),
         Line("03-01-25", "RE", Money(-5)), Line("04-01-25", "SA", 594)});
    const BudgetCopy average = AverageBudgets(ledger.View(), "A", categories);
    EXPECT_EQ(average.skipped, std::vector<std::string>{"RE"});
    ASSERT_NE(average.budgets.Find("GR"), nullptr);
    EXPECT_EQ((*average.budgets.Find("GR"))[11], Money(-83.33));  // -1000 / 12
    EXPECT_EQ((*average.budgets.Find("SA"))[0], Money(0.01));     // 0.06 / 12 = 0.005: away from zero
    EXPECT_EQ(average.budgets.Find("FU"), nullptr);               // no lines: no budget
}

TEST(BudgetText, CsvFieldsAreQuotedOnlyWhereNeededAndNeverAFormula) {
    const std::pair<std::string, std::string> cases[] = {
        {"Rent", "Rent"}, {"Food, \"home\"", "\"Food, \"\"home\"\"\""}, {"a\nb", "\"a\nb\""},
        {"=SUM(A1)", "'=SUM(A1)"}, {"-12.50", "-12.50"}, {"", ""}};
    for (const auto& [text, field] : cases) EXPECT_EQ(CsvField(text), field) << text;
}

}  // namespace
}  // namespace tessamo
