// Statements made to hold the program: each is refused with a message that
// names the limit (or read in one pass), never planned.
#include <gtest/gtest.h>

#include <filesystem>

#include "import/StatementFile.h"
#include "platform/PosixFileSystem.h"
#include "support/TempFolder.h"

namespace tessamo {
namespace {

std::string Repeat(const std::string& piece, std::size_t times) {
    std::string text;
    text.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i) text += piece;
    return text;
}

const std::string kOfxStart = "OFXHEADER:100\r\n\r\n<OFX><BANKMSGSRSV1><STMTTRNRS><STMTRS><BANKTRANLIST>\r\n";

TEST(HostileStatement, RefusedWithTheLimitItBreaksOrReadInOnePass) {
    const struct {
        const char* name;
        std::string bytes;
        const char* refusal;  // how the refusal begins; "" when the content decides
    } cases[] = {
        {"long-line.csv", "Date,Amount\n01.02.2026," + std::string((1 << 20) + 1, '1') + "\n",
         "line 2 is longer than 1 MiB, the import's limit; nothing was read"},
        {"deep.ofx", kOfxStart + Repeat("<A>\n", 300), "the OFX is nested deeper than 256 levels"},
        {"long-value.ofx", kOfxStart + "<STMTTRN><NAME>" + std::string((1 << 20) + 1, 'x'),
         "line 4 holds a value longer than 1 MiB"},
        {"stray-brackets.ofx", kOfxStart + Repeat("<", 1 << 22) + ">", ""},
        {"open-comments.ofx", kOfxStart + Repeat("<!--", 1 << 20), ""},
        {"binary.csv", Repeat(std::string("\0\xFF<\"\r\n,;\t", 9), 1 << 16), ""},
    };
    TempFolder folder;
    const PosixFileSystem files(folder.path());
    for (const auto& c : cases) {
        folder.Write(c.name, c.bytes);
        LoadedStatement loaded;
        ASSERT_TRUE(LoadStatement(files, folder.PathOf(c.name), {}, loaded).ok()) << c.name;
        EXPECT_EQ(loaded.readError.substr(0, std::string(c.refusal).size()), c.refusal) << c.name;
        EXPECT_TRUE(!*c.refusal || loaded.statement.lines.empty()) << c.name;
    }
}

TEST(HostileStatement, AFileBeyondTheSizeLimitIsNotRead) {
    TempFolder folder;
    folder.Write("huge.csv", "");
    std::filesystem::resize_file(folder.PathOf("huge.csv"), (64u << 20) + 1);  // sparse: nothing is written
    LoadedStatement loaded;
    const Status s = LoadStatement(PosixFileSystem(folder.path()), folder.PathOf("huge.csv"), {}, loaded);
    EXPECT_EQ(s.ToString(), folder.PathOf("huge.csv") +
                                ": the statement is larger than 64 MiB, the import's limit; nothing was read");
    EXPECT_TRUE(loaded.bytes.empty());
}

}  // namespace
}  // namespace tessamo
