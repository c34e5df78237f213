// Amount expressions: exact results, and each kind of refusal with its reason.
#include <gtest/gtest.h>

#include "core/AmountExpression.h"
#include "core/TypedEntry.h"
#include "support/TestEnv.h"

namespace tessamo {
namespace {

TEST(AmountExpression, WorksOutExactlyToTheTenThousandth) {
    const std::pair<const char*, std::int64_t> cases[] = {
        {"=12.50+3.20", 157000},     {"=3*4.99", 149700},        {"=(120-15)/3", 350000},
        {" = 10 / 3 * 3", 100000},   {"=2/3", 6667},             {"=0.00005", 0},  // half to even
        {"=0.00015", 2},             {"=-(2-5)*.5", 15000},      {"=1-1", 0},
        {"=922337203685477.5807", INT64_MAX},
    };
    for (const auto& [text, amount] : cases) {
        const Result<std::int64_t> r = EvaluateAmountExpression(text, MoneyFormat::Reference());
        ASSERT_TRUE(r.ok()) << text << ": " << r.status().reason();
        EXPECT_EQ(r.value(), amount) << text;
    }
}

TEST(AmountExpression, RefusesWithTheReason) {
    const std::pair<std::string, const char*> cases[] = {
        {"=1/0", "division by zero"},
        {"=5/(2-2)", "division by zero"},
        {"=922337203685477.5808", "the result is too large"},
        {"=99999999999*99999999999", "the result is too large"},
        {"=1,234.50", "\",\" at position 3 is not understood"},
        {"=1.2.3", "\".\" at position 5 is not understood"},
        {"=(1+2", "a \")\" is missing"},
        {"=3*", "the expression ends too early"},
        {"=", "the expression ends too early"},
        {"=$12", "\"$\" at position 2 is not understood"},
        {"12", "an expression begins with \"=\""},
        {"=" + std::string(200, '(') + "1" + std::string(200, ')'), "the expression is nested too deeply"},
    };
    for (const auto& [text, reason] : cases) {
        const Result<std::int64_t> r = EvaluateAmountExpression(text, MoneyFormat::Reference());
        EXPECT_FALSE(r.ok()) << text;
        EXPECT_EQ(r.status().reason(), reason) << text;
    }
    EXPECT_TRUE(IsAmountExpression("  =1"));
    EXPECT_FALSE(IsAmountExpression("1=1"));
}

// The entry editor works an expression out before saving and puts the result
// back in the box; switched off, "=" is cleaned away as the system does.
TEST(AmountExpression, TheEntryEditorReadsExpressionsWhenOn) {
    TestEnv t;
    std::string amount = " =3*4.99";
    EXPECT_EQ(ReadEditorAmount(t.state, amount), 149700);
    EXPECT_EQ(amount, "14.97");
    amount = "=1-2";
    EXPECT_FALSE(ReadEditorAmount(t.state, amount));
    EXPECT_EQ(amount, "=1-2");
    EXPECT_EQ(t.dialogs.Last().text,
              "Invalid Amount - =1-2\r\nthe result is below zero; Save INCOME or Save EXPENSE gives the sign");
    amount = "=3*4";
    EXPECT_EQ(ReadEditorAmount(t.state, amount, false), 340000);
    EXPECT_EQ(AmountExpressionPreview(t.state, "=(120-15)/3"), "= 35");
    EXPECT_EQ(AmountExpressionPreview(t.state, "=1/0"), "division by zero");
    EXPECT_EQ(AmountExpressionPreview(t.state, "12"), "");
}

}  // namespace
}  // namespace tessamo
