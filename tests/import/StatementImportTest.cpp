// Statement files of six CSV layouts and three OFX files entered into a
// year: the exact ledger bytes that result.
#include "import/ImportFixture.h"

namespace tessamo {
namespace {

struct ImportCase {
    const char* file;
    std::size_t entered;
    std::size_t skipped;
};

void PrintTo(const ImportCase& c, std::ostream* os) { *os << c.file; }

class StatementFiles : public ImportTest, public ::testing::WithParamInterface<ImportCase> {};

TEST_P(StatementFiles, EnterTheExpectedLedger) {
    const ImportCase& c = GetParam();
    const ImportCounts counts = Enter(Plan(Read(c.file)));
    EXPECT_EQ(counts.entered, c.entered);
    EXPECT_EQ(counts.skipped, c.skipped);
    EXPECT_EQ(counts.refused, 0u);
    EXPECT_EQ(t.folder.Read("2026TSM.DAT"), LedgerBytes(ExpectedFile(std::string("import/expected/") + c.file + ".txt")));
}

INSTANTIATE_TEST_SUITE_P(Layouts, StatementFiles,
                         ::testing::Values(ImportCase{"comma_point.csv", 4, 0}, ImportCase{"semicolon_comma.csv", 4, 0},
                                           ImportCase{"debit_credit.csv", 4, 0}, ImportCase{"no_header.csv", 4, 0},
                                           ImportCase{"bom_linebreak.csv", 4, 0}, ImportCase{"parentheses.csv", 4, 0},
                                           ImportCase{"bank_102.ofx", 4, 0}, ImportCase{"card_151.qfx", 3, 1},
                                           ImportCase{"bank_200.ofx", 3, 0}),
                         [](const auto& info) {
                             std::string name = info.param.file;
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return name;
                         });

}  // namespace
}  // namespace tessamo
