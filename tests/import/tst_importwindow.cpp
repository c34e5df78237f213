// The import window over a prepared 2026 folder: settings guessed and
// changed with a live preview, ticks by keyboard, a rule from a line,
// Import and Cancel; and its entry at the end of the main window's File menu.
#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

#include <fstream>
#include <sstream>

#include <QPlainTextEdit>
#include <QPointer>

#include "core/RecordFile.h"
#include "import/ui/ImportRulesEditor.h"
#include "import/ui/ImportWindow.h"
#include "mainscreen/MainScreenHarness.h"
#include "support/Unnamed.h"
#include "widgets/OwnedWindow.h"

using namespace tessamo;

namespace {

std::string DataFile(const std::string& name) {
    std::ifstream in(std::string(TESSAMO_TEST_DATA) + "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

}  // namespace

class tst_importwindow : public QObject {
    Q_OBJECT

    struct Folder {
        Folder() {
            env.PutCategories({CategoryRecord::Make("FE", "Fees"), CategoryRecord::Make("GR", "Groceries"),
                               CategoryRecord::Make("MI", "Misc"), CategoryRecord::Make("RE", "Rent"),
                               CategoryRecord::Make("SA", "Salary")});
            env.folder.Write("import-rules.txt", DataFile("import/rules.txt"));
        }
        std::unique_ptr<ImportWindow> Open(const char* file) {
            auto window = std::make_unique<ImportWindow>(env.state);
            // Fails the test on a change the preview model reports wrongly.
            new QAbstractItemModelTester(window->PreviewTable->model(),
                                         QAbstractItemModelTester::FailureReportingMode::QtTest, window.get());
            const bool opened = window->OpenStatement(QString::fromStdString(std::string(TESSAMO_TEST_DATA) + "/import/" + file));
            window->show();
            return opened ? std::move(window) : nullptr;
        }
        TestEnv env{{3, 20, 2026}};
    };

    static QString Cell(QTableView* grid, int row, int column) {
        return grid->model()->index(row, column).data().toString();
    }

private slots:
    void guessesTheSettingsAndPreviewsEveryLine() {
        Folder f;
        auto w = f.Open("comma_point.csv");
        QVERIFY(w);
        QVERIFY2(UnnamedControls(w.get()).isEmpty(), qPrintable(UnnamedControls(w.get()).join(' ')));
        QCOMPARE(w->SeparatorChoice->currentText(), QStringLiteral("Comma"));
        QVERIFY(w->HeaderRow->isChecked());
        QCOMPARE(w->DateOrderChoice->currentIndex(), static_cast<int>(DateOrder::MonthDayYear));
        QCOMPARE(w->AmountColumnChoice->currentText(), QStringLiteral("3: Amount"));
        QCOMPARE(w->FirstRows->rowCount(), 5);
        QCOMPARE(w->PreviewTable->model()->rowCount(), 4);
        QCOMPARE(Cell(w->PreviewTable, 3, 4), QStringLiteral(""));  // Corner Café: no rule, no default code
        QCOMPARE(w->PreviewSummary->text(), QStringLiteral("3 to enter, 0 duplicate, 0 other year, 0 bad."));
        w->DefaultCode->setCurrentIndex(w->DefaultCode->findData(QStringLiteral("MI")));
        QCOMPARE(Cell(w->PreviewTable, 3, 4), QStringLiteral("MI"));
        QCOMPARE(w->PreviewSummary->text(), QStringLiteral("4 to enter, 0 duplicate, 0 other year, 0 bad."));

        // Another separator splits the rows anew at once.
        w->SeparatorChoice->setCurrentIndex(1);
        QCOMPARE(w->FirstRows->columnCount(), 1);
        QCOMPARE(w->PreviewSummary->text(), QStringLiteral("0 to enter, 0 duplicate, 0 other year, 4 bad."));
        w->SeparatorChoice->setCurrentIndex(0);
        QCOMPARE(w->PreviewSummary->text(), QStringLiteral("4 to enter, 0 duplicate, 0 other year, 0 bad."));
    }

    void ticksByKeyboardAndImportsTheTickedLines() {
        Folder f;
        auto w = f.Open("bank_102.ofx");
        QVERIFY(w);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QVERIFY(!w->SeparatorChoice->isEnabled());
        w->PreviewTable->setFocus();
        w->PreviewTable->setCurrentIndex(w->PreviewTable->model()->index(0, 0));
        QTest::keyClick(w->PreviewTable, Qt::Key_Down);
        QTest::keyClick(w->PreviewTable, Qt::Key_Space);
        QCOMPARE(w->PreviewSummary->text(), QStringLiteral("3 to enter, 0 duplicate, 0 other year, 0 bad."));
        QTest::keyClick(w->PreviewTable, Qt::Key_I, Qt::AltModifier);  // &Import, pressed as a click is
        QTRY_VERIFY(!f.env.dialogs.messages.empty());
        QCOMPARE(f.env.dialogs.Last().text, std::string("3 entered, 1 skipped, 0 refused."));
        QCOMPARE(f.env.Ledger().size(), std::size_t(3));
        QVERIFY(!w->isVisible());
    }

    void ruleFromALineFilesItsPayeeForGood() {
        Folder f;
        auto w = f.Open("comma_point.csv");
        QVERIFY(w);
        w->PreviewTable->setCurrentIndex(w->PreviewTable->model()->index(3, 0));
        f.env.dialogs.inputs = {std::string("gr")};
        w->RuleFromLine->click();
        QCOMPARE(f.env.dialogs.prompts.back().prompt, std::string("Always file \"Corner Caf\xC3\xA9\" under which code?"));
        QCOMPARE(f.env.folder.Read("import-rules.txt"), DataFile("import/rules.txt") + "GR - Corner Caf\xC3\xA9\n");
        QCOMPARE(Cell(w->PreviewTable, 3, 4), QStringLiteral("GR"));
    }

    void theRulesAreEditedByKeyboardAndCheckedBeforeSaving() {
        Folder f;
        const std::string rules = f.env.folder.Read("import-rules.txt");
        auto w = f.Open("comma_point.csv");
        QVERIFY(w);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        w->PreviewTable->setFocus();
        QTRY_VERIFY(w->PreviewTable->hasFocus());
        QTest::keyClick(w->PreviewTable, Qt::Key_T, Qt::AltModifier);  // pressed as a click is
        QTRY_VERIFY(w->findChild<ImportRulesEditor*>());
        QPointer<ImportRulesEditor> editor = w->findChild<ImportRulesEditor*>();
        QVERIFY(QTest::qWaitForWindowActive(editor));
        QTRY_VERIFY(editor->RulesText->hasFocus());  // the shortcuts go where the focus is
        QVERIFY2(UnnamedControls(editor).isEmpty(), qPrintable(UnnamedControls(editor).join(' ')));
        QTest::keyClick(editor->RulesText, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(editor->RulesText, "ABC caf");
        QTest::keyClick(editor->RulesText, Qt::Key_S, Qt::ControlModifier);
        QTRY_COMPARE(f.env.dialogs.messages.size(), std::size_t(1));
        QCOMPARE(f.env.dialogs.Last().text,
                 std::string("import-rules.txt, line 8: \"ABC\" is not a code of one or two characters"));
        QCOMPARE(editor->CursorLine->text(), QStringLiteral("Line 8 of 8"));
        QCOMPARE(f.env.folder.Read("import-rules.txt"), rules);
        QVERIFY(editor->isVisible());

        QTRY_VERIFY(editor->RulesText->hasFocus());
        QTest::keyClicks(editor->RulesText, "mi caf");  // replaces the bad line, which is selected
        QTest::keyClick(editor->RulesText, Qt::Key_S, Qt::AltModifier);
        QTRY_VERIFY(editor.isNull());  // closed and gone
        QCOMPARE(f.env.folder.Read("import-rules.txt"), rules + "mi caf\n");
        QCOMPARE(Cell(w->PreviewTable, 3, 4), QStringLiteral("MI"));

        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        w->PreviewTable->setFocus();
        QTRY_VERIFY(w->PreviewTable->hasFocus());
        QTest::keyClick(w->PreviewTable, Qt::Key_T, Qt::AltModifier);
        QTRY_VERIFY(w->findChild<ImportRulesEditor*>());
        editor = w->findChild<ImportRulesEditor*>();
        QVERIFY(QTest::qWaitForWindowActive(editor));
        QTRY_VERIFY(editor->RulesText->hasFocus());
        QTest::keyClicks(editor->RulesText, "GR x");
        QTest::keyClick(editor->RulesText, Qt::Key_Escape);
        QTRY_VERIFY(!w->findChild<ImportRulesEditor*>());
        QCOMPARE(f.env.folder.Read("import-rules.txt"), rules + "mi caf\n");
    }

    void importOffersToCreateACodeTheYearLacks() {
        Folder f;
        f.env.folder.Write("import-rules.txt", "ZZ - caf\n");
        auto w = f.Open("comma_point.csv");
        QVERIFY(w);
        w->DefaultCode->setCurrentIndex(w->DefaultCode->findData(QStringLiteral("MI")));
        QCOMPARE(w->PreviewSummary->text(),
                 QStringLiteral("3 to enter, 0 duplicate, 0 other year, 0 bad. 1 wait for a new category (offered on Import)."));
        QCOMPARE(Cell(w->PreviewTable, 3, 7), QStringLiteral("no category \"ZZ\" in 2026CATS.DAT"));
        const std::string categories = f.env.folder.Read("2026CATS.DAT");
        f.env.dialogs.inputs = {std::string(" "), std::string("Snacks")};  // a blank name is refused and asked again
        w->ImportButton->click();
        QCOMPARE(f.env.dialogs.prompts.size(), std::size_t(2));
        QCOMPARE(f.env.dialogs.prompts[0].prompt,
                 std::string("1 line goes under the code \"ZZ\", which 2026CATS.DAT does not have.\r\n"
                             "Name of the new category (Cancel leaves those lines out):"));
        QCOMPARE(f.env.dialogs.messages.at(0).text, std::string("No category name!"));
        QCOMPARE(f.env.dialogs.Last().text, std::string("4 entered, 0 skipped, 0 refused."));
        QCOMPARE(f.env.folder.Read("2026CATS.DAT"),
                 categories + EncodeRecords(std::vector<CategoryRecord>{CategoryRecord::Make("ZZ", "Snacks")}));
        QCOMPARE(f.env.Ledger().size(), std::size_t(4));
    }

    void cancelLeavesEveryFileAsItWas() {
        Folder f;
        const std::string rules = f.env.folder.Read("import-rules.txt");
        auto w = f.Open("card_151.qfx");
        QVERIFY(w);
        w->DefaultCode->setCurrentIndex(w->DefaultCode->findData(QStringLiteral("MI")));
        w->OtherYears->setChecked(true);
        QCOMPARE(w->PreviewSummary->text(), QStringLiteral("4 to enter, 0 duplicate, 1 other year, 0 bad."));
        QTest::mouseClick(w->CancelButton, Qt::LeftButton);
        QVERIFY(!w->isVisible());
        QVERIFY(!f.env.folder.Exists("2026TSM.DAT") && !f.env.folder.Exists("2025TSM.DAT"));
        QCOMPARE(f.env.folder.Read("import-rules.txt"), rules);
    }

    void opensFromTheEndOfTheFileMenu() {
        MainScreenHarness h;
        QVERIFY(h.Load());
        const QList<QAction*> file = h.window->mnuFile->actions();
        // Right after the system's last entry; what is added later follows it.
        QCOMPARE(file.at(file.indexOf(h.window->mnuExit) + 1)->text(), QString::fromUtf8("Import bank statement\u2026"));
        // The statement is chosen through the dialogs: a cancelled chooser opens nothing.
        h.window->mnuImport->trigger();
        QVERIFY(!RaiseOpenWindow<ImportWindow>(h.window.get()));
        h.env.dialogs.files.push_back(std::string(TESSAMO_TEST_DATA) + "/import/bank_200.ofx");
        h.window->mnuImport->trigger();
        QCOMPARE(h.env.dialogs.choosers.size(), std::size_t(2));
        QVERIFY(h.env.dialogs.choosers.back().kind == ChooserKind::OpenFile);
        auto* w = RaiseOpenWindow<ImportWindow>(h.window.get());
        QVERIFY(w);
        QVERIFY(!h.window->isEnabled());
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QCOMPARE(w->PreviewSummary->text(), QStringLiteral("0 to enter, 0 duplicate, 3 other year, 0 bad."));
        QTest::keyClick(w, Qt::Key_Escape);
        QVERIFY(h.window->isEnabled());
        QVERIFY(!h.window->OpenImportWindow(QStringLiteral("/nonexistent/statement.csv")));
        QCOMPARE(h.env.dialogs.messages.size(), std::size_t(1));
    }
};

QTEST_MAIN(tst_importwindow)
#include "tst_importwindow.moc"
