// The macro file grammar: line classes, line ends, code/amount/note reading
// and the template.
#include <gtest/gtest.h>

#include "macros/MacroFile.h"
#include "support/ExpectedFile.h"
#include "support/TestEnv.h"

namespace tessamo {
namespace {

TEST(MacroFile, LineClassesOnTheLineAsRead) {
    EXPECT_EQ(ClassifyMacroLine("'remark"), MacroLineClass::Remark);
    EXPECT_EQ(ClassifyMacroLine(""), MacroLineClass::Empty);
    EXPECT_EQ(ClassifyMacroLine("   "), MacroLineClass::Data);
    EXPECT_EQ(ClassifyMacroLine("  'x"), MacroLineClass::Data);
    EXPECT_EQ(ClassifyMacroLine("ft"), MacroLineClass::Data);
}

TEST(MacroFile, CrLfLfAndUnterminatedFilesGiveTheSameDataLines) {
    const std::vector<std::string> expected{"ft", "-100", "   ", "  'x"};
    EXPECT_EQ(MacroDataLines("'r\r\nft\r\n\r\n-100\r\n   \r\n  'x\r\n"), expected);
    EXPECT_EQ(MacroDataLines("'r\nft\n\n-100\n   \n  'x"), expected);
    EXPECT_EQ(SplitMacroLines("a\r\n\r\nb\n"), (std::vector<std::string>{"a", "", "b"}));
}

TEST(MacroFile, CodeAmountAndNoteReading) {
    EXPECT_EQ(MacroCode("  ft "), "FT");
    EXPECT_EQ(MacroCode("x"), "X ");
    EXPECT_EQ(MacroCode("food"), "FO");
    EXPECT_EQ(MacroAmount("1,250.00"), Money(1));
    EXPECT_EQ(MacroAmount("abc"), 0);
    EXPECT_EQ(MacroAmount("$40"), 0);
    EXPECT_EQ(MacroAmount("  -45.5  "), Money(-45.5));
    EXPECT_EQ(MacroAmount("-100.00 tax"), Money(-100));
    EXPECT_EQ(MacroAmount("1.00005"), 10000);  // half to the even neighbour
    EXPECT_EQ(MacroAmount("1.00015"), 10002);
    EXPECT_EQ(MacroAmount("1E300"), std::nullopt);
    EXPECT_EQ(MacroAmount("1e400"), std::nullopt);  // beyond a double, not 0
    EXPECT_EQ(MacroAmount("-1e400"), std::nullopt);
    const std::string sixty = "  " + std::string(58, 'n');
    EXPECT_EQ(MacroNote(sixty), sixty.substr(0, 40));
    EXPECT_EQ(MacroNote("pay"), "pay" + std::string(37, ' '));
}

TEST(MacroFile, TemplateHas49CrLfLinesAndNoDataLine) {
    const std::string text = MacroTemplateText();
    EXPECT_EQ(text, ExpectedFile("macros/template.txt"));
    const auto lines = SplitMacroLines(text);
    ASSERT_EQ(lines.size(), 49u);
    EXPECT_EQ(lines[0], "'Use this template as a base for new Tessamo macro files.");
    EXPECT_EQ(lines[48], "'as many entries as you wish.");
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    std::size_t crlf = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++crlf;
    EXPECT_EQ(crlf, 49u);
    EXPECT_TRUE(MacroDataLines(text).empty());
}

}  // namespace
}  // namespace tessamo
