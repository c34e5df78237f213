#include "import/ui/ImportWindow.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/FixedText.h"
#include "core/RecordFile.h"
#include "import/NewCategoryOffer.h"
#include "import/ui/ImportPreviewModel.h"
#include "import/ui/ImportRulesEditor.h"
#include "import/ui/StatementLoading.h"
#include "platform/FileErrors.h"
#include "widgets/Grid.h"
#include "widgets/PanelWidgets.h"

namespace tessamo {
namespace {

constexpr int kFirstRows = 5;

QComboBox* MakeChoice(QWidget* parent, const char* name, const char* spoken, std::initializer_list<const char*> items) {
    auto* box = Named(new QComboBox(parent), name, QString::fromLatin1(spoken));
    for (const char* item : items) box->addItem(QString::fromLatin1(item));
    return box;
}

// A column choice: "(none)" and each column of the first row, by number and text.
void FillColumns(QComboBox* box, const std::vector<CsvRow>& rows, int chosen) {
    box->clear();
    box->addItem(QStringLiteral("(none)"), CsvLayout::kNone);
    const std::size_t width = rows.empty() ? 0 : rows.front().fields.size();
    for (std::size_t c = 0; c < width; ++c)
        box->addItem(QStringLiteral("%1: %2").arg(c + 1).arg(QString::fromStdString(rows.front().fields[c]).left(24)),
                     static_cast<int>(c));
    box->setCurrentIndex(std::max(0, box->findData(chosen)));
}

int ColumnOf(const QComboBox* box) { return box->currentData().toInt(); }

}  // namespace

ImportWindow::ImportWindow(SharedState& state, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), session_(state) {
    setObjectName(QStringLiteral("ImportWindow"));
    setWindowTitle(QStringLiteral("Import bank statement"));
    createChoices();
    createPreview();
    createButtons();
    createLayout();
    createConnections();
}

void ImportWindow::createChoices() {
    StatementFile = MakeReadout(this, "StatementFile", "Statement file");
    DefaultCode = Named(new QComboBox(this), "DefaultCode", QStringLiteral("Code for lines no rule matches"));
    OtherYears = Named(new QCheckBox(QStringLiteral("Enter lines dated in &other years into their year files"), this),
                       "OtherYears", QStringLiteral("Enter lines dated in other years into their year files"));
}

void ImportWindow::createPreview() {
    model_ = new ImportPreviewModel(session_, state_.env.money, this);
    PreviewTable = new QTableView(this);
    SetUpGrid(PreviewTable, QStringLiteral("PreviewTable"), QStringLiteral("Statement lines"));
    PreviewTable->setModel(model_);
    PreviewTable->horizontalHeader()->setStretchLastSection(true);
    NameTableParts(PreviewTable);
    PreviewSummary = MakeReadout(this, "PreviewSummary", "Import summary");
}

void ImportWindow::createButtons() {
    RuleFromLine = MakeButton(this, "RuleFromLine", "&Rule from line...", "File this line's payee under a code for good");
    EditRules = MakeButton(this, "EditRules", "Edi&t rules...", "Edit the rules that choose each line's code");
    ImportButton = MakeButton(this, "ImportButton", "&Import", "Enter the ticked lines");
    CancelButton = MakeButton(this, "CancelButton", "&Cancel", "Close without entering anything");
}

// The format settings are made here, after the buttons, so Tab reaches
// them last, as it always has.
void ImportWindow::createLayout() {
    auto* choices = new QHBoxLayout;
    auto* codeLabel = new QLabel(QStringLiteral("Code for lines no rule &matches:"), this);
    codeLabel->setBuddy(DefaultCode);
    choices->addWidget(codeLabel);
    choices->addWidget(DefaultCode);
    choices->addSpacing(16);
    choices->addWidget(OtherYears);
    choices->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(PreviewSummary, 1);
    for (QPushButton* button : {RuleFromLine, EditRules, ImportButton, CancelButton}) buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(StatementFile);
    layout->addWidget(MakeSettings());
    layout->addLayout(choices);
    layout->addWidget(PreviewTable, 1);
    layout->addLayout(buttons);
    resize(980, 700);
}

void ImportWindow::createConnections() {
    connect(DefaultCode, &QComboBox::currentIndexChanged, this, &ImportWindow::Choices_Change);
    connect(OtherYears, &QCheckBox::toggled, this, &ImportWindow::Choices_Change);
    connect(model_, &ImportPreviewModel::TicksChanged, this, &ImportWindow::ShowPlan);
    connect(RuleFromLine, &QPushButton::clicked, this, &ImportWindow::RuleFromLine_Click);
    connect(EditRules, &QPushButton::clicked, this, &ImportWindow::EditRules_Click);
    connect(ImportButton, &QPushButton::clicked, this, &ImportWindow::Import_Click);
    connect(CancelButton, &QPushButton::clicked, this, &ImportWindow::Cancel_Click);
    for (QComboBox* box : {FormatChoice, SeparatorChoice, DateOrderChoice, DecimalChoice, DateColumnChoice,
                           AmountColumnChoice, DebitColumnChoice, CreditColumnChoice, PayeeColumnChoice, MemoColumnChoice})
        connect(box, &QComboBox::currentIndexChanged, this, &ImportWindow::Settings_Change);
    connect(HeaderRow, &QCheckBox::toggled, this, &ImportWindow::Settings_Change);
}

ImportWindow::~ImportWindow() = default;

QWidget* ImportWindow::MakeSettings() {
    auto* frame = new QGroupBox(QStringLiteral("Format settings"), this);
    frame->setObjectName(QStringLiteral("FormatSettings"));
    frame->setAccessibleName(QStringLiteral("Format settings"));
    FormatChoice = MakeChoice(frame, "FormatChoice", "Format", {"CSV", "OFX / QFX"});
    SeparatorChoice = MakeChoice(frame, "SeparatorChoice", "Separator", {"Comma", "Semicolon", "Tab"});
    HeaderRow = Named(new QCheckBox(QStringLiteral("First row is a &header"), frame), "HeaderRow",
                      QStringLiteral("First row is a header"));
    DateOrderChoice = MakeChoice(frame, "DateOrderChoice", "Date order",
                                 {"Day first (dd.mm.yyyy)", "Month first (mm/dd/yyyy)", "Year first (yyyy-mm-dd)"});
    DecimalChoice = MakeChoice(frame, "DecimalChoice", "Decimal mark", {"Point (1,234.50)", "Comma (1.234,50)"});
    DateColumnChoice = MakeChoice(frame, "DateColumnChoice", "Date column", {});
    AmountColumnChoice = MakeChoice(frame, "AmountColumnChoice", "Amount column", {});
    DebitColumnChoice = MakeChoice(frame, "DebitColumnChoice", "Money out column", {});
    CreditColumnChoice = MakeChoice(frame, "CreditColumnChoice", "Money in column", {});
    PayeeColumnChoice = MakeChoice(frame, "PayeeColumnChoice", "Payee column", {});
    MemoColumnChoice = MakeChoice(frame, "MemoColumnChoice", "Memo column", {});
    FirstRows = Named(new QTableWidget(frame), "FirstRows", QStringLiteral("First rows of the file"));
    FirstRows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FirstRows->setFocusPolicy(Qt::NoFocus);
    FirstRows->verticalHeader()->hide();
    NameTableParts(FirstRows);
    const int rowHeight = FirstRows->fontMetrics().height() + 6;
    FirstRows->verticalHeader()->setDefaultSectionSize(rowHeight);
    FirstRows->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    FirstRows->setFixedHeight(rowHeight * (kFirstRows + 1) + FirstRows->horizontalHeader()->sizeHint().height() + 4);
    layOutSettings(frame);
    return frame;
}

void ImportWindow::layOutSettings(QWidget* frame) {
    auto* left = new QFormLayout;
    left->addRow(QStringLiteral("&Format:"), FormatChoice);
    left->addRow(QStringLiteral("&Separator:"), SeparatorChoice);
    left->addRow(QString(), HeaderRow);
    left->addRow(QStringLiteral("&Dates:"), DateOrderChoice);
    left->addRow(QStringLiteral("Decimal mar&k:"), DecimalChoice);
    auto* right = new QFormLayout;
    right->addRow(QStringLiteral("Date co&lumn:"), DateColumnChoice);
    right->addRow(QStringLiteral("&Amount:"), AmountColumnChoice);
    right->addRow(QStringLiteral("Money o&ut:"), DebitColumnChoice);
    right->addRow(QStringLiteral("Money i&n:"), CreditColumnChoice);
    right->addRow(QStringLiteral("&Payee:"), PayeeColumnChoice);
    right->addRow(QStringLiteral("M&emo:"), MemoColumnChoice);
    auto* row = new QHBoxLayout;
    row->addLayout(left);
    row->addLayout(right);
    auto* layout = new QVBoxLayout(frame);
    layout->addLayout(row);
    layout->addWidget(FirstRows);
}

bool ImportWindow::Report(const Status& status) { return ReportIfFailed(state_.env.dialogs, status); }

bool ImportWindow::OpenStatement(const QString& path) {
    StatementFile->setText(QStringLiteral("File: ") + path);
    LoadedStatement loaded;
    Status read;
    if (!LoadStatementWithProgress(this, state_.env.files, path.toStdString(), StatementLimits(), loaded, read))
        return false;
    if (!Report(read) || !Report(session_.Open(std::move(loaded)))) return false;
    for (const RuleError& error : session_.Rules().errors)
        state_.env.dialogs.Show(Message{kImportRulesFileName + std::string(", ") + error.Text(), "Import bank statement",
                                        MessageIcon::Exclamation});
    FillCodes();
    ShowSettings();
    return true;
}

void ImportWindow::FillCodes() {
    std::vector<CategoryRecord> categories;
    (void)Report(ReadRecords(state_.env.files, state_.CategoryFileName, categories));
    showing_ = true;
    DefaultCode->clear();
    DefaultCode->addItem(QStringLiteral("(none: leave them out)"), QString());
    for (const CategoryRecord& c : categories)
        DefaultCode->addItem(FromRecordText(c.Code) + QStringLiteral("  ") + FromRecordText(TrimRightBlanks(c.Name)),
                             FromRecordText(c.Code));
    showing_ = false;
}

void ImportWindow::ShowSettings() {
    showing_ = true;
    const CsvLayout& layout = session_.Layout();
    const bool csv = session_.Format() == StatementFormat::Csv;
    FormatChoice->setCurrentIndex(csv ? 0 : 1);
    SeparatorChoice->setCurrentIndex(layout.separator == ';' ? 1 : layout.separator == '\t' ? 2 : 0);
    HeaderRow->setChecked(layout.header);
    DateOrderChoice->setCurrentIndex(static_cast<int>(layout.dateOrder));
    DecimalChoice->setCurrentIndex(layout.decimalMark == ',' ? 1 : 0);
    const std::vector<CsvRow> rows = session_.SampleRows(kFirstRows);
    const std::pair<QComboBox*, int> columns[] = {
        {DateColumnChoice, layout.dateColumn},   {AmountColumnChoice, layout.amountColumn},
        {DebitColumnChoice, layout.debitColumn}, {CreditColumnChoice, layout.creditColumn},
        {PayeeColumnChoice, layout.payeeColumn}, {MemoColumnChoice, layout.memoColumn}};
    for (const auto& [box, column] : columns) {
        FillColumns(box, rows, column);
        box->setEnabled(csv);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{SeparatorChoice, HeaderRow, DateOrderChoice, DecimalChoice})
        w->setEnabled(csv);
    showing_ = false;
    ShowFirstRows();
    ShowPlan();
}

void ImportWindow::ShowFirstRows() {
    const std::vector<CsvRow> rows = session_.SampleRows(kFirstRows);
    std::size_t width = 0;
    for (const CsvRow& row : rows) width = std::max(width, row.fields.size());
    FirstRows->clear();
    FirstRows->setRowCount(static_cast<int>(rows.size()));
    FirstRows->setColumnCount(static_cast<int>(width));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int c = 0; c < static_cast<int>(rows[r].fields.size()); ++c)
            FirstRows->setItem(r, c, new QTableWidgetItem(QString::fromStdString(rows[r].fields[c]).simplified()));
    FirstRows->resizeColumnsToContents();
}

