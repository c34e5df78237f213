// The item list of the main window on a 100,000-record ledger: PopItemList
// (file read, model rebuild, totals and status texts) for all categories and
// for one, and scrolling the filled list by pages, offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>
#include <QTableView>

#include "core/RecordFile.h"
#include "mainscreen/ItemListModel.h"
#include "mainscreen/frmMainScreen.h"
#include "support/BenchFolder.h"
#include "support/LedgerGenerator.h"

using namespace tessamo;

namespace {

constexpr std::size_t kRecords = 100000;

struct LoadedWindow {
    LoadedWindow() {
        RequireOk(folder.files.ReplaceWhole("1999TSM.DAT", "temp.$$$", EncodeRecords(bench::GenerateLedger(kRecords))));
        RequireOk(folder.files.ReplaceWhole("1999CATS.DAT", "tempkeys.$$$", EncodeRecords(bench::GenerateCategories())));
        window.Form_Load();
        window.show();
        QApplication::processEvents();
    }
    bench::BenchFolder folder;
    frmMainScreen window{folder.state};
};

void PopItemListOf(benchmark::State& st, LoadedWindow& w, const std::string& category) {
    for (auto _ : st) {
        w.window.PopItemList(category);
        QApplication::processEvents();  // the repaint of the rebuilt list
    }
    st.counters["rows"] = w.window.ItemList->model()->rowCount();
}

void BM_PopItemListAll(benchmark::State& st) {
    LoadedWindow w;
    PopItemListOf(st, w, "all");
}
BENCHMARK(BM_PopItemListAll)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_PopItemListOneCategory(benchmark::State& st) {
    LoadedWindow w;
    const std::string code = w.window.ItemListData()->index(0, 2).data().toString().toStdString();
    PopItemListOf(st, w, code);
}
BENCHMARK(BM_PopItemListOneCategory)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// One page down and its repaint, walking through the whole list.
void BM_ScrollPage(benchmark::State& st) {
    LoadedWindow w;
    QScrollBar* bar = w.window.ItemList->verticalScrollBar();
    for (auto _ : st) {
        const int next = bar->value() + bar->pageStep();
        bar->setValue(next > bar->maximum() ? 0 : next);
        w.window.ItemList->viewport()->repaint();
    }
}
BENCHMARK(BM_ScrollPage)->Unit(benchmark::kMicrosecond);

}  // namespace
