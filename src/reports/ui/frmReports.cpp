#include "reports/ui/frmReports.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>

#include "core/Dates.h"
#include "help/ui/QtHelpEngine.h"
#include "platform/FileErrors.h"
#include "core/ListFiles.h"
#include "charts/ReportChart.h"
#include "export/ExportToFile.h"
#include "export/ui/frmExport.h"
#include "years/YearsTable.h"
#include "platform/CodePage.h"
#include "platform/qt/QtPrintProgress.h"
#include "platform/qt/QtPrinter.h"
#include "reports/MakeReport.h"
#include "core/ReportCategoryList.h"
#include "core/YearSelection.h"
#include "reports/ui/ReportPrinting.h"
#include "widgets/PageOutput.h"
#include "widgets/PagePreview.h"
#include "widgets/LargePlainText.h"
#include "widgets/CategoryListModel.h"
#include "widgets/Grid.h"
#include "widgets/OwnedWindow.h"
#include "widgets/PanelWidgets.h"
#include "widgets/StatusPanels.h"
#include "widgets/Toolbar.h"
#include "widgets/WaitCursor.h"

namespace tessamo {
namespace {

// Below this window height (2170 twips) the report text keeps its height.
constexpr int kLowestHeight = 145;

struct ToolbarEntry {
    const char* caption;
    const char* key;
    const char* toolTip;
    const char* icon;      // the program's own (resources/toolbar)
    const char* menuText;  // the entry of the "&Report" menu, with its access key
};

// In this order: button 8 is View, button 9 Print.
constexpr ToolbarEntry kToolbar[] = {
    {"Help", "rtbHelp", "", "help", "&Help"},
    {"All Cats", "rtbAll", "Click to select all categories at once", "allcats", "&All Cats"},
    {"Pick Cats", "rtbSelectCats", "Click to display category selection", "pickcats", "&Pick Cats"},
    {"Start", "rtbStartMonth", "Click to push report start up one month", "start", "&Start"},
    {"End", "rtbEndMonth", "Click to push report end back one month", "end", "&End"},
    {"Summary", "rtbSummary", "Report without line items", "summary", "S&ummary"},
    {"Full", "rtbFull", "Include line items", "full", "&Full"},
    {"View", "rtbView", "Display report on screen", "view", "&View"},
    {"Print", "rtbPrint", "Print report", "print", "P&rint"},
    {"Clear", "rtbClear", "Clear report - start over", "clear", "&Clear"},
};

constexpr const char* kViewFirstText = "View a report first.";

QAction* MakeAction(QObject* parent, const char* name, const QString& caption) {
    auto* action = new QAction(caption, parent);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QLabel* AddPanel(QStatusBar* bar, const char* key, const char* text, const char* toolTip, int stretch) {
    QLabel* panel = AddStatusPanel(bar, key, QString::fromLatin1(*toolTip ? toolTip : text), stretch);
    panel->setText(QString::fromLatin1(text));
    panel->setToolTip(QString::fromLatin1(toolTip));
    return panel;
}

QString MonthText(int month) { return QString::fromStdString(MonthName(month)); }

// The report's Windows-1252 text with CR LF line breaks as the text box holds
// it: line breaks are one character there. One pass: a full report of a
// large year is several megabytes.
QString ReportTextForWindow(const std::string& report) {
    QString text(static_cast<qsizetype>(report.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (std::size_t i = 0; i < report.size(); ++i) {
        if (report[i] == '\r' && i + 1 < report.size() && report[i + 1] == '\n') continue;
        *out++ = QChar(static_cast<char16_t>(Cp1252CodePoint(static_cast<unsigned char>(report[i]))));
    }
    text.truncate(out - text.constData());
    return text;
}

}  // namespace

frmReports::frmReports(SharedState& state, ReportCompanions companions, QWidget* parent)
    : QMainWindow(parent), state_(state), choice_(state), companions_(std::move(companions)) {
    setObjectName(QStringLiteral("frmReports"));
    setWindowTitle(QStringLiteral("Tessamo 2.1 - Reports"));
    setAttribute(Qt::WA_DeleteOnClose);
    reportArea_ = new QWidget(this);
    reportArea_->setObjectName(QStringLiteral("ReportArea"));
    setCentralWidget(reportArea_);

    Text1 = Named(new QPlainTextEdit(reportArea_), "Text1", QStringLiteral("Report"));
    Text1->setToolTip(QStringLiteral("edit with keyboard & mouse"));
    Text1->setFont(PrinterFont(ReportPrintFont()));
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setTabStopDistance(Text1->fontMetrics().horizontalAdvance(QLatin1Char(' ')) * kTabColumns);

    createMenus();
    createToolbar();
    createCategorySelection();
    createStatusBars();
    resize(900, 600);
}

frmReports::~frmReports() = default;

void frmReports::createMenus() {
    rmnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    rmnuFile->setObjectName(QStringLiteral("rmnuFile"));
    rmnuExit = MakeAction(this, "rmnuExit", QStringLiteral("E&xit reports screen"));
    rmnuPrintPreview = MakeAction(this, "rmnuPrintPreview", QStringLiteral("Print Preview…"));
    rmnuSavePdf = MakeAction(this, "rmnuSavePdf", QStringLiteral("Save as PDF…"));
    rmnuFile->addAction(rmnuExit);
    rmnuFile->addSeparator();
    rmnuFile->addAction(rmnuPrintPreview);
    rmnuFile->addAction(rmnuSavePdf);
    rmnuSpreadsheetExport = MakeAction(this, "rmnuSpreadsheetExport", QStringLiteral("Export for &spreadsheets…"));
    rmnuFile->addAction(rmnuSpreadsheetExport);
    rmnuExports = MakeAction(this, "rmnuExports", QStringLiteral("&Export"));
    menuBar()->addAction(rmnuExports);
    rmnuOptions = menuBar()->addMenu(QStringLiteral("&Options"));
    rmnuOptions->setObjectName(QStringLiteral("rmnuOptions"));
    rmnuTTO = MakeAction(this, "rmnuTTO", QStringLiteral("Tool tips"));
    rmnuTTO->setCheckable(true);
    rmnuTTO->setChecked(true);
    rmnuOptions->addAction(rmnuTTO);
    mnuChart = menuBar()->addMenu(QStringLiteral("&Chart"));
    mnuChart->setObjectName(QStringLiteral("mnuChart"));
    mnuChartReport = MakeAction(this, "mnuChartReport", QStringLiteral("&Chart of the report…"));
    mnuChartYears = MakeAction(this, "mnuChartYears", QStringLiteral("&Years side by side…"));
    mnuChart->addAction(mnuChartReport);
    mnuChart->addAction(mnuChartYears);
    mnuChartBudget = MakeAction(this, "mnuChartBudget", QStringLiteral("&Budget against actual…"));
    mnuChart->addAction(mnuChartBudget);
    connect(mnuChartBudget, &QAction::triggered, this, &frmReports::ShowBudgetChart);
    connect(mnuChartReport, &QAction::triggered, this, &frmReports::ShowReportChart);
    connect(mnuChartYears, &QAction::triggered, this, &frmReports::ShowYears);

    connect(rmnuExit, &QAction::triggered, this, &frmReports::rmnuExit_Click);
    connect(rmnuPrintPreview, &QAction::triggered, this, &frmReports::PrintPreview);
    connect(rmnuSavePdf, &QAction::triggered, this, &frmReports::SaveAsPdf);
    connect(rmnuExports, &QAction::triggered, this, &frmReports::rmnuExports_Click);
    connect(rmnuSpreadsheetExport, &QAction::triggered, this, &frmReports::ExportForSpreadsheets);
    connect(rmnuTTO, &QAction::triggered, this, &frmReports::rmnuTTO_Click);

    // Every toolbar command for the keyboard, after the system's menus: the
    // entries are the buttons' own actions, so each is enabled as its button is.
    mnuReport = new QMenu(QStringLiteral("&Report"), this);
    mnuReport->setObjectName(QStringLiteral("mnuReport"));
    menuBar()->insertMenu(mnuChart->menuAction(), mnuReport);
}

void frmReports::createToolbar() {
    RepToolbar = MakeToolbar(this, "RepToolbar", QStringLiteral("Report toolbar"));
    for (const ToolbarEntry& entry : kToolbar) {
        QAction* action = MakeAction(this, entry.key, QString::fromLatin1(entry.menuText));
        SetButtonText(action, entry.caption, entry.toolTip);
        AddToolbarButton(RepToolbar, action, entry.key, ProgramIcon(entry.icon));
        mnuReport->addAction(action);
        const QString key = QString::fromLatin1(entry.key);
        connect(action, &QAction::triggered, this, [this, key] { RepToolbar_ButtonClick(key); });
        // The buttons take the focus by Tab, so the window works from the keyboard.
        RepToolbar->widgetForAction(action)->setFocusPolicy(Qt::TabFocus);
    }
    NameOverflowButton(RepToolbar);
    Button("rtbPrint")->setShortcut(QKeySequence::Print);
    Button("rtbView")->setShortcut(QKeySequence(Qt::Key_F5));
    Button("rtbView")->setEnabled(false);
    Button("rtbPrint")->setEnabled(false);
}

void frmReports::createCategorySelection() {
    allCategories_ = new CategoryListModel(this);
    reportCategories_ = new CategoryListModel(this);
    frmCatSel = MakeCaptionFrame(reportArea_, "frmCatSel", " Report Category Selection ");
    AllCatsLabel = MakeLabel(frmCatSel, "AllCatsLabel", "All available categories");
    ThisReportCatsLabel = MakeLabel(frmCatSel, "ThisReportCatsLabel", "Categories for this report");
    RepCatList_A = MakeCategoryGrid(frmCatSel, QStringLiteral("RepCatList_A"), allCategories_);
    RepCatList_A->setAccessibleName(QStringLiteral("All available categories"));
    RepCatList_A->setToolTip(QStringLiteral("click to add to report"));
    RepCatList_B = MakeCategoryGrid(frmCatSel, QStringLiteral("RepCatList_B"), reportCategories_);
    RepCatList_B->setAccessibleName(QStringLiteral("Categories for this report"));
    RepCatList_B->setToolTip(QStringLiteral("click to remove from report"));
    for (QTableView* grid : {RepCatList_A, RepCatList_B}) {
        grid->setFixedWidth(CategoryGridWidth(grid));
        grid->installEventFilter(this);
    }
    AllCatsLabel->setBuddy(RepCatList_A);
    ThisReportCatsLabel->setBuddy(RepCatList_B);

    auto* layout = new QGridLayout(frmCatSel);
    layout->addWidget(AllCatsLabel, 0, 0);
    layout->addWidget(ThisReportCatsLabel, 0, 1);
    layout->addWidget(RepCatList_A, 1, 0);
    layout->addWidget(RepCatList_B, 1, 1);
    layout->setColumnStretch(2, 1);
    layout->setHorizontalSpacing(24);

    connect(RepCatList_A, &QAbstractItemView::clicked, this, &frmReports::RepCatList_A_Click);
    connect(RepCatList_B, &QAbstractItemView::clicked, this, &frmReports::RepCatList_B_Click);
    frmCatSel->raise();
}

void frmReports::createStatusBars() {
    RepStatusBar2 = MakeStatusBar(reportArea_, "RepStatusBar2", QStringLiteral("Report choice"));
    rsbYear = AddPanel(RepStatusBar2, "rsbYear", "Year", "Active year  (change at main screen)", 1);
    rsbCats = AddPanel(RepStatusBar2, "rsbCats", "Categories", "Shows if categories are selected", 2);
    rsbStartMonth = AddPanel(RepStatusBar2, "rsbStartMonth", "January", "Starting month of report (inclusive)", 2);
    rsbThrough = AddPanel(RepStatusBar2, "rsbThrough", "> Through >", "", 1);
    rsbEndMonth = AddPanel(RepStatusBar2, "rsbEndMonth", "December", "Ending month of report (inclusive)", 2);
    rsbRepType = AddPanel(RepStatusBar2, "rsbRepType", "Summary", "Type of report to be generated", 2);
    for (QLabel* panel : {rsbThrough, rsbStartMonth, rsbEndMonth}) panel->setAlignment(Qt::AlignCenter);

    RepStatusBar1 = MakeStatusBar(reportArea_, "RepStatusBar1", QStringLiteral("Report totals"));
    RSBic = AddPanel(RepStatusBar1, "RSBic", "Income", "", 1);
    RSBex = AddPanel(RepStatusBar1, "RSBex", "Expense", "", 1);
    RSBbal = AddPanel(RepStatusBar1, "RSBbal", "Balance", "", 1);
    RSBic->setAccessibleDescription(QStringLiteral("Income total"));
    RSBex->setAccessibleDescription(QStringLiteral("Expense total"));
}

void frmReports::Form_Load(const QWidget& mainWindow) {
    setGeometry(mainWindow.geometry());
    PopRepCatList_A();
    initRepCatList_B();
    rsbYear->setText(QString::fromStdString(ActiveYear(state_)));
    choice_.Reset();
    ShowMonths();
}

void frmReports::PopRepCatList_A() {
    std::vector<CategoryRecord> categories;
    // A failure was shown; the list stays empty.
    (void)ReadCategoryList(state_, categories);
    allCategories_->SetRecords(std::move(categories));
}

void frmReports::initRepCatList_B() {
    choice_.ClearCategories();
    reportCategories_->SetRecords({});
    rsbCats->setText(QString::fromLatin1(kSelectCategoriesText));
}

void frmReports::ShowChosenCategories() { reportCategories_->SetRecords(choice_.Categories()); }

void frmReports::ShowMonths() {
    rsbStartMonth->setText(MonthText(choice_.StartMonth()));
    rsbEndMonth->setText(MonthText(choice_.EndMonth()));
}

QAction* frmReports::RepToolbarButton(const QString& key) const {
    auto* button = RepToolbar->findChild<QToolButton*>(key);
    return button ? button->defaultAction() : nullptr;
}

QAction* frmReports::Button(const char* key) const { return RepToolbarButton(QString::fromLatin1(key)); }

void frmReports::RepToolbar_ButtonClick(const QString& key) {
    if (key == QLatin1String("rtbAll")) {
        std::vector<CategoryRecord> all;
        // A failure was shown; nothing is chosen.
        (void)ReadCategoryList(state_, all);
        choice_.ChooseAll(all);
        ShowChosenCategories();
        Button("rtbView")->setEnabled(true);
        rsbCats->setText(QString::fromLatin1(kAllCategoriesChosenText));
    } else if (key == QLatin1String("rtbSelectCats")) {
        frmCatSel->show();
        frmCatSel->raise();
        RepCatList_A->setFocus();
    } else if (key == QLatin1String("rtbStartMonth")) {
        choice_.PushStartMonth();
        ShowMonths();
    } else if (key == QLatin1String("rtbEndMonth")) {
        choice_.PullEndMonth();
        ShowMonths();
    } else if (key == QLatin1String("rtbSummary")) {
        choice_.SetReportType("S");
        rsbRepType->setText(QStringLiteral("Summary"));
    } else if (key == QLatin1String("rtbFull")) {
        choice_.SetReportType("F");
        rsbRepType->setText(QStringLiteral("Full Report"));
    } else if (key == QLatin1String("rtbView")) {
        View();
    } else if (key == QLatin1String("rtbPrint")) {
        NewPrintReport();
    } else if (key == QLatin1String("rtbClear")) {
        Clear();
    } else if (key == QLatin1String("rtbHelp")) {
        ShowHelpTopic("reports");
    }
}

void frmReports::View() {
    frmCatSel->hide();
    Text1->clear();
    WaitCursor wait;
    const Result<ReportText> outcome =
        MakeReport(state_, choice_.Categories(), choice_.StartMonth(), choice_.EndMonth(), choice_.ReportType(),
                   nullptr, choice_.Scope());
    if (!outcome.ok()) return;
    SetLargePlainText(Text1, ReportTextForWindow(outcome.value().text));
    Text1->document()->setModified(false);
    reportViewed_ = true;
    const ReportStatusTexts& status = outcome.value().status;
    RSBic->setText(QString::fromStdString(status.income));
    RSBex->setText(QString::fromStdString(status.expense));
    if (status.balance) RSBbal->setText(QString::fromStdString(*status.balance));
    Button("rtbPrint")->setEnabled(true);
    Text1->setFocus();
}

void frmReports::Clear() {
    initRepCatList_B();
    RSBic->setText(QStringLiteral(" Income "));
    RSBex->setText(QStringLiteral(" Expense "));
    RSBbal->setText(QStringLiteral(" Balance "));
    Button("rtbView")->setEnabled(false);
    Button("rtbPrint")->setEnabled(false);
    Text1->clear();
    reportViewed_ = false;
}

void frmReports::RepCatList_A_Click(const QModelIndex& index) {
    if (!index.isValid()) return;
    // A category already on the list is not added again; the status says
    // the list is chosen all the same.
    choice_.Add(allCategories_->Record(index.row()));
    ShowChosenCategories();
    Button("rtbView")->setEnabled(true);
    rsbCats->setText(QString::fromLatin1(kSelectedCategoriesText));
}

void frmReports::RepCatList_B_Click(const QModelIndex& index) {
    if (!index.isValid()) return;
    if (choice_.RemoveRow(index.row() + 1)) {
        initRepCatList_B();
        return;
    }
    ShowChosenCategories();
    rsbCats->setText(QString::fromLatin1(kSelectedCategoriesText));
}

void frmReports::rmnuExit_Click() { close(); }

bool frmReports::CategoriesChosen() {
    if (Button("rtbView")->isEnabled()) return true;
    state_.env.dialogs.Show(Message{"You must select categories first!"});
    return false;
}

void frmReports::ShowReportChart() {
    if (!CategoriesChosen()) return;
    WaitCursor wait;
    const Result<ReportChartData> chart =
        MakeReportChart(state_, choice_.Categories(), choice_.StartMonth(), choice_.EndMonth());
    if (!chart.ok()) return;
    OpenOwnedWindow(this, companions_.chart(state_, chart.value(), choice_.StartMonth(), choice_.EndMonth()),
                    OwnerWhileOpen::Enabled);
}

void frmReports::ShowBudgetChart() {
    WaitCursor wait;
    companions_.budgetChart(state_, this, choice_.StartMonth(), choice_.EndMonth());
}

void frmReports::ShowYears() {
    WaitCursor wait;
    YearsChoice years;
    for (const CategoryRecord& category : choice_.Categories()) years.codes.push_back(category.Code);
    OpenOwnedWindow(this, companions_.years(state_, BuildYearsTable(state_.env.files, years)), OwnerWhileOpen::Enabled);
}

void frmReports::rmnuExports_Click() {
    if (!CategoriesChosen()) return;
    auto* exportWindow = new frmExport(state_, choice_.Categories(), choice_.Scope());
    exportWindow->Form_Load();
    OpenOwnedWindow(this, exportWindow);
}

void frmReports::ExportForSpreadsheets() {
    if (!CategoriesChosen()) return;
    // Replacing a file is asked by the export itself, once.
    const std::optional<QString> path = ChooseSaveFile(state_.env.dialogs, "Export for spreadsheets",
                                                       HomeFile(ActiveYear(state_) + " items.csv"), "CSV files (*.csv)");
    if (!path) return;
    const QFileInfo file(*path);
    const std::unique_ptr<FileSystem> folder = state_.env.files.OtherFolder(file.absolutePath().toStdString());
    WaitCursor wait;
    (void)ExportToFile(state_, ExportKind::Spreadsheet, choice_.Categories(), *folder, file.fileName().toStdString(),
                       ExistingExportFile::Ask);
}

void frmReports::rmnuTTO_Click() {
    if (rmnuTTO->isChecked()) return;
    // Off until the window opens again.
    rmnuTTO->setEnabled(false);
    for (QWidget* widget : findChildren<QWidget*>()) widget->setToolTip(QString());
    for (QAction* action : RepToolbar->actions()) {
        QWidget* button = RepToolbar->widgetForAction(action);
        // A button takes its tip from its action again whenever the action
        // changes (enabled, ...); it is blanked right after.
        connect(action, &QAction::changed, button, [button] { button->setToolTip(QString()); });
    }
}

void frmReports::NewPrintReport() {
    if (!PrinterInstalled()) {
        PrintPreview();
        return;
    }
    WaitCursor wait;
    QtPrintProgress progress(this, QStringLiteral("Printing the report..."));
    ReportPrintFailure(PrintOnDefaultPrinter(Text1->toPlainText(), progress));
}

void frmReports::ReportPrintFailure(const Status& result) {
    if (result.ok() || result.IsDeclined()) return;
    state_.env.dialogs.Show(PrintFailedMessage("report", result));
}

bool frmReports::ReportViewed() {
    if (reportViewed_) return true;
    state_.env.dialogs.Show(Message{kViewFirstText});
    return false;
}

void frmReports::PrintPreview() {
    if (!ReportViewed()) return;
    const QString text = Text1->toPlainText();
    PagePreview preview(
        [this, text](QPrinter& printer) {
            QtPrintProgress progress(this, QStringLiteral("Preparing the pages..."));
            (void)PaintReportPages(printer, text, progress);  // a preview shows what was painted
        },
        this);
    connect(&preview, &PagePreview::SaveAsPdfRequested, this, &frmReports::SaveAsPdf);
    connect(&preview, &PagePreview::PrintRequested, this, [this, &preview] {
        preview.accept();
        WaitCursor wait;
        QtPrintProgress progress(this, QStringLiteral("Printing the report..."));
        ReportPrintFailure(PrintOnDefaultPrinter(Text1->toPlainText(), progress));
    });
    preview.exec();
}

void frmReports::SaveAsPdf() {
    if (!ReportViewed()) return;
    if (const std::optional<QString> path = ChooseSaveFile(state_.env.dialogs, "Save as PDF",
                                                           HomeFile(ActiveYear(state_) + " report.pdf"), "PDF files (*.pdf)"))
        WritePdf(*path);
}

void frmReports::WritePdf(const QString& path) {
    WaitCursor wait;
    QtPrintProgress progress(this, QStringLiteral("Writing the PDF..."));
    QByteArray pdf;
    if (const Status painted = ReportPdf(Text1->toPlainText(), progress, pdf); !painted.ok())
        return ReportPrintFailure(painted);
    if (ReportIfFailed(state_.env.dialogs, SaveWholeFile(state_.env.files, path, pdf)))
        statusBar()->showMessage(QStringLiteral("Saved as ") + QDir::toNativeSeparators(path));
}

void frmReports::closeEvent(QCloseEvent* event) {
    // Edits made to a viewed report are lost with the window: Escape, the
    // window manager and Exit ask first. No keeps the window and the text.
    const bool edited = reportViewed_ && Text1->document()->isModified();
    if (edited && state_.env.dialogs.Show(ConfirmYesNo("Close the report and lose your changes?",
                                                       MessageIcon::Question)) != Answer::Yes) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void frmReports::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void frmReports::Form_Resize() {
    const int width = reportArea_->width();
    const int above = StackStatusBarsAtFoot(RepStatusBar2, RepStatusBar1);
    Text1->resize(width, Text1->height());
    if (height() > kLowestHeight) Text1->resize(width, above);
    frmCatSel->setGeometry(Text1->geometry());
    SpreadToolbarButtons(RepToolbar, this->width());
}

bool frmReports::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && (watched == RepCatList_A || watched == RepCatList_B)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* grid = static_cast<QTableView*>(watched);
        const bool choose = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space ||
                            (grid == RepCatList_B && key == Qt::Key_Delete);
        if (choose) {
            grid == RepCatList_A ? RepCatList_A_Click(grid->currentIndex()) : RepCatList_B_Click(grid->currentIndex());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace tessamo
