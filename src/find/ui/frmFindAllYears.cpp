#include "find/ui/frmFindAllYears.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "core/DataFileProtection.h"
#include "find/FindText.h"
#include "find/ui/FoundLinesModel.h"
#include "platform/FileErrors.h"
#include "platform/qt/QtPrintProgress.h"
#include "widgets/PagePreview.h"
#include "reports/ui/ReportPrinting.h"
#include "widgets/Grid.h"
#include "widgets/PanelWidgets.h"
#include "widgets/StatusPanels.h"
#include "widgets/WaitCursor.h"

namespace tessamo {
namespace {

// Long enough that a word typed at speed is searched once, short enough to
// feel immediate.
constexpr int kTypingPauseMs = 120;

const char* const kKinds[] = {"All lines", "Income only", "Expense only", "Open items only"};

QLineEdit* MakeCriterionBox(QWidget* parent, const char* name, const char* spoken, const char* hint) {
    auto* box = Named(new QLineEdit(parent), name, QString::fromLatin1(spoken));
    box->setPlaceholderText(QString::fromUtf8(hint));
    return box;
}

// The codes typed (blanks or commas between them), as Windows-1252.
std::vector<std::string> TypedCodes(const QString& text) {
    std::vector<std::string> codes;
    for (const QString& part : text.split(QRegularExpression(QStringLiteral("[ ,]+")), Qt::SkipEmptyParts))
        codes.push_back(ToRecordText(part.left(2)).append(part.size() < 2 ? " " : ""));
    return codes;
}

int ColumnWidth(int column) {
    static const int widths[] = {11, 14, 5, 17, 42};
    return widths[column];
}

}  // namespace

frmFindAllYears::frmFindAllYears(SharedState& state, QWidget* parent) : QMainWindow(parent), state_(state) {
    setObjectName(QStringLiteral("frmFindAllYears"));
    setWindowTitle(QStringLiteral("Find in all years"));
    createMenus();
    createCriteria();
    createResults();
    createStatusBar();
    resize(860, 560);
}

void frmFindAllYears::createMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("fmnuFile"));
    const auto add = [&](const char* name, const char* caption, void (frmFindAllYears::*slot)(), QKeySequence keys) {
        QAction* action = file->addAction(QString::fromUtf8(caption));
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, slot);
    };
    add("fmnuExport", "Export for &spreadsheets\u2026", &frmFindAllYears::ExportForSpreadsheets, {});
    add("fmnuPrintPreview", "&Print Preview\u2026", &frmFindAllYears::PrintPreview, QKeySequence::Print);
    add("fmnuSavePdf", "Save as P&DF\u2026", &frmFindAllYears::SaveAsPdf, {});
    file->addSeparator();
    QAction* close = file->addAction(QStringLiteral("&Close"));
    close->setObjectName(QStringLiteral("fmnuClose"));
    connect(close, &QAction::triggered, this, &QWidget::close);
}

void frmFindAllYears::createCriteria() {
    auto* area = new QWidget(this);
    FindWords = MakeCriterionBox(area, "FindWords", "Words in the note", "each word must occur; \"a phrase\" in quotes");
    FindCodes = MakeCriterionBox(area, "FindCodes", "Codes", "any code; several with blanks between");
    FindMinAmount = MakeCriterionBox(area, "FindMinAmount", "Smallest amount", "no lower limit");
    FindMaxAmount = MakeCriterionBox(area, "FindMaxAmount", "Largest amount", "no upper limit");
    FindKind = Named(new QComboBox(area), "FindKind", QStringLiteral("Kind of line"));
    for (const char* kind : kKinds) FindKind->addItem(QString::fromLatin1(kind));
    FindFromDate = MakeCriterionBox(area, "FindFromDate", "From day", "YYYY-MM-DD");
    FindToDate = MakeCriterionBox(area, "FindToDate", "To day", "YYYY-MM-DD");
    FindYears = MakeCriterionBox(area, "FindYears", "Years", "every year, or YYYY or YYYY-YYYY");

    const auto pair = [&](QWidget* left, const char* middle, QWidget* right) {
        auto* row = new QHBoxLayout;
        row->addWidget(left, 1);
        row->addWidget(new QLabel(QString::fromLatin1(middle), area));
        row->addWidget(right, 1);
        return row;
    };
    auto* form = new QFormLayout;
    const auto label = [&](const char* caption, QWidget* buddy) {
        auto* text = new QLabel(QString::fromLatin1(caption), area);
        text->setBuddy(buddy);
        return text;
    };
    form->addRow(label("&Words:", FindWords), FindWords);
    form->addRow(label("C&odes:", FindCodes), FindCodes);
    auto* amounts = pair(FindMinAmount, "to", FindMaxAmount);
    amounts->addWidget(FindKind, 1);
    form->addRow(label("&Amount:", FindMinAmount), amounts);
    form->addRow(label("&Days:", FindFromDate), pair(FindFromDate, "to", FindToDate));
    form->addRow(label("&Years:", FindYears), FindYears);

    typing_ = new QTimer(this);
    typing_->setSingleShot(true);
    typing_->setInterval(kTypingPauseMs);
    connect(typing_, &QTimer::timeout, this, &frmFindAllYears::RunSearch);
    for (QLineEdit* box : {FindWords, FindCodes, FindMinAmount, FindMaxAmount, FindFromDate, FindToDate, FindYears}) {
        connect(box, &QLineEdit::textChanged, typing_, qOverload<>(&QTimer::start));
        box->installEventFilter(this);
    }
    connect(FindKind, &QComboBox::currentIndexChanged, this, &frmFindAllYears::RunSearch);
    changed_ = new QTimer(this);
    changed_->setSingleShot(true);
    changed_->setInterval(0);
    connect(changed_, &QTimer::timeout, this, &frmFindAllYears::RunSearchKeepingCurrentLine);

    auto* layout = new QVBoxLayout(area);
    layout->addLayout(form);
    setCentralWidget(area);
    FindWords->setFocus();
}