void ImportWindow::ShowPlan() {
    const ImportPlan& plan = session_.Plan();
    if (sender() != model_) model_->Reload();
    PreviewTable->resizeColumnsToContents();
    const QString summary = QStringLiteral("%1 to enter, %2 duplicate, %3 other year, %4 bad.")
                                .arg(plan.CheckedCount())
                                .arg(plan.Count(LineState::Duplicate))
                                .arg(plan.Count(LineState::OtherYear))
                                .arg(plan.Count(LineState::Bad));
    const QString awaiting = plan.AwaitingCount() == 0
                                 ? QString()
                                 : QStringLiteral(" %1 wait for a new category (offered on Import).").arg(plan.AwaitingCount());
    PreviewSummary->setText(session_.ReadError().empty()
                                ? summary + awaiting
                                : QString::fromStdString("Cannot read the file: " + session_.ReadError()));
    ImportButton->setEnabled(plan.CheckedCount() + plan.AwaitingCount() > 0);
    RuleFromLine->setEnabled(!plan.lines.empty());
}

CsvLayout ImportWindow::LayoutChosen() const {
    CsvLayout layout = session_.Layout();
    layout.separator = ",;\t"[SeparatorChoice->currentIndex()];
    layout.header = HeaderRow->isChecked();
    layout.dateOrder = static_cast<DateOrder>(DateOrderChoice->currentIndex());
    layout.decimalMark = DecimalChoice->currentIndex() == 1 ? ',' : '.';
    layout.dateColumn = std::max(0, ColumnOf(DateColumnChoice));
    layout.amountColumn = ColumnOf(AmountColumnChoice);
    layout.debitColumn = ColumnOf(DebitColumnChoice);
    layout.creditColumn = ColumnOf(CreditColumnChoice);
    layout.payeeColumn = ColumnOf(PayeeColumnChoice);
    layout.memoColumn = ColumnOf(MemoColumnChoice);
    return layout;
}

