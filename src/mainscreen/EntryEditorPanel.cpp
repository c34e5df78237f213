// The entry editor's controls and handlers (see EntryEditorPanel.h).
#include "mainscreen/EntryEditorPanel.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "core/Amounts.h"
#include "core/Dates.h"
#include "core/FixedText.h"
#include "core/ListFiles.h"
#include "core/LineDeletion.h"
#include "mainscreen/EntryHelpers.h"
#include "platform/CodePage.h"
#include "widgets/CategoryListModel.h"
#include "widgets/Grid.h"
#include "widgets/PanelWidgets.h"

namespace tessamo {
namespace {

constexpr int kNoteLength = 40;

}  // namespace

QWidget* EntryEditorPanel::createEntryFields() {
    auto* fields = new QWidget(this);
    auto* grid = new QGridLayout(fields);
    grid->setContentsMargins(0, 0, 0, 0);

    DateLabel = MakeLabel(fields, "DateLabel", "Date");
    DateEditor = MakeMaskedBox(fields, "DateEditor", QStringLiteral("Date"), QStringLiteral("99-99;_"));
    SmYr = MakeReadout(fields, "SmYr", "Active year");
    Today = MakeButton(fields, "Today", "!", "Make Date = Today");
    Today->setAccessibleName(QStringLiteral("Make Date = Today"));
    Today->setMaximumWidth(Today->fontMetrics().averageCharWidth() * 3 + 16);
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(DateEditor);
    dateRow->addWidget(SmYr);
    dateRow->addWidget(Today);
    dateRow->addStretch();

    AmountLabel = MakeLabel(fields, "AmountLabel", "Amount");
    AmountEditor = Named(new QLineEdit(fields), "AmountEditor", QStringLiteral("Amount"));
    AmountResult = MakeReadout(fields, "AmountResult", "The amount worked out");
    auto* amountRow = new QHBoxLayout;
    amountRow->addWidget(AmountEditor);
    amountRow->addWidget(AmountResult, 1);
    NoteLabel = MakeLabel(fields, "NoteLabel", "Note");
    NoteEditor = Named(new QLineEdit(fields), "NoteEditor", QStringLiteral("Note"));
    NoteEditor->setMaxLength(kNoteLength);
    NoteEditor->setMinimumWidth(NoteEditor->fontMetrics().averageCharWidth() * kNoteLength);
    CatSuggestion = MakeReadout(fields, "CatSuggestion", "Suggested category");

    CName = MakeLabel(fields, "CName", "Category");
    CatCodeLabel = MakeReadout(fields, "CatCodeLabel", "Category code");
    CatNameLabel = MakeReadout(fields, "CatNameLabel", "Category description",
                                  QStringLiteral("(select)"));
    auto* categoryRow = new QHBoxLayout;
    categoryRow->addWidget(CatCodeLabel);
    categoryRow->addWidget(CatNameLabel, 1);

    grid->addWidget(DateLabel, 0, 0);
    grid->addLayout(dateRow, 0, 1);
    grid->addWidget(AmountLabel, 1, 0);
    grid->addLayout(amountRow, 1, 1);
    grid->addWidget(NoteLabel, 2, 0);
    grid->addWidget(NoteEditor, 2, 1);
    grid->addWidget(CatSuggestion, 3, 1);
    grid->addWidget(CName, 4, 0);
    grid->addLayout(categoryRow, 4, 1);
    grid->setRowStretch(5, 1);
    return fields;
}

QWidget* EntryEditorPanel::createEntryButtons() {
    auto* buttons = new QWidget(this);
    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    SaveNewIncome = MakeButton(buttons, "SaveNewIncome", "Save &INCOME", "Save NEW  Income record (positive value)");
    SaveNewExpense =
        MakeButton(buttons, "SaveNewExpense", "Save E&XPENSE", "Save NEW  Expense record (negative value)");
    ReplaceRec = MakeButton(buttons, "ReplaceRec", "Replace", "Replace old record with new changes");
    KillRec = MakeButton(buttons, "KillRec", "Delete", "");
    CancelEdit = MakeButton(buttons, "CancelEdit", "Cancel", "Abort editing this record");
    for (QPushButton* b : {SaveNewIncome, SaveNewExpense, ReplaceRec, KillRec, CancelEdit}) row->addWidget(b);
    return buttons;
}

EntryEditorPanel::EntryEditorPanel(SharedState& state, QWidget* area) : QFrame(area), state_(state) {
    Named<QFrame>(this, "EntryEdFrame", QStringLiteral("Entry editor"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);

    QWidget* fields = createEntryFields();
    createCategoryChoice();
    auto* categories = new QVBoxLayout;
    categories->addWidget(SmCatListHint);
    categories->addWidget(SmCatList, 1);
    auto* top = new QHBoxLayout;
    top->addWidget(fields, 1);
    top->addLayout(categories);
    auto* frameLayout = new QVBoxLayout(this);
    frameLayout->addLayout(top, 1);
    frameLayout->addWidget(createEntryButtons());
    connectButtons();
    createHelpers();

    // Tab goes from the date straight to the amount: a newcomer's amount typed
    // after one Tab must not land on "!". "!" is there by mouse and Alt+!.
    Today->setFocusPolicy(Qt::ClickFocus);
    Today->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Exclam));
    setTabOrder(DateEditor, AmountEditor);
    setTabOrder(AmountEditor, NoteEditor);
    setTabOrder(NoteEditor, SmCatList);
    setTabOrder(SmCatList, SaveNewIncome);
    resize(sizeHint().expandedTo(QSize(640, 260)));

