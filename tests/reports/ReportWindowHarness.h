#pragma once
// Drives a real frmReports opened over an owner window on a fresh test folder
// (four categories, a few lines of 1999): toolbar clicks, grid clicks, panels.
#include <QAbstractItemModelTester>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "mainscreen/MainScreenHarness.h"
#include "mainscreen/ReportCompanionWindows.h"
#include "reports/ui/frmReports.h"
#include "support/TestEnv.h"
#include "widgets/OwnedWindow.h"

namespace tessamo {

inline const std::vector<CategoryRecord> kReportCategories = {
    CategoryRecord::Make("AU", "Auto"), CategoryRecord::Make("FD", "Food"), CategoryRecord::Make("SA", "Salary"),
    CategoryRecord::Make("GI", "Gifts")};

struct ReportWindowHarness {
    explicit ReportWindowHarness(std::vector<LedgerRecord> ledger = DefaultLedger()) {
        env.PutCategories(kReportCategories);
        env.PutLedger(ledger);
        owner.resize(800, 560);
        owner.show();
        window = new frmReports(env.state, ReportCompanionWindows());
        // Fails the test on a change either category list reports wrongly.
        for (QTableView* list : {window->RepCatList_A, window->RepCatList_B})
            new QAbstractItemModelTester(list->model(), QAbstractItemModelTester::FailureReportingMode::QtTest, window);
        window->Form_Load(owner);
        OpenOwnedWindow(&owner, window);
    }
    ~ReportWindowHarness() { delete window; }

    static std::vector<LedgerRecord> DefaultLedger() {
        return {Line("05-02-99", "SA", Money(1500), "May pay"), Line("04-11-99", "FD", Money(-120), "Market\tstall"),
                Line("03-14-99", "AU", Money(-45.5), "Fuel"), Line("02-01-99", "GI", 0, "Card for Ann")};
    }

    void Press(const char* key) const {
        auto* button = window->RepToolbar->findChild<QToolButton*>(QString::fromLatin1(key));
        QVERIFY2(button, key);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void Press(const char* key, int times) const {
        for (int i = 0; i < times; ++i) Press(key);
    }
    bool Enabled(const char* key) const { return window->RepToolbarButton(QString::fromLatin1(key))->isEnabled(); }
    void Add(int row) const { MainScreenHarness::ClickCell(window->RepCatList_A, row, 0); }
    void Remove(int row) const { MainScreenHarness::ClickCell(window->RepCatList_B, row, 0); }
    QStringList ReportCodes() const {
        QStringList codes;
        for (int r = 0; r < window->RepCatList_B->model()->rowCount(); ++r)
            codes << MainScreenHarness::Cell(window->RepCatList_B, r, 0);
        return codes;
    }

    TestEnv env;
    QWidget owner;
    QPointer<frmReports> window;
};

}  // namespace tessamo
