#pragma once
// Drives a real frmMainScreen on a fresh test folder (fixed clock 03-15-1999,
// reference money format, scripted dialogs): clicks, keys and grid texts.
#include <QAbstractItemModel>
#include <QAbstractItemModelTester>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <memory>

#include "core/Records.h"
#include "mainscreen/ItemListModel.h"
#include "mainscreen/frmMainScreen.h"
#include "support/TestEnv.h"
#include "widgets/CategoryListModel.h"

namespace tessamo {

struct MainScreenHarness {
    // Every list model of the window runs under QAbstractItemModelTester, which
    // fails the test on a change the model reports wrongly.
    MainScreenHarness() : window(std::make_unique<frmMainScreen>(env.state)) {
        QAbstractItemModel* models[] = {window->ItemListData(), window->CatListData(), window->SmCatListData()};
        for (QAbstractItemModel* model : models)
            new QAbstractItemModelTester(model, QAbstractItemModelTester::FailureReportingMode::QtTest, window.get());
    }

    bool Load() {
        const bool ok = window->Form_Load();
        window->show();
        return ok;
    }
    // Loaded, shown and active, so keys reach the focused control and the
    // window's shortcuts.
    bool LoadActive() {
        if (!Load()) return false;
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }
    void PutSettings(std::int16_t passCode, const char* dateStyle = "A") {
        SettingsRecord settings = SettingsRecord::NewFile("01-01-1999");
        settings.SetPassCode(passCode);
        settings.SetDateStyle(dateStyle);
        env.folder.Write("PERSONAL.DAT", settings.Bytes());
    }

    static QString Cell(QTableView* grid, int row, int column) {
        return grid->model()->index(row, column).data().toString();
    }
    static void ClickCell(QTableView* grid, int row, int column) {
        const QRect rect = grid->visualRect(grid->model()->index(row, column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
    }
    static void DoubleClickCell(QTableView* grid, int row, int column) {
        const QRect rect = grid->visualRect(grid->model()->index(row, column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
    }
    static void Type(QLineEdit* box, const QString& text) {
        box->clear();
        QTest::keyClicks(box, text);
    }
    static void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    // Opens a new line, chooses the category row, types and saves.
    void AddLine(int categoryRow, const QString& amount, const QString& note, bool expense) {
        window->ToolbarButton(QStringLiteral("tbbNew"))->trigger();
        DoubleClickCell(window->SmCatList, categoryRow, 0);
        Type(window->AmountEditor, amount);
        Type(window->NoteEditor, note);
        Click(expense ? window->SaveNewExpense : window->SaveNewIncome);
    }
    void SelectLine(int row) {
        window->ItemList->setFocus();
        window->ItemList->setCurrentIndex(window->ItemList->model()->index(row, 0));
    }
    void Key(QWidget* widget, Qt::Key key) { QTest::keyClick(widget, key); }

    QString Status(QLabel* panel) const { return panel->text(); }

    TestEnv env;
    std::unique_ptr<frmMainScreen> window;
};

}  // namespace tessamo