    // Closed: hidden, disabled, no command button usable.
    hide();
    setEnabled(false);
    for (QPushButton* b : {SaveNewIncome, SaveNewExpense, ReplaceRec, KillRec}) b->setEnabled(false);
}

void EntryEditorPanel::createCategoryChoice() {
    smCatModel_ = new CategoryListModel(this);
    SmCatList = MakeCategoryGrid(this, QStringLiteral("SmCatList"), smCatModel_);
    SmCatList->installEventFilter(this);
    const QString howToChoose = QStringLiteral("Double-click or press <Enter> to select");
    SmCatList->setToolTip(howToChoose);
    // Heard by a screen reader even when tool tips are turned off.
    SmCatList->setAccessibleDescription(howToChoose);
    SmCatList->setMinimumWidth(SmCatList->columnWidth(0) + SmCatList->columnWidth(1) + 24);
    connect(SmCatList, &QAbstractItemView::doubleClicked, this, [this] { SmCatList_DblClick(); });
    // Says beside the list what the tool tip says, or that there is nothing to
    // choose yet (PopSmCatList sets it).
    SmCatListHint = MakeReadout(this, "SmCatListHint", "Choosing a category");
    SmCatListHint->setWordWrap(true);
    SmCatListHint->setMaximumWidth(SmCatList->minimumWidth());
}

void EntryEditorPanel::createHelpers() {
    helpers_ = new EntryHelpers(
        state_, {NoteEditor, AmountEditor, SmCatList, smCatModel_, CatCodeLabel, AmountResult, CatSuggestion}, this);
    connect(helpers_, &EntryHelpers::categoryTaken, this, [this](int row) { ChooseCategory(smCatModel_->Record(row)); });
}

void EntryEditorPanel::connectButtons() {
    connect(Today, &QPushButton::clicked, this, &EntryEditorPanel::Today_Click);
    connect(SaveNewIncome, &QPushButton::clicked, this, &EntryEditorPanel::SaveNewIncome_Click);
    connect(SaveNewExpense, &QPushButton::clicked, this, &EntryEditorPanel::SaveNewExpense_Click);
    connect(ReplaceRec, &QPushButton::clicked, this, &EntryEditorPanel::ReplaceRec_Click);
    connect(KillRec, &QPushButton::clicked, this, &EntryEditorPanel::KillRec_Click);
    connect(CancelEdit, &QPushButton::clicked, this, &EntryEditorPanel::CancelEdit_Click);
    OnEscape(this, [this] { CancelEdit_Click(); });
}

