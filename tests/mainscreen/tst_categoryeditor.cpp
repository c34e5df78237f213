// The category editor in the real main window: new, duplicate, change code,
// change description, delete with and without the lines, nothing selected.
#include <QGroupBox>
#include <QToolBar>

#include "mainscreen/MainScreenHarness.h"

using namespace tessamo;

namespace {

std::vector<CategoryRecord> Categories() {
    return {CategoryRecord::Make("AU", "Auto"), CategoryRecord::Make("FO", "Food"),
            CategoryRecord::Make("HO", "House")};
}

std::vector<LedgerRecord> Lines() {
    return {Line("03-14-99", "FO", Money(-12.5), "bread"), Line("03-10-99", "AU", Money(-30), "gas"),
            Line("03-02-99", "FO", Money(-4), "milk")};
}

QStringList Column(QTableView* grid, int column) {
    QStringList texts;
    for (int r = 0; r < grid->model()->rowCount(); ++r) texts << MainScreenHarness::Cell(grid, r, column);
    return texts;
}

QStringList LedgerCodes(const TestEnv& env) {
    QStringList codes;
    for (const auto& r : env.Ledger()) codes << QString::fromStdString(r.Code);
    return codes;
}

}  // namespace

class tst_categoryeditor : public QObject {
    Q_OBJECT

    // Loads the window with Categories() and Lines(), and opens the editor on
    // the category of `categoryRow`; false when the window did not load.
    [[nodiscard]] static bool OpenOn(MainScreenHarness& h, int categoryRow) {
        h.env.PutCategories(Categories());
        h.env.PutLedger(Lines());
        if (!h.Load()) return false;
        h.ClickCell(h.window->CatList, categoryRow, 0);
        h.window->mnuChangeCategory->trigger();
        return true;
    }

private slots:
    void newCategorySortedIntoPlace() {
        MainScreenHarness h;
        h.env.PutCategories({CategoryRecord::Make("AU", "Auto"), CategoryRecord::Make("HO", "House")});
        QVERIFY(h.Load());
        frmMainScreen& w = *h.window;
        QVERIFY(!h.ui.CatEdFrame->isVisible());
        QCOMPARE(h.ui.CatEdFrame->title(), QStringLiteral(" Category Editor "));
        QVERIFY(!h.ui.ReplaceCat->isEnabled() && !h.ui.CatDelete->isEnabled() && h.ui.CatEdSave->isEnabled());
        QCOMPARE(h.ui.CatEdSave->toolTip(), QStringLiteral("Click to save NEW category"));
        QCOMPARE(h.ui.CatEdCatCode->toolTip(), QStringLiteral("Two-character category code here"));

        w.mnuNewCategory->trigger();
        QVERIFY(h.ui.CatEdFrame->isVisible());
        QVERIFY(w.ItemList->isEnabled() && w.CatList->isEnabled() && w.ToolbarTSM->isEnabled());
        QTest::keyClicks(h.ui.CatEdCatCode, "fox");  // a third character is not taken
        QCOMPARE(h.ui.CatEdCatCode->text(), QStringLiteral("fo"));
        QTest::keyClicks(h.ui.CatEdCatName, "Food");
        h.Click(h.ui.CatEdSave);
        QVERIFY(!h.ui.CatEdFrame->isVisible());
        QCOMPARE(Column(w.CatList, 0), (QStringList{"AU", "FO", "HO"}));
        QCOMPARE(h.Cell(w.CatList, 1, 1), QStringLiteral("Food            "));
        QCOMPARE(h.env.folder.Read("1999CATS.DAT"),
                 std::string("AUAuto            FOFood            HOHouse           "));
        QVERIFY(h.env.dialogs.messages.empty());
    }

