// Bank statement import: a 10,000-line CSV statement read, previewed (every
// line planned against the year: rules, duplicates) and entered into a
// 100,000-line year with one durable rewrite. Budget: under 300 ms.
// An OFX statement of 50,000 lines read: under 2 s.
#include <benchmark/benchmark.h>

#include "core/RecordFile.h"
#include "import/ImportSession.h"
#include "import/OfxStatement.h"
#include "support/BenchFolder.h"
#include "support/LedgerGenerator.h"

using namespace tessamo;

namespace {

constexpr std::size_t kLedgerLines = 100000;
constexpr int kStatementLines = 10000;

// A bank's CSV export of 1999: date, payee, memo, signed amount with decimal point.
std::string StatementText() {
    static const char* const kPayees[] = {"GREENLEAF MARKET #12", "NORTHWIND PAYROLL", "Harbor Lane Rentals",
                                          "City Power & Light", "Corner Cafe", "Quickmart Grocery"};
    std::string text = "Date,Payee,Memo,Amount\n";
    for (int i = 0; i < kStatementLines; ++i)
        text += std::to_string(1 + i % 12) + "/" + std::to_string(1 + i % 28) + "/1999," + kPayees[i % 6] +
                ",\"ref " + std::to_string(i) + "\"," + (i % 6 == 1 ? "" : "-") + std::to_string(i % 900) + "." +
                std::to_string(10 + i % 90) + "\n";
    return text;
}

// The year, its categories, the rules and the statement in a fresh folder.
struct ImportFolder {
    ImportFolder() {
        RequireOk(folder.files.ReplaceWhole("1999TSM.DAT", "temp.$$$", ledger));
        RequireOk(folder.files.ReplaceWhole("1999CATS.DAT", "temp.$$$", EncodeRecords(bench::GenerateCategories())));
        RequireOk(folder.files.ReplaceWhole("statement.csv", "temp.$$$", StatementText()));
        RequireOk(folder.files.ReplaceWhole("import-rules.txt", "temp.$$$", "AA - market\nBB + payroll\nCC rent\n"));
    }
    bench::BenchFolder folder;
    const std::string ledger = EncodeRecords(bench::GenerateLedger(kLedgerLines));
    const std::string path = folder.path + "/statement.csv";
};

// What the window shows before Import: the file read, its layout guessed,
// every line planned.
void BM_PreviewStatement(benchmark::State& st) {
    ImportFolder f;
    for (auto _ : st) {
        ImportSession session(f.folder.state);
        RequireOk(session.Open(f.path, std::nullopt, {"DD", false}));
        benchmark::DoNotOptimize(session.Plan().lines.data());
    }
}
BENCHMARK(BM_PreviewStatement)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(5)->ReportAggregatesOnly(true);

// The preview and the import of every line, with the year's durable rewrite.
void BM_ImportStatement(benchmark::State& st) {
    ImportFolder f;
    bench::BenchFolder& folder = f.folder;
    const std::string& ledger = f.ledger;
    const std::string& path = f.path;
    for (auto _ : st) {
        st.PauseTiming();
        RequireOk(folder.files.ReplaceWhole("1999TSM.DAT", "temp.$$$", ledger));
        st.ResumeTiming();
        ImportSession session(folder.state);
        RequireOk(session.Open(path, std::nullopt, {"DD", false}));
        ImportCounts counts;
        if (session.Import(counts) != ImportOutcome::Done || counts.entered != kStatementLines)
            st.SkipWithError("the import did not enter every line");
    }
}
BENCHMARK(BM_ImportStatement)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(5)->ReportAggregatesOnly(true);

// An OFX 1.x statement of about 50,000 lines (6,250 transactions of eight lines).
std::string OfxText() {
    std::string text = "OFXHEADER:100\r\nDATA:OFXSGML\r\nVERSION:102\r\n\r\n<OFX>\r\n<BANKMSGSRSV1>\r\n<STMTTRNRS>\r\n"
                       "<STMTRS>\r\n<CURDEF>USD\r\n<BANKACCTFROM>\r\n<BANKID>111000025\r\n<ACCTID>4455012\r\n"
                       "</BANKACCTFROM>\r\n<BANKTRANLIST>\r\n";
    for (int i = 0; i < 6250; ++i)
        text += "<STMTTRN>\r\n<TRNTYPE>DEBIT\r\n<DTPOSTED>199903" + std::to_string(10 + i % 18) + "\r\n<TRNAMT>-" +
                std::to_string(i % 900) + "." + std::to_string(10 + i % 90) + "\r\n<FITID>" + std::to_string(i) +
                "\r\n<NAME>GREENLEAF MARKET #12\r\n<MEMO>POS PURCHASE &amp; CASH\r\n</STMTTRN>\r\n";
    return text + "</BANKTRANLIST>\r\n</STMTRS>\r\n</STMTTRNRS>\r\n</BANKMSGSRSV1>\r\n</OFX>\r\n";
}

void BM_ReadOfx50000Lines(benchmark::State& st) {
    const std::string text = OfxText();
    for (auto _ : st) {
        const Result<Statement> read = ReadOfxStatement(text);
        if (!read.ok() || read.value().lines.size() != 6250) st.SkipWithError("the statement was not read whole");
        benchmark::DoNotOptimize(read);
    }
}
BENCHMARK(BM_ReadOfx50000Lines)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