// Any character key in the small category grid chooses its current row, as a
// double-click would.
bool EntryEditorPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == SmCatList && ChoosesCurrentRow(event)) {
        SmCatList_DblClick();
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

void EntryEditorPanel::ShowActiveYear(const std::string& year) { SmYr->setText(QString::fromStdString(year)); }

void EntryEditorPanel::PopSmCatList() {
    std::vector<CategoryRecord> categories;
    // A failure was shown; the list stays empty.
    (void)ReadCategoryList(state_, categories);
    smCatModel_->SetRecords(std::move(categories));
    SmCatListHint->setText(smCatModel_->rowCount() == 0
                               ? QStringLiteral("This year has no categories yet: Edit > New Category creates one.")
                               : SmCatList->accessibleDescription());
}

TypedEntry EntryEditorPanel::TypedFields() const {
    // The date box as shown, blanks as "_", so a half-typed date fails the date check.
    return TypedEntry{ToRecordText(DateEditor->displayText()), ToRecordText(CatCodeLabel->text()),
                      ToRecordText(AmountEditor->text()), ToRecordText(NoteEditor->text()),
                      helpers_->AmountArithmetic()};
}

void EntryEditorPanel::Today_Click() {
    if (const auto today = TodayForDateBox(state_.env.clock, state_.DateStyle))
        DateEditor->setText(QString::fromStdString(*today));
}

// The description of `code` as getlabel gives it, taken from the category
// grid just filled from the same file, so opening the editor reads it once.
std::string EntryEditorPanel::SmCatListLabel(const std::string& code) const {
    std::string name;
    CategoryLabel(smCatModel_->Records(), code, name);
    return name;
}

// Shows the editor over the lists and locks the lists.
void EntryEditorPanel::ShowEntryFrame() {
    helpers_->EditorOpened();
    show();
    raise();
    setEnabled(true);
    emit opened();
    DateEditor->setFocus();
}

void EntryEditorPanel::InitEntryEd() {
    Today_Click();
    AmountEditor->clear();
    NoteEditor->clear();
    CatCodeLabel->clear();
    CatNameLabel->setText(QStringLiteral("(select)"));
    PopSmCatList();
    if (state_.CurrentCategory != kAllCategories) {
        CatCodeLabel->setText(FromRecordText(state_.CurrentCategory));
        CatNameLabel->setText(FromRecordText(SmCatListLabel(state_.CurrentCategory)));
        SaveNewExpense->setEnabled(true);
        SaveNewIncome->setEnabled(true);
    }
    ShowEntryFrame();
}

void EntryEditorPanel::CloseEntryEd() {
    hide();
    for (QPushButton* b : {KillRec, SaveNewExpense, SaveNewIncome, ReplaceRec}) b->setEnabled(false);
    setEnabled(false);
    emit closed();
}

void EntryEditorPanel::OpenLine(const LedgerRecord& line) {
    KillRec->setEnabled(true);
    SaveNewExpense->setEnabled(true);
    SaveNewIncome->setEnabled(true);
    // The line exactly as stored, so Replace finds it whatever its note or
    // amount look like in the list.
    state_.OpenedRecord = line;
    state_.OpenedKind = line.Amount < 0 ? EditKind::Expense : EditKind::Income;
    DateEditor->setText(FromRecordText(line.Date.substr(0, 5)));
    AmountEditor->setText(QString::fromStdString(PlainNumberText(MagnitudeOf(line.Amount), state_.env.money)));
    CatCodeLabel->setText(FromRecordText(line.Code));
    NoteEditor->setText(FromRecordText(TrimBlanks(line.Note)));
    PopSmCatList();
    CatNameLabel->setText(FromRecordText(SmCatListLabel(line.Code)));
    ReplaceRec->setEnabled(true);
    ShowEntryFrame();
}

void EntryEditorPanel::SmCatList_DblClick() {
    const QModelIndex current = SmCatList->currentIndex();
    if (!current.isValid()) return;  // no category row under the cursor
    ChooseCategory(smCatModel_->Record(current.row()));
}

void EntryEditorPanel::ChooseCategory(const CategoryRecord& category) {
    SaveNewExpense->setEnabled(true);
    SaveNewIncome->setEnabled(true);
    CatCodeLabel->setText(FromRecordText(category.Code));
    CatNameLabel->setText(FromRecordText(category.Name));
    CatSuggestion->clear();
}

void EntryEditorPanel::DuplicateLine(const LedgerRecord& line) {
    InitEntryEd();
    AmountEditor->setText(QString::fromStdString(PlainNumberText(MagnitudeOf(line.Amount), state_.env.money)));
    NoteEditor->setText(FromRecordText(TrimBlanks(line.Note)));
    CatCodeLabel->setText(FromRecordText(line.Code));
    CatNameLabel->setText(FromRecordText(SmCatListLabel(line.Code)));
    SaveNewExpense->setEnabled(true);
    SaveNewIncome->setEnabled(true);
    AmountEditor->setFocus();
}

// Shows the amount as the logic cleaned it; a line that was written rebuilds
// the item list and closes the editor (which disables its command buttons).
void EntryEditorPanel::FinishTypedLine(const TypedEntry& typed, EntryOutcome outcome) {
    AmountEditor->setText(FromRecordText(typed.amount));
    if (outcome == EntryOutcome::Refused || outcome == EntryOutcome::Failed) return;
    emit lineWritten();
    CloseEntryEd();
}

void EntryEditorPanel::SaveTypedLine(bool expense) {
    TypedEntry typed = TypedFields();
    const EntryOutcome outcome = SaveTypedEntry(state_, typed, expense);
    FinishTypedLine(typed, outcome);
}

void EntryEditorPanel::SaveNewIncome_Click() { SaveTypedLine(false); }
void EntryEditorPanel::SaveNewExpense_Click() { SaveTypedLine(true); }

void EntryEditorPanel::ReplaceRec_Click() {
    TypedEntry typed = TypedFields();
    const EntryOutcome outcome = ReplaceTypedEntry(state_, typed);
    FinishTypedLine(typed, outcome);
}

void EntryEditorPanel::KillRec_Click() {
    const TypedEntry typed = TypedFields();
    std::optional<std::string> key = TypedLineKey(state_, typed);
    if (!key) return;
    CloseEntryEd();
    (void)DeleteRec(state_, *key);  // a refusal or failure was told; the list is rebuilt either way
    emit lineWritten();
}

void EntryEditorPanel::CancelEdit_Click() { CloseEntryEd(); }

}  // namespace tessamo
