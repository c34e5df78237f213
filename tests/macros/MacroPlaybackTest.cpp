// Macro playback and creation against a real temporary data folder.
#include <gtest/gtest.h>

#include "macros/MacroFile.h"
#include "macros/MacroFileName.h"
#include "macros/MacroPlayback.h"
#include "support/TestEnv.h"

namespace tessamo {
namespace {

class MacroPlayback : public ::testing::Test {
protected:
    MacroPlayResult Play(const std::string& text, const std::string& date = "03-01-99") {
        t.folder.Write("pay.mcr", text);
        return PlayMacroFile(t.state, "PAY.MCR", date);
    }
    TestEnv t;
};

TEST_F(MacroPlayback, EntersEachGroupUnderThePlayDateByteForByte) {
    t.PutLedger({Line("03-20-99", "FO", Money(-1)), Line("02-01-99", "FO", Money(-2))});
    MacroPlayResult r = Play("'pay day\r\nft\r\n-100.00 tax\r\n\r\n'between lines of a group\r\n  payroll\r\n"
                             "ss\r\n 1,250.00\r\n" + std::string(60, 'n') + "\r\n");
    EXPECT_EQ(r.entered, 2);
    EXPECT_EQ(r.ignoredLines, 0u);
    EXPECT_TRUE(t.dialogs.messages.empty());
    std::string expected = EncodeRecords(std::vector<LedgerRecord>{
        Line("03-20-99", "FO", Money(-1)), Line("03-01-99", "SS", Money(1), std::string(40, 'n')),
        Line("03-01-99", "FT", Money(-100), "  payroll"), Line("02-01-99", "FO", Money(-2))});
    EXPECT_EQ(t.folder.Read("1999TSM.DAT"), expected);
    EXPECT_FALSE(t.folder.Exists(kMacroStagingFileName));
}

TEST_F(MacroPlayback, NotesOfWindowsAndUtf8FilesAreStoredAlike) {
    (void)Play("fo\n1\nCaf\xE9 r\xE9sum\xE9\n");                 // written by the old program
    (void)Play("fo\n1\nCafé résumé\n");                         // written by a Linux editor
    const auto ledger = t.Ledger();
    ASSERT_EQ(ledger.size(), 2u);
    EXPECT_EQ(ledger[0].Note, ledger[1].Note);
    EXPECT_EQ(ledger[0].Note.substr(0, 11), "Caf\xE9 r\xE9sum\xE9");
}

// A stop seen before the one write, or a binary file, enters nothing and
// leaves no staging file behind.
TEST_F(MacroPlayback, AStopOrABinaryFileEntersNothing) {
    t.PutLedger({Line("02-01-99", "FO", Money(-2))});
    const std::string ledger = t.folder.Read("1999TSM.DAT");
    const std::atomic<bool> stop{true};
    t.folder.Write("pay.mcr", "ft\n-100\ntax\n");
    const MacroPlayResult stopped = PlayMacroFile(t.state, "pay.mcr", "03-01-99", &stop);
    EXPECT_TRUE(stopped.stopped);
    EXPECT_EQ(stopped.entered, 0);

    const MacroPlayResult binary = Play(std::string("ft\n-100\nt\0x\n", 12));
    EXPECT_TRUE(binary.failed);
    EXPECT_EQ(binary.entered, 0);
    EXPECT_EQ(t.dialogs.Last().text, "PAY.MCR is not a macro file: it holds binary data. Nothing was entered.");
    EXPECT_EQ(t.folder.Read("1999TSM.DAT"), ledger);
    EXPECT_FALSE(t.folder.Exists(kMacroStagingFileName));
}

TEST_F(MacroPlayback, IncompleteLastGroupIsIgnoredAndTold) {
    const std::string six = "a\nabc\nn1\nb\n2\nn2\n";
    EXPECT_EQ(Play(six).entered, 2);
    EXPECT_TRUE(t.dialogs.messages.empty());

    MacroPlayResult seven = Play(six + "c\n");
    EXPECT_EQ(seven.entered, 2);
    EXPECT_EQ(seven.ignoredLines, 1u);
    EXPECT_EQ(t.dialogs.Last().text,
              "1 line at the end of PAY.MCR did not make a complete entry (code, amount, note) and was ignored.");

    MacroPlayResult two = Play("c\n3\n");
    EXPECT_EQ(two.entered, 0);
    EXPECT_EQ(two.ignoredLines, 2u);
    EXPECT_EQ(t.Ledger().size(), 4u);
    EXPECT_EQ(t.Ledger().back(), Line("03-01-99", "A", 0, "n1"));  // "abc" entered as an open item
}

TEST_F(MacroPlayback, LinesOfBlanksAreDataAndABlankCodeIsRefusedAlone) {
    MacroPlayResult r = Play("   \n5\nfirst\nfo\n6\nsecond\n");
    EXPECT_EQ(r.entered, 1);
    EXPECT_EQ(r.refused, 1);
    EXPECT_EQ(t.dialogs.Texts(), std::vector<std::string>{"No Category Selected"});
    ASSERT_EQ(t.Ledger().size(), 1u);
    EXPECT_EQ(t.Ledger()[0].Code, "FO");
}

TEST_F(MacroPlayback, AmountBeyondTheStoredRangeRefusesItsGroupOnly) {
    MacroPlayResult r = Play("fo\n9E20 \xE9\nbig\nfo\n2\nsmall\n");
    EXPECT_EQ(r.entered, 1);
    EXPECT_EQ(r.refused, 1);
    EXPECT_EQ(t.dialogs.Texts(), std::vector<std::string>{"Invalid Amount - 9E20 \xC3\xA9"});
    EXPECT_EQ(t.Ledger().size(), 1u);
}

TEST_F(MacroPlayback, LeftoverStagingFileAddsNothing) {
    t.folder.Write(kMacroStagingFileName, EncodeRecords(std::vector<MacroLine>(9, MacroLine::Make("zz"))));
    EXPECT_EQ(Play("fo\n1\nn\n").entered, 1);
    EXPECT_EQ(t.Ledger().size(), 1u);
    EXPECT_FALSE(t.folder.Exists(kMacroStagingFileName));
}

TEST_F(MacroPlayback, MissingFileOrFailedWriteIsReportedAndWritesNothing) {
    MacroPlayResult missing = PlayMacroFile(t.state, "none.mcr", "03-01-99");
    EXPECT_TRUE(missing.failed);
    EXPECT_EQ(t.dialogs.Last().title, "File Error");
    EXPECT_FALSE(t.folder.Exists("1999TSM.DAT"));

    t.PutLedger({Line("02-01-99", "FO", Money(-2))});
    t.files.Fail(FaultyFileSystem::Op::Replace);
    MacroPlayResult failed = Play("fo\n1\nn\nfo\n2\nn\n");
    EXPECT_TRUE(failed.failed);
    EXPECT_EQ(failed.entered, 0);
    EXPECT_EQ(t.Ledger().size(), 1u);
    t.files.Heal();
    EXPECT_FALSE(t.folder.Exists(kMacroStagingFileName));
}

TEST_F(MacroPlayback, PlayButtonChecksNameDateAndAnswer) {
    t.folder.Write("pay.mcr", "fo\n1\nn\n");
    MacroPlayResult r;
    EXPECT_EQ(PlayActiveMacro(t.state, "  ", "03-01", r), MacroPlayOutcome::NothingToDo);
    EXPECT_EQ(t.dialogs.Last().text, "Please select a macro file");
    EXPECT_EQ(t.dialogs.Last().title, "Nothing to do!");

    EXPECT_EQ(PlayActiveMacro(t.state, "pay.mcr", "13-01", r), MacroPlayOutcome::InvalidDate);
    EXPECT_EQ(t.dialogs.Last().text, "Invalid Date - 13-01-99");
    EXPECT_EQ(t.dialogs.Last().title, "Operation Aborted");

    EXPECT_EQ(PlayActiveMacro(t.state, "pay.mcr", "02-30", r), MacroPlayOutcome::Declined);  // default No
    EXPECT_EQ(t.dialogs.Last().text, "Play macro file?");
    EXPECT_FALSE(t.folder.Exists("1999TSM.DAT"));

    t.dialogs.answers.push_back(Answer::Yes);
    EXPECT_EQ(PlayActiveMacro(t.state, "pay.mcr", "02-30", r), MacroPlayOutcome::Played);
    EXPECT_EQ(r.entered, 1);
    EXPECT_EQ(t.Ledger()[0].Date, "02-30-99");
}

TEST_F(MacroPlayback, NewAppendsTheTemplateUnderTheUpperCaseName) {
    std::string editorFile;
    EXPECT_EQ(CreateMacroFile(t.state, " ", editorFile), MacroNewOutcome::NothingToDo);
    EXPECT_EQ(t.dialogs.Last().text, "Please provide a file name with no extension.");

    EXPECT_EQ(CreateMacroFile(t.state, "pay.mcr", editorFile), MacroNewOutcome::Created);
    EXPECT_EQ(editorFile, "PAY.MCR.MCR");

    t.folder.Write("Rent.mcr", "fo\r\n1\r\nn\r\n");
    EXPECT_EQ(CreateMacroFile(t.state, "rent", editorFile), MacroNewOutcome::Created);
    EXPECT_EQ(editorFile, "Rent.mcr");
    EXPECT_EQ(t.folder.Read("Rent.mcr"), "fo\r\n1\r\nn\r\n" + MacroTemplateText());
}

TEST_F(MacroPlayback, NamesLeadingOutOfTheDataFolderAreRefusedByEveryButton) {
    t.folder.Write("pay.mcr", "fo\n1\nn\n");
    for (const std::string& name : std::vector<std::string>{"../pay", "sub/pay", "c:\\pay", "pay..x", "pa\ty", std::string(252, 'p')}) {
        SCOPED_TRACE(name);
        const std::size_t shown = t.dialogs.messages.size();
        std::string editorFile;
        MacroPlayResult played;
        t.dialogs.answers.push_back(Answer::Yes);
        EXPECT_EQ(CreateMacroFile(t.state, name, editorFile), MacroNewOutcome::Refused);
        EXPECT_EQ(EditActiveMacro(t.state, name + ".mcr", editorFile), MacroEditOutcome::Refused);
        EXPECT_EQ(PlayActiveMacro(t.state, name + ".mcr", "03-01", played), MacroPlayOutcome::Refused);
        ASSERT_EQ(t.dialogs.messages.size(), shown + 3);
        EXPECT_EQ(t.dialogs.Last().title, "Entry Aborted");
        t.dialogs.answers.clear();
    }
    EXPECT_EQ(MacroFileList(t.real), std::vector<std::string>{"pay.mcr"});  // nothing written anywhere
    EXPECT_FALSE(t.folder.Exists("1999TSM.DAT"));
}

TEST_F(MacroPlayback, EditNamesTheFileOnDiskAndListsMacrosWithoutRegardToCase) {
    t.folder.Write("Rent.MCR", "");
    t.folder.Write("pay.mcr", "");
    t.folder.Write("notes.txt", "");
    std::string editorFile;
    EXPECT_EQ(EditActiveMacro(t.state, " ", editorFile), MacroEditOutcome::NothingToDo);
    EXPECT_EQ(t.dialogs.Last().text, "Please select a macro file");
    EXPECT_EQ(EditActiveMacro(t.state, "rent.mcr", editorFile), MacroEditOutcome::Open);
    EXPECT_EQ(editorFile, "Rent.MCR");
    EXPECT_EQ(MacroFileList(t.real), (std::vector<std::string>{"pay.mcr", "Rent.MCR"}));
}

}  // namespace
}  // namespace tessamo
