// The files the windows write outside the data folder (the export window's
// export, the report's PDF, a chart's PDF and PNG) under a file system that
// fails at open, write, fsync or rename: the user is told the file's name and
// the system's reason, and the target folder keeps what it held.
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <cerrno>
#include <cstring>
#include <functional>

#include "charts/ui/ChartWindow.h"
#include "export/ui/frmExport.h"
#include "reports/ReportWindowHarness.h"

using namespace tessamo;

namespace {

using Step = FaultyFileSystem::Step;

template <class Window>
Window* ShownWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<Window*>(w); window && window->isVisible()) return window;
    return nullptr;
}

// Readies the window that saves (the faults not yet armed) and returns what saves `file`.
using Save = std::function<void(const std::string& file)>;
using Ready = std::function<Save(ReportWindowHarness&)>;

Save ExportWindow(ReportWindowHarness& h) {
    h.window->rmnuExports->trigger();
    frmExport* e = ShownWindow<frmExport>();
    return [e](const std::string& file) {
        const QString path = QString::fromStdString(file);
        e->SetTargetFolder(QFileInfo(path).path());
        e->exFileName->setText(QFileInfo(path).fileName());
        e->ExportGo->click();
    };
}

Save ReportPdf(ReportWindowHarness& h) {
    h.Press("rtbView");
    return [&h](const std::string& file) {
        h.env.dialogs.files = {file};
        h.window->rmnuSavePdf->trigger();
    };
}

Save Chart(ReportWindowHarness& h, bool png) {
    h.window->mnuChartReport->trigger();
    ChartWindow* chart = ShownWindow<ChartWindow>();
    return [&h, chart, png](const std::string& file) {
        h.env.dialogs.files = {file};
        png ? chart->SaveAsPng() : chart->SaveAsPdf();
    };
}

}  // namespace

Q_DECLARE_METATYPE(Ready)

class tst_windowfaults : public QObject {
    Q_OBJECT
private slots:
    void failuresAreToldAndLeaveTheTargetFolder_data() {
        QTest::addColumn<Ready>("ready");
        QTest::addColumn<QString>("file");
        QTest::newRow("export window") << Ready(ExportWindow) << QStringLiteral("items.txt");
        QTest::newRow("report PDF") << Ready(ReportPdf) << QStringLiteral("report.pdf");
        QTest::newRow("chart PDF") << Ready([](ReportWindowHarness& h) { return Chart(h, false); })
                                   << QStringLiteral("chart.pdf");
        QTest::newRow("chart PNG") << Ready([](ReportWindowHarness& h) { return Chart(h, true); })
                                   << QStringLiteral("chart.png");
    }
    void failuresAreToldAndLeaveTheTargetFolder() {
        QFETCH(Ready, ready);
        QFETCH(QString, file);
        for (Step step : {Step::Open, Step::Write, Step::Sync, Step::Rename}) {
            for (int error : {ENOSPC, EIO}) {
                ReportWindowHarness h;
                TempFolder out;
                out.Write("kept.txt", "kept");
                h.Add(1);
                const Save save = ready(h);
                h.env.files.FailAt(step, error);
                save(out.PathOf(file.toStdString()));

                const std::vector<std::string>& failed = h.env.files.FailedFiles();
                QVERIFY(!failed.empty());
                const Message& told = h.env.dialogs.Last();
                QVERIFY2(told.text.find(failed.front()) != std::string::npos &&
                             told.text.find(std::strerror(error)) != std::string::npos,
                         told.text.c_str());
                QCOMPARE(QDir(QString::fromStdString(out.path())).entryList(QDir::Files | QDir::Hidden),
                         QStringList{QStringLiteral("kept.txt")});
                QCOMPARE(out.Read("kept.txt"), std::string("kept"));
            }
        }
    }
};

QTEST_MAIN(tst_windowfaults)
#include "tst_windowfaults.moc"
