// The export window through its real controls, opened from the report
// window: the range text, the report window disabled and given back however
// the window closes, an export written, the append question, file names;
// the report window's "Export for spreadsheets…".
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QWindow>

#include "core/ReportCategoryList.h"
#include "export/CommaFileText.h"
#include "export/SpreadsheetExport.h"
#include "export/ui/frmExport.h"
#include "reports/ReportWindowHarness.h"
#include "widgets/FolderLists.h"
#include <filesystem>

using namespace tessamo;

class tst_export : public QObject {
    Q_OBJECT

    // Chooses FD and SA, April to December, and opens the export window.
    static QPointer<frmExport> OpenExport(ReportWindowHarness& h) {
        h.Add(1);
        h.Add(2);
        h.Press("rtbStartMonth", 3);
        h.window->rmnuExports->trigger();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* e = qobject_cast<frmExport*>(w); e && e->isVisible()) return e;
        return nullptr;
    }
    static std::string LineItems(ReportWindowHarness& h) {
        LineItemsExportOptions options;
        options.startMonth = 4;
        options.year = "1999";
        options.money = MoneyFormat::Reference();
        return LineItemsExportText(ReportCategoryRecords({kReportCategories[1], kReportCategories[2]}),
                                   h.env.folder.Read("1999TSM.DAT"), options);
    }