    void duplicateCodeAsksFirst() {
        MainScreenHarness h;
        h.env.PutCategories(Categories());
        QVERIFY(h.Load());
        frmMainScreen& w = *h.window;
        for (Answer answer : {Answer::No, Answer::Yes}) {
            w.mnuNewCategory->trigger();
            h.Type(h.ui.CatEdCatCode, "fo");
            h.Type(h.ui.CatEdCatName, "Fuel");
            h.env.dialogs.answers = {answer};
            h.Click(h.ui.CatEdSave);
        }
        const Message& warning = h.env.dialogs.messages.at(0);
        QCOMPARE(warning.text, std::string("Category FO already exists!\r\nIf you continue, records from this and\r\n"
                                           " will be mixed together, and you\r\n"
                                           "will not be able to separate them!\r\nContinue?"));
        QCOMPARE(warning.title, std::string("Confirm"));
        QCOMPARE(warning.defaultButton, Answer::No);
        QCOMPARE(h.env.dialogs.messages.size(), 2u);
        QCOMPARE(Column(w.CatList, 1), (QStringList{"Auto            ", "Food            ", "Fuel            ",
                                                    "House           "}));
    }

    void emptyFieldsAreRefused() {
        MainScreenHarness h;
        h.env.PutCategories(Categories());
        QVERIFY(h.Load());
        frmMainScreen& w = *h.window;
        w.mnuNewCategory->trigger();
        h.Type(h.ui.CatEdCatCode, "GR");
        h.Click(h.ui.CatEdSave);
        QVERIFY(!h.ui.CatEdFrame->isVisible());
        QCOMPARE(h.env.dialogs.Last().text, std::string("No category name!"));
        QCOMPARE(h.env.dialogs.Last().title, std::string("Entry Aborted"));
        QCOMPARE(h.ui.CatEdCatCode->text(), QStringLiteral("GR"));  // kept in the hidden box
        QCOMPARE(h.env.Categories().size(), 3u);
    }

    void changeCodeMovesTheLines() {
        MainScreenHarness h;
        QVERIFY(OpenOn(h, 1));
        frmMainScreen& w = *h.window;
        QVERIFY(h.ui.CatEdFrame->isVisible());
        QCOMPARE(h.ui.CatEdCatCode->text(), QStringLiteral("FO"));
        QCOMPARE(h.ui.CatEdCatName->text(), QStringLiteral("Food"));
        QVERIFY(h.ui.ReplaceCat->isEnabled() && h.ui.CatDelete->isEnabled());
        h.Type(h.ui.CatEdCatCode, "gr");
        h.Type(h.ui.CatEdCatName, "Groceries");
        h.Click(h.ui.ReplaceCat);
        QVERIFY(!h.ui.CatEdFrame->isVisible());
        QVERIFY(h.env.dialogs.messages.empty());
        QCOMPARE(Column(w.CatList, 0), (QStringList{"AU", "GR", "HO"}));
        QCOMPARE(LedgerCodes(h.env), (QStringList{"GR", "AU", "GR"}));
        QCOMPARE(Column(w.ItemList, 3), (QStringList{"bread", "milk"}));
        QCOMPARE(w.stbTotal->text(), QStringLiteral(" 2  1999  records for category: GR  Groceries       "));
        QVERIFY(h.ui.ReplaceCat->isEnabled());
    }