bool frmFindAllYears::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Down ||
        !qobject_cast<QLineEdit*>(watched))
        return QMainWindow::eventFilter(watched, event);
    if (typing_->isActive()) RunSearch();  // the lines of what was typed, not of the moment before
    FoundLines->setFocus(Qt::TabFocusReason);
    if (!FoundLines->currentIndex().isValid() && model_->rowCount() > 0)
        FoundLines->setCurrentIndex(model_->index(0, 0));
    return true;
}

void frmFindAllYears::createResults() {
    model_ = new FoundLinesModel(state_.env.money, this);
    FoundLines = new FillingGrid(centralWidget(), CharacterWidth(this, 20));
    FoundLines->setModel(model_);
    SetUpGrid(FoundLines, QStringLiteral("FoundLines"), QStringLiteral("Lines found"));
    NameTableParts(FoundLines);
    SetColumnWidthsInCharacters(FoundLines, ColumnWidth);
    FoundLines->horizontalHeader()->setSortIndicator(0, Qt::DescendingOrder);
    FoundLines->setSortingEnabled(true);
    FoundLines->horizontalHeader()->setSortIndicatorShown(true);
    // Enter on a line (activated) and a double-click open it in its year.
    connect(FoundLines, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
        if (index.isValid()) emit lineChosen(model_->Row(index.row()).line);
    });
    static_cast<QVBoxLayout*>(centralWidget()->layout())->addWidget(FoundLines, 1);
}

void frmFindAllYears::createStatusBar() {
    FindStatusBar = MakeStatusBar(this, "FindStatusBar", QStringLiteral("Found lines and totals"));
    const char* const keys[] = {"FindCount", "FindIncome", "FindExpense", "FindBalance", "FindNote"};
    const char* const roles[] = {"Lines found", "Income total", "Expense total", "Balance", "Search note"};
    for (std::size_t i = 0; i < panels_.size(); ++i)
        panels_[i] = AddStatusPanel(FindStatusBar, keys[i], QString::fromLatin1(roles[i]), i == 4 ? 2 : 1);
    setStatusBar(FindStatusBar);
    panels_[4]->setText(QStringLiteral("Type a word, a code or an amount"));
}

bool frmFindAllYears::ReadCriteria(FindCriteria& criteria) {
    ReadFindWords(FindWords->text().toStdString(), criteria);
    criteria.codes = TypedCodes(FindCodes->text());
    criteria.kind = static_cast<AmountKind>(FindKind->currentIndex());
    const auto refuse = [this](const char* why) {
        panels_[4]->setText(QString::fromLatin1(why));
        return false;
    };
    if (!ReadAmountBound(FindMinAmount->text().toStdString(), state_.env.money, criteria.minAmount) ||
        !ReadAmountBound(FindMaxAmount->text().toStdString(), state_.env.money, criteria.maxAmount))
        return refuse("Type an amount as in the entry editor");
    if (!ReadDayBound(FindFromDate->text().trimmed().toStdString(), criteria.fromDate) ||
        !ReadDayBound(FindToDate->text().trimmed().toStdString(), criteria.toDate))
        return refuse("Type a day as YYYY-MM-DD");
    if (!ReadYearRange(FindYears->text().trimmed().toStdString(), criteria)) return refuse("Type years as YYYY or YYYY-YYYY");
    return true;
}

void frmFindAllYears::RunSearch() {
    typing_->stop();
    FindCriteria criteria;
    if (!ReadCriteria(criteria)) return;
    std::vector<FoundRow> rows;
    totals_ = FindTotals{};
    // Nothing typed would list every line of every year: wait for a criterion.
    if (!criteria.ChoosesNothing()) {
        totals_ = FindInYears(state_.env.files, criteria, state_.DateStyle, [&](FoundInYear& year) {
            for (const FoundLine& line : year.lines) rows.push_back(FoundRow{line, FoundCategoryName(year, line)});
        });
    }
    model_->SetRows(std::move(rows));
    const QHeaderView* header = FoundLines->horizontalHeader();
    model_->sort(header->sortIndicatorSection(), header->sortIndicatorOrder());
    if (model_->rowCount() > 0) FoundLines->setCurrentIndex(model_->index(0, 0));
    ShowTotals(totals_);
    if (criteria.ChoosesNothing()) panels_[4]->setText(QStringLiteral("Type a word, a code or an amount"));
}

