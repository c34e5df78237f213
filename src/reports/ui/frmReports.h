#pragma once
// frmReports: the report window. The user picks the report's categories in
// the frame frmCatSel (RepCatList_A: all of the year's, RepCatList_B: the
// report's), sets the month range and the report type with the toolbar
// RepToolbar, and has the report built into Text1 (View), where it can be
// read and edited, printed (Print), previewed or saved as a PDF, or handed to
// the export window (Export). The choice follows ReportWindowState; the
// report comes from MakeReport.
//
// Opened from the main window through OpenOwnedWindow, which keeps the main
// window disabled while this one is open. Deleted when closed.
#include <QMainWindow>
#include <functional>
#include <optional>

#include "core/SharedState.h"
#include "reports/NewPrintReport.h"
#include "reports/ReportWindowState.h"
#include "reports/ui/ReportCompanions.h"

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QStatusBar;
class QTableView;
class QToolBar;

namespace tessamo {

class CategoryListModel;

class frmReports : public QMainWindow {
    Q_OBJECT
public:
    frmReports(SharedState& state, ReportCompanions companions, QWidget* parent = nullptr);
    ~frmReports() override;

    // Takes the main window's place and size, fills the category lists,
    // shows the active year and starts the month range at 1 to 12.
    void Form_Load(const QWidget& mainWindow);

    void PopRepCatList_A();
    void initRepCatList_B();
    void RepToolbar_ButtonClick(const QString& key);
    void RepCatList_A_Click(const QModelIndex& index);
    void RepCatList_B_Click(const QModelIndex& index);
    void rmnuExit_Click();
    void rmnuExports_Click();
    void rmnuTTO_Click();
    // The "&Chart" menu, after the window's own menus: the report's charts
    // for the current choice (refused as Export is when none is chosen), and
    // the years side by side for the chosen categories (all when none).
    void ShowReportChart();
    void ShowYears();
    // Budget against actual over the window's month range (whatever categories are chosen).
    void ShowBudgetChart();
    // Prints Text1 on the default printer, or previews it where there is none.
    void NewPrintReport();
    void PrintPreview();
    void SaveAsPdf();
    // "Export for spreadsheets…": the chosen categories' line items of the
    // month range into a file the user names (SpreadsheetExport.h).
    void ExportForSpreadsheets();

    // The toolbar button's action of a key ("rtbView" ...), or nullptr.
    QAction* RepToolbarButton(const QString& key) const;
    const ReportWindowState& Choice() const { return choice_; }

    QToolBar* RepToolbar = nullptr;
    QGroupBox* frmCatSel = nullptr;
    QTableView* RepCatList_A = nullptr;
    QTableView* RepCatList_B = nullptr;
    QLabel* AllCatsLabel = nullptr;
    QLabel* ThisReportCatsLabel = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QStatusBar* RepStatusBar2 = nullptr;
    QLabel* rsbYear = nullptr;
    QLabel* rsbCats = nullptr;
    QLabel* rsbStartMonth = nullptr;
    QLabel* rsbThrough = nullptr;
    QLabel* rsbEndMonth = nullptr;
    QLabel* rsbRepType = nullptr;
    QStatusBar* RepStatusBar1 = nullptr;
    QLabel* RSBic = nullptr;
    QLabel* RSBex = nullptr;
    QLabel* RSBbal = nullptr;

    QMenu* rmnuFile = nullptr;
    QAction* rmnuExit = nullptr;
    QAction* rmnuPrintPreview = nullptr;
    QAction* rmnuSavePdf = nullptr;
    QAction* rmnuSpreadsheetExport = nullptr;
    QAction* rmnuExports = nullptr;
    QMenu* rmnuOptions = nullptr;
    QAction* rmnuTTO = nullptr;
    QMenu* mnuChart = nullptr;
    QAction* mnuChartReport = nullptr;
    QAction* mnuChartYears = nullptr;
    // After the system's menus: every toolbar command by its access key.
    QMenu* mnuReport = nullptr;
    QAction* mnuChartBudget = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createMenus();
    void createToolbar();
    void createCategorySelection();
    void createStatusBars();
    void Form_Resize();
    void View();
    void Clear();
    void ShowMonths();
    void ShowChosenCategories();
    // True when View is enabled; else the user is told to choose first.
    bool CategoriesChosen();
    // Shows a print job's failure naming the printer; the window stays usable.
    void ReportPrintFailure(const Status& result);
    void WritePdf(const QString& path);
    // True after View; else the user is told to view a report first.
    bool ReportViewed();
    QAction* Button(const char* key) const;

    SharedState& state_;
    ReportWindowState choice_;
    const ReportCompanions companions_;
    CategoryListModel* allCategories_ = nullptr;
    CategoryListModel* reportCategories_ = nullptr;
    QWidget* reportArea_ = nullptr;
    bool reportViewed_ = false;
};

}  // namespace tessamo
