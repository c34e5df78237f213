// Byte layouts of the record files and the settings file.
#include <gtest/gtest.h>

#include "core/RecordFile.h"
#include "core/Records.h"
#include "core/Settings.h"
#include "support/TestEnv.h"

namespace tessamo {
namespace {

std::string Bytes(const LedgerRecord& r) {
    std::string out;
    r.AppendBytes(out);
    return out;
}

TEST(LedgerRecordLayout, FieldsAtTheirOffsetsLittleEndianAndPadded) {
    const std::string bytes = Bytes(LedgerRecord::Make("03-07-99", "FO", -125000, "abc"));
    ASSERT_EQ(bytes.size(), 58u);
    EXPECT_EQ(bytes.substr(0, 8), "03-07-99");
    EXPECT_EQ(bytes.substr(8, 2), "FO");
    EXPECT_EQ(bytes.substr(10, 8), std::string("\xB8\x17\xFE\xFF\xFF\xFF\xFF\xFF", 8));  // -12.5
    EXPECT_EQ(bytes.substr(18), "abc" + std::string(37, ' '));
    EXPECT_EQ(LedgerRecord::Decode(bytes.data()), LedgerRecord::Make("03-07-99", "FO", -125000, "abc"));
}

TEST(LedgerRecordLayout, LongTextIsCutToItsField) {
    const std::string note45(45, 'n');
    const std::string bytes = Bytes(LedgerRecord::Make("12-31-1999", "ABC", 0, note45));
    EXPECT_EQ(bytes.size(), 58u);
    EXPECT_EQ(bytes.substr(0, 8), "12-31-19");
    EXPECT_EQ(bytes.substr(8, 2), "AB");
    EXPECT_EQ(bytes.substr(18), std::string(40, 'n'));
}

TEST(CategoryRecordLayout, CodeThenBlankPaddedName) {
    std::string bytes;
    CategoryRecord::Make("FO", "Food").AppendBytes(bytes);
    EXPECT_EQ(bytes, "FOFood" + std::string(12, ' '));
}

TEST(RecordFiles, CountIsLengthOverRecordSizeAndPartialTailIsIgnored) {
    TestEnv t;
    std::size_t count = 99;
    EXPECT_TRUE(CountRecords<LedgerRecord>(t.files, "1999TSM.DAT", count).ok());
    EXPECT_EQ(count, 0u);  // missing file: no records
    const std::string two = EncodeRecords(std::vector<LedgerRecord>{Line("01-01-99", "AA", 1), Line("01-02-99", "BB", 2)});
    t.folder.Write("1999TSM.DAT", two + "XXXX");  // 120 bytes
    EXPECT_TRUE(CountRecords<LedgerRecord>(t.files, "1999TSM.DAT", count).ok());
    EXPECT_EQ(count, 2u);
    EXPECT_EQ(t.Ledger().size(), 2u);
    EXPECT_EQ(t.Ledger()[1].Code, "BB");
}

TEST(RecordFiles, NamesAreMatchedWithoutRegardToCase) {
    TestEnv t;
    t.folder.Write("2001cats.dat", EncodeRecords(std::vector<CategoryRecord>{CategoryRecord::Make("FO", "Food")}));
    std::vector<CategoryRecord> categories;
    ASSERT_TRUE(ReadRecords(t.files, "2001CATS.DAT", categories).ok());
    ASSERT_EQ(categories.size(), 1u);
    // A write through the other spelling lands in the existing file, not a second one.
    ASSERT_TRUE(WriteRecordAt(t.files, "2001CATS.DAT", 2, CategoryRecord::Make("HO", "House")).ok());
    EXPECT_FALSE(t.folder.Exists("2001CATS.DAT"));
    EXPECT_EQ(t.folder.Read("2001cats.dat").size(), 36u);
    // And the other way round.
    t.folder.Write("2002CATS.DAT", "");
    EXPECT_EQ(t.files.Resolve("2002cats.dat"), "2002CATS.DAT");
}

TEST(SettingsFile, NewFileHasTheDocumentedBytes) {
    TestEnv t;
    SettingsRecord s;
    ASSERT_TRUE(ReadOrCreateSettings(t.files, t.clock, s).ok());
    const std::string bytes = t.folder.Read("PERSONAL.DAT");
    ASSERT_EQ(bytes.size(), 690u);
    std::string expected(690, '\0');
    expected.replace(0, 28, "Your Name (click Options)   ");
    expected.replace(33, 60, std::string(60, ' '));
    expected[94] = '$';
    expected[95] = 'A';
    expected.replace(128, 10, "00-00-0000");
    expected.replace(138, 40, "your mom's birthday (for example)       ");
    expected.replace(630, 10, "03-15-1999");
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(s.PassCode(), 0);
    EXPECT_EQ(s.DateStyle(), "A");
}

TEST(SettingsFile, ChangingOneFieldKeepsEveryOtherByte) {
    TestEnv t;
    std::string original(690, '\0');
    for (std::size_t i = 0; i < original.size(); ++i) original[i] = static_cast<char>((i * 7 + 3) & 0xFF);
    t.folder.Write("personal.dat", original);  // found whatever its spelling
    SettingsRecord s;
    ASSERT_TRUE(ChangeSettings(t.files, t.clock, [](SettingsRecord& r) { r.SetUserName("Jo"); }, s).ok());
    std::string expected = original;
    expected.replace(0, 28, "Jo" + std::string(26, ' '));
    EXPECT_EQ(t.folder.Read("personal.dat"), expected);
    ASSERT_TRUE(ChangeSettings(t.files, t.clock, [](SettingsRecord& r) { r.SetPassCode(-2); }, s).ok());
    EXPECT_EQ(static_cast<unsigned char>(t.folder.Read("personal.dat")[31]), 0xFE);
    EXPECT_EQ(static_cast<unsigned char>(t.folder.Read("personal.dat")[32]), 0xFF);
    EXPECT_EQ(s.PassCode(), -2);
}

}  // namespace
}  // namespace tessamo
