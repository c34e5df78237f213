// The macro controls in the real main window: showing the frame, New from the
// template, Edit and Play without a file, choosing a file, and playing it.
#include <QGroupBox>
#include <QListWidget>

#include "macros/MacroFile.h"
#include "mainscreen/MainScreenHarness.h"
#include "support/Unnamed.h"

using namespace tessamo;

namespace {

// The text editor stand-in: records what it was asked to open.
class RecordingEditor : public TextEditor {
public:
    explicit RecordingEditor(std::vector<std::string>& opened) : opened_(opened) {}
    Status Open(const std::string& path) override {
        opened_.push_back(path);
        return Status::Ok();
    }

private:
    std::vector<std::string>& opened_;
};

}  // namespace

class tst_macroframe : public QObject {
    Q_OBJECT

    // Loads the window with two categories and shows the frame with F3's command.
    static void Show(MainScreenHarness& h, std::vector<std::string>& opened) {
        h.env.PutCategories({CategoryRecord::Make("FO", "Food"), CategoryRecord::Make("FT", "Federal tax")});
        QVERIFY(h.Load());
        h.window->SetTextEditor(std::make_unique<RecordingEditor>(opened));
        h.window->ToolbarButton(QStringLiteral("tbbMacro"))->trigger();
    }
    static void ChooseFile(MainScreenHarness& h, const QString& name) {
        QListWidget* list = h.ui.MacroSelect;
        const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
        QVERIFY(!found.isEmpty());
        const QRect rect = list->visualItemRect(found.first());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }

private slots:
    void showsTodayTheYearAndTheFiles_data() {
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("date");
        QTest::newRow("month first") << "A" << "03-15";
        QTest::newRow("day first") << "E" << "15-03";
    }
    void showsTodayTheYearAndTheFiles() {
        QFETCH(QString, style);
        QFETCH(QString, date);
        MainScreenHarness h;
        h.PutSettings(0, style.toLatin1().constData());
        h.env.folder.Write("Rent.MCR", "");
        h.env.folder.Write("pay.mcr", "");
        h.env.folder.Write("notes.txt", "");
        std::vector<std::string> opened;
        Show(h, opened);
        frmMainScreen& w = *h.window;
        QVERIFY(h.ui.MacroFrame->isVisible());
        QCOMPARE(h.ui.MacroFrame->title(), QStringLiteral(" Macro Functions "));
        QCOMPARE(h.ui.MacDate->displayText(), date);
        QCOMPARE(h.ui.MacSmYr->text(), QStringLiteral("1999"));
        QVERIFY(h.ui.MacroEd->text().isEmpty());
        QVERIFY(!h.ui.MacroPlay->isEnabled() && !h.ui.MacroEdit->isEnabled() && h.ui.MacroNew->isEnabled());
        QCOMPARE(h.ui.MacroSelect->count(), 2);
        QCOMPARE(h.ui.MacroSelect->item(0)->text(), QStringLiteral("pay.mcr"));
        QCOMPARE(h.ui.MacroSelect->toolTip(), QStringLiteral("Double-click to select active macro"));
        QCOMPARE(h.ui.MacToday->toolTip(), QStringLiteral("Make Date = Today"));
        QCOMPARE(w.mnuShowMacro->shortcut(), QKeySequence(Qt::Key_F3));
        QVERIFY2(UnnamedControls(h.ui.MacroFrame).isEmpty(), qPrintable(UnnamedControls(h.ui.MacroFrame).join(' ')));
        MainScreenHarness::Type(h.ui.MacDate, "0101");
        MainScreenHarness::Click(h.ui.MacToday);
        QCOMPARE(h.ui.MacDate->displayText(), date);
        MainScreenHarness::Click(h.ui.MacroCancel);
        QVERIFY(!h.ui.MacroFrame->isVisible());
    }

