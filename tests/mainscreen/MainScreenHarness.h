#pragma once
// Drives a real frmMainScreen on a fresh test folder (fixed clock 03-15-1999,
// reference money format, scripted dialogs): clicks, keys and grid texts.
#include <QAbstractItemModel>
#include <QAbstractItemModelTester>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <memory>

#include "core/Records.h"
#include "mainscreen/ItemListModel.h"
#include "mainscreen/frmMainScreen.h"
#include "support/TestEnv.h"
#include "widgets/CategoryListModel.h"

namespace tessamo {

// The panels' controls, found in the window by their object names as a user
// finds them by their captions; each panel owns its controls privately.
struct PanelControls {
    explicit PanelControls(const QWidget& window) : w(window) {}
    template <class Control>
    Control* Find(const char* name) const {
        auto* control = w.findChild<Control*>(QString::fromLatin1(name));
        if (!control) qFatal("no control named %s", name);
        return control;
    }
    const QWidget& w;

    QFrame* EntryEdFrame = Find<QFrame>("EntryEdFrame");
    QLabel* DateLabel = Find<QLabel>("DateLabel");
    QLineEdit* DateEditor = Find<QLineEdit>("DateEditor");
    QLabel* SmYr = Find<QLabel>("SmYr");
    QPushButton* Today = Find<QPushButton>("Today");
    QLabel* AmountLabel = Find<QLabel>("AmountLabel");
    QLineEdit* AmountEditor = Find<QLineEdit>("AmountEditor");
    QLabel* NoteLabel = Find<QLabel>("NoteLabel");
    QLineEdit* NoteEditor = Find<QLineEdit>("NoteEditor");
    QLabel* CName = Find<QLabel>("CName");
    QLabel* CatCodeLabel = Find<QLabel>("CatCodeLabel");
    QLabel* CatNameLabel = Find<QLabel>("CatNameLabel");
    QTableView* SmCatList = Find<QTableView>("SmCatList");
    QLabel* SmCatListHint = Find<QLabel>("SmCatListHint");
    QPushButton* SaveNewIncome = Find<QPushButton>("SaveNewIncome");
    QPushButton* SaveNewExpense = Find<QPushButton>("SaveNewExpense");
    QPushButton* ReplaceRec = Find<QPushButton>("ReplaceRec");
    QPushButton* KillRec = Find<QPushButton>("KillRec");
    QPushButton* CancelEdit = Find<QPushButton>("CancelEdit");

    QGroupBox* CatEdFrame = Find<QGroupBox>("CatEdFrame");
    QLineEdit* CatEdCatCode = Find<QLineEdit>("CatEdCatCode");
    QLineEdit* CatEdCatName = Find<QLineEdit>("CatEdCatName");
    QPushButton* CatEdSave = Find<QPushButton>("CatEdSave");
    QPushButton* ReplaceCat = Find<QPushButton>("ReplaceCat");
    QPushButton* CatDelete = Find<QPushButton>("CatDelete");
    QPushButton* CatEdCancel = Find<QPushButton>("CatEdCancel");

    QGroupBox* YearEdFrame = Find<QGroupBox>("YearEdFrame");
    QSpinBox* DataYear = Find<QSpinBox>("DataYear");
    QLabel* CurYear = Find<QLabel>("CurYear");
    QPushButton* SetYear = Find<QPushButton>("SetYear");
    QPushButton* YearOff = Find<QPushButton>("YearOff");

    QGroupBox* MacroFrame = Find<QGroupBox>("MacroFrame");
    QLineEdit* MacDate = Find<QLineEdit>("MacDate");
    QPushButton* MacToday = Find<QPushButton>("MacToday");
    QLabel* MacSmYr = Find<QLabel>("MacSmYr");
    QLineEdit* MacroEd = Find<QLineEdit>("MacroEd");
    QListWidget* MacroSelect = Find<QListWidget>("MacroSelect");
    QPushButton* MacroNew = Find<QPushButton>("MacroNew");
    QPushButton* MacroEdit = Find<QPushButton>("MacroEdit");
    QPushButton* MacroPlay = Find<QPushButton>("MacroPlay");
    QPushButton* MacroCancel = Find<QPushButton>("MacroCancel");
};

struct MainScreenHarness {
    // Every list model of the window runs under QAbstractItemModelTester, which
    // fails the test on a change the model reports wrongly.
    // `journaled`: the window writes through the journal, as the program does.
    explicit MainScreenHarness(bool journaled = false)
        : env({3, 15, 1999}, journaled), window(std::make_unique<frmMainScreen>(env.state)), ui(*window) {
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
        DoubleClickCell(ui.SmCatList, categoryRow, 0);
        Type(ui.AmountEditor, amount);
        Type(ui.NoteEditor, note);
        Click(expense ? ui.SaveNewExpense : ui.SaveNewIncome);
    }
    void SelectLine(int row) {
        window->ItemList->setFocus();
        window->ItemList->setCurrentIndex(window->ItemList->model()->index(row, 0));
    }
    void Key(QWidget* widget, Qt::Key key) { QTest::keyClick(widget, key); }

    QString Status(QLabel* panel) const { return panel->text(); }

    TestEnv env;
    std::unique_ptr<frmMainScreen> window;
    PanelControls ui;
};

}  // namespace tessamo