    // Enter presses the button the editor was opened for; Escape is Cancel.
    void enterAndEscape() {
        MainScreenHarness h;
        QVERIFY(OpenOn(h, 1));
        frmMainScreen& w = *h.window;
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));  // keys reach the frame's shortcuts
        QVERIFY(h.ui.ReplaceCat->isDefault() && !h.ui.CatEdSave->isDefault());
        h.Type(h.ui.CatEdCatCode, "gr");
        QTest::keyClick(h.ui.CatEdCatCode, Qt::Key_Return);  // Replace
        QVERIFY(!h.ui.CatEdFrame->isVisible());
        QCOMPARE(LedgerCodes(h.env), (QStringList{"GR", "AU", "GR"}));
        w.mnuNewCategory->trigger();
        QVERIFY(h.ui.CatEdSave->isDefault());
        QTest::keyClicks(h.ui.CatEdCatCode, "ho");
        QTest::keyClick(h.ui.CatEdCatCode, Qt::Key_Escape);
        QVERIFY(!h.ui.CatEdFrame->isVisible());
        QCOMPARE(w.CatList->model()->rowCount(), 3);
        w.mnuNewCategory->trigger();
        QTest::keyClicks(h.ui.CatEdCatCode, "zz");
        QTest::keyClicks(h.ui.CatEdCatName, "Zoo");
        QTest::keyClick(h.ui.CatEdCatName, Qt::Key_Enter);  // Save
        QCOMPARE(Column(w.CatList, 0), (QStringList{"AU", "GR", "HO", "ZZ"}));
    }

    void changeDescriptionOnly() {
        MainScreenHarness h;
        QVERIFY(OpenOn(h, 1));
        frmMainScreen& w = *h.window;
        h.Type(h.ui.CatEdCatName, "Food & drink");
        h.env.dialogs.answers = {Answer::Yes};
        h.Click(h.ui.ReplaceCat);
        QCOMPARE(h.env.dialogs.messages.size(), 1u);
        QVERIFY(h.env.dialogs.Last().text.find("\r\nFO will be mixed together") != std::string::npos);
        QCOMPARE(h.Cell(w.CatList, 1, 1), QStringLiteral("Food & drink    "));
        QCOMPARE(LedgerCodes(h.env), (QStringList{"FO", "AU", "FO"}));
    }

    void deleteKeepingTheLines() {
        MainScreenHarness h;
        QVERIFY(OpenOn(h, 1));
        frmMainScreen& w = *h.window;
        h.env.dialogs.answers = {Answer::Yes, Answer::No};
        h.Click(h.ui.CatDelete);
        QCOMPARE(h.env.dialogs.messages.at(0).text, std::string("Delete category Food ?"));
        QCOMPARE(h.env.dialogs.Last().text, std::string("Category deleted. Delete records too?"));
        QCOMPARE(Column(w.CatList, 0), (QStringList{"AU", "HO"}));
        QCOMPARE(Column(w.ItemList, 2), (QStringList{"FO", "AU", "FO"}));  // listed under all categories
        QVERIFY(!h.env.folder.Exists("tempkeys.$$$"));
    }

    void deleteRemovingTheLines() {
        MainScreenHarness h;
        QVERIFY(OpenOn(h, 1));
        frmMainScreen& w = *h.window;
        h.env.dialogs.answers = {Answer::Yes, Answer::Yes, Answer::Yes};
        h.Click(h.ui.CatDelete);
        QCOMPARE(h.env.dialogs.Last().text, std::string("ARE YOU SURE?"));
        QCOMPARE(Column(w.CatList, 0), (QStringList{"AU", "HO"}));
        QCOMPARE(Column(w.ItemList, 3), (QStringList{"gas"}));
        QCOMPARE(LedgerCodes(h.env), (QStringList{"AU"}));
    }

    void changeWithNothingSelected() {
        MainScreenHarness h;
        QVERIFY(OpenOn(h, 1));
        frmMainScreen& w = *h.window;
        h.Click(h.ui.CatEdCancel);
        QVERIFY(!h.ui.CatEdFrame->isVisible());
        w.mnuChangeCategory->trigger();
        QVERIFY(!h.ui.CatEdFrame->isVisible());
        QCOMPARE(h.env.dialogs.Last().text, std::string("Please select a category"));
        QCOMPARE(h.env.dialogs.Last().title, std::string("Nothing to do!"));
        // With all categories listed the editor opens on "all", which no record carries.
        h.Click(w.FullYear);
        w.mnuChangeCategory->trigger();
        QCOMPARE(h.ui.CatEdCatCode->text(), QStringLiteral("all"));
        QCOMPARE(h.ui.CatEdCatName->text(), QString());
        // "New Category" afterwards leaves Replace and Delete enabled.
        w.mnuNewCategory->trigger();
        QVERIFY(h.ui.ReplaceCat->isEnabled() && h.ui.CatDelete->isEnabled());
    }
};

QTEST_MAIN(tst_categoryeditor)
#include "tst_categoryeditor.moc"