private slots:
    void opensOverTheReportWindowAndGivesItBack_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("Cancel") << 0;
        QTest::newRow("window manager") << 1;
        QTest::newRow("Escape") << 2;
    }
    void opensOverTheReportWindowAndGivesItBack() {
        QFETCH(int, how);
        ReportWindowHarness h;
        QPointer<frmExport> e = OpenExport(h);
        QVERIFY(e);
        QVERIFY(!h.window->isEnabled());
        QCOMPARE(e->windowTitle(), QStringLiteral("Data Export"));
        QCOMPARE(e->exRangeLab->text(), QStringLiteral("April through December, 1999; 2 categories."));
        QCOMPARE(e->exFileName->text(), QStringLiteral("TSM_DATA.TXT"));
        QCOMPARE(e->TargetFolder().toStdString(), h.env.folder.path());
        QCOMPARE(QStringList({e->ExportGo->text(), e->ExportGoSummary->text(), e->ExportQuit->text(),
                              e->Label1->text(), e->Label2->text()}),
                 QStringList({"All Line Items (raw)", "Category Summary", "Cancel", "files in target directory",
                              "<<<   export file name"}));
        if (how == 0) QTest::mouseClick(e->ExportQuit, Qt::LeftButton);
        if (how == 1) e->windowHandle()->close();
        if (how == 2) {
            QVERIFY(QTest::qWaitForWindowActive(e));
            QTest::keyClick(e, Qt::Key_Escape);
        }
        QTRY_VERIFY(!e);
        QVERIFY(h.window->isEnabled());
        QVERIFY(!h.env.folder.Exists(kReportCategoryFile));  // nothing left in the data folder
    }

    void exportWritesTheFileAndCloses() {
        ReportWindowHarness h;
        TempFolder out;
        QPointer<frmExport> e = OpenExport(h);
        e->SetTargetFolder(QString::fromStdString(out.path()));
        QTest::mouseClick(e->ExportGo, Qt::LeftButton);
        QCOMPARE(out.Read("TSM_DATA.TXT"), LineItems(h));
        QCOMPARE(h.env.dialogs.Last().text, "Finished! Import the comma-delimited text file:\r\n" + out.path() +
                                                "/TSM_DATA.TXT\r\ninto your spreadsheet program.");
        QTRY_VERIFY(!e);
        QVERIFY(h.window->isEnabled());
    }

    // A single click on a folder makes it the target at once.
    void aClickedFolderIsTheTarget() {
        ReportWindowHarness h;
        TempFolder out;
        std::filesystem::create_directory(out.PathOf("sheets"));
        QPointer<frmExport> e = OpenExport(h);
        e->SetTargetFolder(QString::fromStdString(out.path()));
        const QList<QListWidgetItem*> sheets = e->ExportDir->findItems(QStringLiteral("sheets"), Qt::MatchExactly);
        QCOMPARE(sheets.size(), 1);
        QTest::mouseClick(e->ExportDir->viewport(), Qt::LeftButton, {},
                          e->ExportDir->visualItemRect(sheets[0]).center());
        QTest::mouseClick(e->ExportGo, Qt::LeftButton);
        QCOMPARE(out.Read("sheets/TSM_DATA.TXT"), LineItems(h));
        QVERIFY(!out.Exists("TSM_DATA.TXT"));
    }

    void appendingIsAskedFirst() {
        ReportWindowHarness h;
        TempFolder out;
        out.Write("old.txt", "old\r\n");
        QPointer<frmExport> e = OpenExport(h);
        e->SetTargetFolder(QString::fromStdString(out.path()));
        for (Answer answer : {Answer::No, Answer::Yes}) {
            // A click on a listed file takes its name.
            auto* files = e->ExportedFiles;
            QTRY_COMPARE(files->model()->rowCount(files->rootIndex()), 1);
            e->exFileName->clear();
            QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                              files->visualRect(files->model()->index(0, 0, files->rootIndex())).center());
            QCOMPARE(e->exFileName->text(), QStringLiteral("old.txt"));
            h.env.dialogs.answers = {answer};
            QTest::mouseClick(e->ExportGoSummary, Qt::LeftButton);
            const Message& asked = h.env.dialogs.messages.at(answer == Answer::No ? 0 : 1);
            QCOMPARE(asked.text, out.path() + "/old.txt already exists!\r\nDo you wish to append this data to it?");
            QCOMPARE(asked.title, std::string("Confirm"));
            QVERIFY(asked.buttons == MessageButtons::YesNo && asked.defaultButton == Answer::No);
            if (answer == Answer::No) {
                QCOMPARE(out.Read("old.txt"), std::string("old\r\n"));
                QVERIFY(e && e->isVisible());  // the window stays open
            } else {
                QCOMPARE(out.Read("old.txt"),
                         std::string("old\r\nincome\r\n\"SA\",\" 1500 \"\r\nexpense\r\n\"FD\",\" 120 \"\r\n"));
                QTRY_VERIFY(!e);
            }
        }
    }

    // Ours, after the system's entries of the File menu: the same categories and
    // months into the file the user names, replaced after a Yes.
    void spreadsheetExportFromTheFileMenu() {
        ReportWindowHarness h;
        TempFolder out;
        out.Write("items.csv", "old\r\n");
        h.Add(1);
        h.Add(2);
        h.Press("rtbStartMonth", 3);
        frmReports& w = *h.window;
        QCOMPARE(w.rmnuFile->actions().first(), w.rmnuExit);
        QCOMPARE(w.rmnuFile->actions().last(), w.rmnuSpreadsheetExport);
        for (Answer answer : {Answer::No, Answer::Yes}) {
            h.env.dialogs.files = {out.PathOf("items.csv")};
            h.env.dialogs.answers = {answer};
            w.rmnuSpreadsheetExport->trigger();
            QCOMPARE(h.env.dialogs.messages.at(answer == Answer::No ? 0 : 1).text,
                     out.PathOf("items.csv") + " already exists!\r\nDo you wish to replace it?");
        }
        LineItemsExportOptions options;
        options.startMonth = 4;
        options.year = "1999";
        QCOMPARE(out.Read("items.csv"), SpreadsheetExportText({kReportCategories[1], kReportCategories[2]},
                                                             h.env.folder.Read("1999TSM.DAT"), options));
        QVERIFY(w.isEnabled());
    }
};

QTEST_MAIN(tst_export)
#include "tst_export.moc"