void ImportWindow::Settings_Change() {
    if (showing_) return;
    const auto format = FormatChoice->currentIndex() == 0 ? StatementFormat::Csv : StatementFormat::Ofx;
    const bool separatorChanged = LayoutChosen().separator != session_.Layout().separator;
    Status s = format != session_.Format() ? session_.SetFormat(format) : session_.SetLayout(LayoutChosen());
    // Another separator splits other columns: their choices are guessed anew.
    if (s.ok() && separatorChanged) {
        CsvLayout guessed = session_.Layout();
        GuessCsvColumns(session_.SampleRows(1000), guessed);
        s = session_.SetLayout(guessed);
    }
    (void)Report(s);
    ShowSettings();
}

void ImportWindow::Choices_Change() {
    if (showing_) return;
    ImportChoices choices = session_.Choices();
    choices.defaultCode = ToRecordText(DefaultCode->currentData().toString());
    choices.otherYears = OtherYears->isChecked();
    (void)Report(session_.SetChoices(choices));
    ShowPlan();
}

void ImportWindow::RuleFromLine_Click() {
    const QModelIndex current = PreviewTable->currentIndex();
    const int row = current.isValid() ? current.row() : 0;
    if (row >= static_cast<int>(session_.Plan().lines.size())) return;
    const PlannedLine& line = session_.Plan().lines[static_cast<std::size_t>(row)];
    const std::string payee = line.source.payee.empty() ? line.source.memo : line.source.payee;
    const auto code = state_.env.dialogs.Input("Always file \"" + payee + "\" under which code?", "Rule from line",
                                               Cp1252ToUtf8(TrimRightBlanks(line.record.Code)));
    if (!code) return;
    bool lossy = false;
    const std::string typed = TrimBlanks(Utf8ToCp1252(*code, &lossy));
    if (typed.empty() || typed.size() > 2 || lossy) {
        state_.env.dialogs.Show(EntryAborted("A code has one or two characters"));
        return;
    }
    (void)Report(session_.AddRule(RuleLineFor(ToUpperAscii(typed), payee, line.source.amount)));
    ShowPlan();
    PreviewTable->setCurrentIndex(model_->index(row, ImportPreviewModel::EnterColumn));
}

void ImportWindow::EditRules_Click() {
    auto* editor = new ImportRulesEditor(session_, state_.env.dialogs, this);
    editor->setAttribute(Qt::WA_DeleteOnClose);
    connect(editor, &QDialog::accepted, this, &ImportWindow::ShowPlan);
    editor->open();
}

void ImportWindow::Import_Click() {
    if (session_.Plan().AwaitingCount() > 0) {
        ImportChoices choices = session_.Choices();
        AskNewCategories(state_.env.dialogs, session_.Plan(), choices);
        if (!Report(session_.SetChoices(choices))) return;
        ShowPlan();
        if (session_.Plan().CheckedCount() == 0) return;
    }
    ImportCounts counts;
    const ImportOutcome outcome = session_.Import(counts);
    if (counts.entered > 0) emit Imported();
    if (outcome != ImportOutcome::Done) return;
    state_.env.dialogs.Show(Message{ImportCountsText(counts), "Import bank statement", MessageIcon::Information});
    close();
}

void ImportWindow::Cancel_Click() { close(); }

}  // namespace tessamo