    void newWritesTheTemplateAndOpensIt() {
        MainScreenHarness h;
        std::vector<std::string> opened;
        Show(h, opened);
        frmMainScreen& w = *h.window;
        MainScreenHarness::Click(h.ui.MacroNew);  // no name
        QCOMPARE(h.env.dialogs.Last().text, std::string("Please provide a file name with no extension."));
        QVERIFY(h.ui.MacroFrame->isVisible());
        QVERIFY(opened.empty());

        MainScreenHarness::Type(h.ui.MacroEd, "../pay");  // leads out of the data folder
        MainScreenHarness::Click(h.ui.MacroNew);
        QCOMPARE(h.env.dialogs.Last().title, std::string("Entry Aborted"));
        QVERIFY(h.ui.MacroFrame->isVisible());
        QVERIFY(opened.empty());

        for (int time = 1; time <= 2; ++time) {
            w.mnuShowMacro->trigger();
            MainScreenHarness::Type(h.ui.MacroEd, "pay");
            MainScreenHarness::Click(h.ui.MacroNew);
            QVERIFY(!h.ui.MacroFrame->isVisible());
            QCOMPARE(opened.back(), h.env.folder.PathOf("PAY.MCR"));
            QCOMPARE(h.ui.MacroSelect->item(0)->text(), QStringLiteral("PAY.MCR"));
        }
        QCOMPARE(h.env.folder.Read("PAY.MCR"), MacroTemplateText() + MacroTemplateText());
        QCOMPARE(h.env.dialogs.messages.size(), std::size_t(2));
    }

    void editAndPlayWithoutAFileHideTheFrame() {
        MainScreenHarness h;
        std::vector<std::string> opened;
        Show(h, opened);
        frmMainScreen& w = *h.window;
        for (QPushButton* button : {h.ui.MacroEdit, h.ui.MacroPlay}) {
            w.mnuShowMacro->trigger();
            button->setEnabled(true);  // as after a double-click, then the name is wiped
            MainScreenHarness::Click(button);
            QCOMPARE(h.env.dialogs.Last().text, std::string("Please select a macro file"));
            QCOMPARE(h.env.dialogs.Last().title, std::string("Nothing to do!"));
            QVERIFY(!h.ui.MacroFrame->isVisible());
        }
        QVERIFY(opened.empty());
    }

    void chosenFileIsEditedAndPlayed() {
        MainScreenHarness h;
        h.env.folder.Write("pay.mcr", "ft\r\n-100.00\r\npayroll deduction\r\nfo\r\n-12.5\r\nlunch\r\n");
        std::vector<std::string> opened;
        Show(h, opened);
        frmMainScreen& w = *h.window;
        ChooseFile(h, "pay.mcr");
        QCOMPARE(h.ui.MacroEd->text(), QStringLiteral("pay.mcr"));
        QVERIFY(h.ui.MacroPlay->isEnabled() && h.ui.MacroEdit->isEnabled());
        MainScreenHarness::Click(h.ui.MacroEdit);
        QCOMPARE(opened, std::vector<std::string>{h.env.folder.PathOf("pay.mcr")});
        QVERIFY(!h.ui.MacroFrame->isVisible());

        w.mnuShowMacro->trigger();
        ChooseFile(h, "pay.mcr");
        MainScreenHarness::Type(h.ui.MacDate, "1301");
        MainScreenHarness::Click(h.ui.MacroPlay);
        QCOMPARE(h.env.dialogs.Last().text, std::string("Invalid Date - 13-01-99"));
        QCOMPARE(h.env.dialogs.Last().title, std::string("Operation Aborted"));
        QVERIFY(h.ui.MacroFrame->isVisible());

        MainScreenHarness::Type(h.ui.MacDate, "0310");
        h.env.dialogs.answers = {Answer::No};
        MainScreenHarness::Click(h.ui.MacroPlay);
        QCOMPARE(h.env.dialogs.Last().text, std::string("Play macro file?"));
        QVERIFY(!h.ui.MacroFrame->isVisible());
        QVERIFY(h.env.Ledger().empty());

        w.mnuShowMacro->trigger();
        ChooseFile(h, "pay.mcr");
        MainScreenHarness::Type(h.ui.MacDate, "0310");
        h.env.dialogs.answers = {Answer::Yes};
        MainScreenHarness::Click(h.ui.MacroPlay);
        QVERIFY(!h.ui.MacroFrame->isVisible());
        QCOMPARE(w.ItemList->model()->rowCount(), 2);
        QStringList lines;
        for (int row = 0; row < 2; ++row)
            lines << MainScreenHarness::Cell(w.ItemList, row, 0) + ' ' + MainScreenHarness::Cell(w.ItemList, row, 1) +
                         ' ' + MainScreenHarness::Cell(w.ItemList, row, 3).trimmed();
        lines.sort();
        QCOMPARE(lines, (QStringList{"03-10-99 ($100.00) payroll deduction", "03-10-99 ($12.50) lunch"}));
        QVERIFY(!h.env.folder.Exists("tempmac.$$$"));
    }
};

QTEST_MAIN(tst_macroframe)
#include "tst_macroframe.moc"