void frmFindAllYears::SearchAgain() { changed_->start(); }

void frmFindAllYears::RunSearchKeepingCurrentLine() {
    const QModelIndex current = FoundLines->currentIndex();
    const std::optional<FoundLine> kept =
        current.isValid() ? std::optional(model_->Row(current.row()).line) : std::nullopt;
    RunSearch();
    for (int row = 0; kept && row < model_->rowCount(); ++row) {
        const FoundLine& line = model_->Row(row).line;
        if (line.year != kept->year || line.bytes != kept->bytes) continue;
        FoundLines->setCurrentIndex(model_->index(row, current.column()));
        return FoundLines->scrollTo(FoundLines->currentIndex());
    }
}

void frmFindAllYears::ShowTotals(const FindTotals& totals) {
    const std::array<std::string, 4> texts = FindTotalsTexts(totals, state_.env.money);
    for (std::size_t i = 0; i < texts.size(); ++i) panels_[i]->setText(QString::fromStdString(texts[i]));
    std::string note = SkippedLinesText(totals);
    for (const std::string& failure : totals.failures) note += (note.empty() ? "" : "; ") + failure;
    panels_[4]->setText(QString::fromStdString(note));
}

QString frmFindAllYears::PrintText() const {
    return QString::fromStdString(FoundRowsPrintText(model_->Rows(), totals_, state_.env.money));
}

namespace {

// Writes an output file the user chose, complete or not at all, never over
// one of the data folder's own files; a failure is shown.
bool SaveOutput(const SharedState& state, const std::string& path, const std::string& bytes) {
    const QFileInfo target(QString::fromStdString(path));
    const std::unique_ptr<FileSystem> folder = state.env.files.OtherFolder(target.absolutePath().toStdString());
    const std::string name = target.fileName().toStdString();
    const DataFileProtection guard(state.env.files);
    bool refused = false;
    return ReportIfFailed(state.env.dialogs,
                          folder->WriteOutputFile(name, "tempout.$$$", bytes, false,
                                                 guard.Check(Status::InvalidArgument(path, "a file of the data folder"),
                                                             refused)));
}

std::optional<std::string> ChooseOutput(Dialogs& dialogs, const char* title, const char* name, const char* filter) {
    return dialogs.ChooseFile({ChooserKind::SaveFile, title, QDir::home().filePath(QString::fromLatin1(name)).toStdString(),
                               filter});
}

}  // namespace

void frmFindAllYears::ExportForSpreadsheets() {
    const auto path = ChooseOutput(state_.env.dialogs, "Export for spreadsheets", "found lines.csv", "CSV files (*.csv)");
    if (!path) return;
    WaitCursor wait;
    if (SaveOutput(state_, *path, FoundRowsCsv(model_->Rows())))
        statusBar()->showMessage(QStringLiteral("Saved as ") + QString::fromStdString(*path), 5000);
}

void frmFindAllYears::PrintPreview() {
    const QString text = PrintText();
    PagePreview preview(
        [this, text](QPrinter& printer) {
            QtPrintProgress progress(this, QStringLiteral("Preparing the pages..."));
            (void)PaintReportPages(printer, text, progress);  // a preview shows what was painted
        },
        this);
    connect(&preview, &PagePreview::SaveAsPdfRequested, this, &frmFindAllYears::SaveAsPdf);
    connect(&preview, &PagePreview::PrintRequested, this, [this, &preview, text] {
        preview.accept();
        QtPrintProgress progress(this, QStringLiteral("Printing..."));
        TellPrintFailure(PrintOnDefaultPrinter(text, progress));
    });
    preview.exec();
}

void frmFindAllYears::TellPrintFailure(const Status& printed) {
    if (printed.ok() || printed.IsDeclined()) return;
    state_.env.dialogs.Show(PrintFailedMessage("list of found lines", printed));
}

void frmFindAllYears::SaveAsPdf() {
    const auto path = ChooseOutput(state_.env.dialogs, "Save as PDF", "found lines.pdf", "PDF files (*.pdf)");
    if (!path) return;
    WaitCursor wait;
    QtPrintProgress progress(this, QStringLiteral("Writing the PDF..."));
    QByteArray pdf;
    if (const Status painted = ReportPdf(PrintText(), progress, pdf); !painted.ok())
        return TellPrintFailure(painted);
    if (SaveOutput(state_, *path, pdf.toStdString()))
        statusBar()->showMessage(QStringLiteral("Saved as ") + QString::fromStdString(*path), 5000);
}

}  // namespace tessamo
