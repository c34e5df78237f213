// The report window on a 100,000-line year: View of the full report of all
// categories, from the click to the report shown in Text1 (the report built,
// put into the text box and painted), offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QToolBar>
#include <QToolButton>

#include "core/RecordFile.h"
#include "reports/ui/frmReports.h"
#include "support/BenchFolder.h"
#include "support/LedgerGenerator.h"

using namespace tessamo;

namespace {

constexpr std::size_t kRecords = 100000;

void BM_ViewFullReport(benchmark::State& st) {
    bench::BenchFolder folder;
    if (!folder.files.ReplaceWhole("1999TSM.DAT", "temp.$$$", EncodeRecords(bench::GenerateLedger(kRecords))).ok() ||
        !folder.files.ReplaceWhole("1999CATS.DAT", "tempkeys.$$$", EncodeRecords(bench::GenerateCategories())).ok()) {
        st.SkipWithError("cannot write the ledger");
        return;
    }
    QWidget owner;
    owner.resize(900, 600);
    frmReports window(folder.state, ReportCompanions{});  // no chart is opened
    window.Form_Load(owner);
    window.show();
    window.RepToolbar_ButtonClick(QStringLiteral("rtbAll"));
    window.RepToolbar_ButtonClick(QStringLiteral("rtbFull"));
    auto* view = window.RepToolbar->findChild<QToolButton*>(QStringLiteral("rtbView"));
    QApplication::processEvents();
    for (auto _ : st) {
        view->click();
        window.Text1->viewport()->repaint();
        QApplication::processEvents();
    }
    st.counters["MB"] = static_cast<double>(window.Text1->toPlainText().size()) / 1e6;
}
BENCHMARK(BM_ViewFullReport)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
