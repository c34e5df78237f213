// The entry editor of frmMainScreen (EntryEdFrame): adds a new line, opens a
// listed line to change or delete it, and deletes lines from the item list
// with the Delete key. Building the line and changing the file is the logic's
// work (TypedEntry, LineDeletion); a refused entry keeps the editor open with
// what was typed, so it can be corrected.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

#include "core/Amounts.h"
#include "core/Dates.h"
#include "core/FixedText.h"
#include "core/LedgerListing.h"
#include "core/LineDeletion.h"
#include "core/TypedEntry.h"
#include "mainscreen/ItemListModel.h"
#include "mainscreen/frmMainScreen.h"
#include "platform/CodePage.h"
#include "widgets/CategoryListModel.h"
#include "widgets/Grid.h"
#include "widgets/PanelWidgets.h"

namespace tessamo {
namespace {

constexpr int kNoteLength = 40;

}  // namespace

QWidget* frmMainScreen::createEntryFields() {
    auto* fields = new QWidget(EntryEdFrame);
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
    NoteLabel = MakeLabel(fields, "NoteLabel", "Note");
    NoteEditor = Named(new QLineEdit(fields), "NoteEditor", QStringLiteral("Note"));
    NoteEditor->setMaxLength(kNoteLength);
    NoteEditor->setMinimumWidth(NoteEditor->fontMetrics().averageCharWidth() * kNoteLength);

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
    grid->addWidget(AmountEditor, 1, 1);
    grid->addWidget(NoteLabel, 2, 0);
    grid->addWidget(NoteEditor, 2, 1);
    grid->addWidget(CName, 3, 0);
    grid->addLayout(categoryRow, 3, 1);
    grid->setRowStretch(4, 1);
    return fields;
}

QWidget* frmMainScreen::createEntryButtons() {
    auto* buttons = new QWidget(EntryEdFrame);
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

void frmMainScreen::createEntryEditor() {
    EntryEdFrame = new QFrame(ledgerArea_);
    Named(EntryEdFrame, "EntryEdFrame", QStringLiteral("Entry editor"));
    EntryEdFrame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    EntryEdFrame->setLineWidth(2);
    EntryEdFrame->setAutoFillBackground(true);

    QWidget* fields = createEntryFields();
    SmCatList = MakeCategoryGrid(EntryEdFrame, QStringLiteral("SmCatList"), smCatModel_);
    SmCatList->installEventFilter(this);
    const QString howToChoose = QStringLiteral("Double-click or press <Enter> to select");
    SmCatList->setToolTip(howToChoose);
    // Heard by a screen reader even when tool tips are turned off.
    SmCatList->setAccessibleDescription(howToChoose);
    SmCatList->setMinimumWidth(SmCatList->columnWidth(0) + SmCatList->columnWidth(1) + 24);
    connect(SmCatList, &QAbstractItemView::doubleClicked, this, [this] { SmCatList_DblClick(); });
    // Says beside the list what the tool tip says, or that there is nothing to
    // choose yet (PopSmCatList sets it).
    SmCatListHint = MakeReadout(EntryEdFrame, "SmCatListHint", "Choosing a category");
    SmCatListHint->setWordWrap(true);
    SmCatListHint->setMaximumWidth(SmCatList->minimumWidth());

    auto* categories = new QVBoxLayout;
    categories->addWidget(SmCatListHint);
    categories->addWidget(SmCatList, 1);
    auto* top = new QHBoxLayout;
    top->addWidget(fields, 1);
    top->addLayout(categories);
    auto* frameLayout = new QVBoxLayout(EntryEdFrame);
    frameLayout->addLayout(top, 1);
    frameLayout->addWidget(createEntryButtons());

    connect(Today, &QPushButton::clicked, this, &frmMainScreen::Today_Click);
    connect(SaveNewIncome, &QPushButton::clicked, this, &frmMainScreen::SaveNewIncome_Click);
    connect(SaveNewExpense, &QPushButton::clicked, this, &frmMainScreen::SaveNewExpense_Click);
    connect(ReplaceRec, &QPushButton::clicked, this, &frmMainScreen::ReplaceRec_Click);
    connect(KillRec, &QPushButton::clicked, this, &frmMainScreen::KillRec_Click);
    connect(CancelEdit, &QPushButton::clicked, this, &frmMainScreen::CancelEdit_Click);
    OnEscape(EntryEdFrame, [this] { CancelEdit_Click(); });

    setTabOrder(DateEditor, Today);
    setTabOrder(Today, AmountEditor);
    setTabOrder(AmountEditor, NoteEditor);
    setTabOrder(NoteEditor, SmCatList);
    setTabOrder(SmCatList, SaveNewIncome);
    EntryEdFrame->resize(EntryEdFrame->sizeHint().expandedTo(QSize(640, 260)));

    // Closed: hidden, disabled, no command button usable.
    EntryEdFrame->hide();
    EntryEdFrame->setEnabled(false);
    for (QPushButton* b : {SaveNewIncome, SaveNewExpense, ReplaceRec, KillRec}) b->setEnabled(false);
}

TypedEntry frmMainScreen::TypedFields() const {
    // The date box as shown, blanks as "_", so a half-typed date fails the date check.
    return TypedEntry{ToRecordText(DateEditor->displayText()), ToRecordText(CatCodeLabel->text()),
                      ToRecordText(AmountEditor->text()), ToRecordText(NoteEditor->text())};
}

void frmMainScreen::Today_Click() {
    if (state_.DateStyle != "A" && state_.DateStyle != "E") return;
    DateEditor->setText(QString::fromStdString(TodayInStyle(state_.env.clock, state_.DateStyle)));
}

// The description of `code` as getlabel gives it, taken from the category
// grid just filled from the same file, so opening the editor reads it once.
std::string frmMainScreen::SmCatListLabel(const std::string& code) const {
    std::string name;
    CategoryLabel(smCatModel_->Records(), code, name);
    return name;
}

// Shows the editor over the lists and locks the lists.
void frmMainScreen::ShowEntryFrame() {
    EntryEdFrame->show();
    EntryEdFrame->raise();
    EntryEdFrame->setEnabled(true);
    CatList->setEnabled(false);
    ItemList->setEnabled(false);
    DateEditor->setFocus();
}

void frmMainScreen::InitEntryEd() {
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
    ToolbarTSM->setEnabled(false);
}

// Focus as a click gives it: the view then leaves the header row current, as
// it is after a rebuild, instead of making the first line current the way a
// Tab into the list does (so Enter or Delete right after a change touch nothing).
void frmMainScreen::FocusItemList() { ItemList->setFocus(Qt::MouseFocusReason); }

void frmMainScreen::CloseEntryEd() {
    EntryEdFrame->hide();
    for (QPushButton* b : {KillRec, SaveNewExpense, SaveNewIncome, ReplaceRec}) b->setEnabled(false);
    EntryEdFrame->setEnabled(false);
    CatList->setEnabled(true);
    ItemList->setEnabled(true);
    ToolbarTSM->setEnabled(true);
    FocusItemList();
}

void frmMainScreen::ItemList_DblClick() {
    const QModelIndex current = ItemList->currentIndex();
    if (!current.isValid()) return;  // the header row: nothing to open
    const LedgerRecord line = itemModel_->Record(current.row());
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

void frmMainScreen::SmCatList_DblClick() {
    const QModelIndex current = SmCatList->currentIndex();
    if (!current.isValid()) return;  // no category row under the cursor
    SaveNewExpense->setEnabled(true);
    SaveNewIncome->setEnabled(true);
    const CategoryRecord& category = smCatModel_->Record(current.row());
    CatCodeLabel->setText(FromRecordText(category.Code));
    CatNameLabel->setText(FromRecordText(category.Name));
}

// Shows the amount as the logic cleaned it; a line that was written rebuilds
// the item list and closes the editor (which disables its command buttons).
void frmMainScreen::FinishTypedLine(const TypedEntry& typed, EntryOutcome outcome) {
    AmountEditor->setText(FromRecordText(typed.amount));
    if (outcome == EntryOutcome::Refused || outcome == EntryOutcome::Failed) return;
    PopItemList(state_.CurrentCategory);
    CloseEntryEd();
}

void frmMainScreen::SaveTypedLine(bool expense) {
    TypedEntry typed = TypedFields();
    const EntryOutcome outcome = SaveTypedEntry(state_, typed, expense);
    FinishTypedLine(typed, outcome);
}

void frmMainScreen::SaveNewIncome_Click() { SaveTypedLine(false); }
void frmMainScreen::SaveNewExpense_Click() { SaveTypedLine(true); }

void frmMainScreen::ReplaceRec_Click() {
    TypedEntry typed = TypedFields();
    const EntryOutcome outcome = ReplaceTypedEntry(state_, typed);
    FinishTypedLine(typed, outcome);
}

void frmMainScreen::KillRec_Click() {
    const TypedEntry typed = TypedFields();
    std::optional<std::string> key = TypedLineKey(state_, typed);
    if (!key) return;
    CloseEntryEd();
    DeleteRec(*key);
    PopItemList(state_.CurrentCategory);
    FocusItemList();
}

void frmMainScreen::CancelEdit_Click() { CloseEntryEd(); }

void frmMainScreen::DeleteRec(const std::string& key) {
    tessamo::DeleteRec(state_, key);
    FocusItemList();
}

void frmMainScreen::ItemListDeleteKey() {
    const QModelIndex current = ItemList->currentIndex();
    const std::string key = current.isValid() ? RecordLineKey(itemModel_->Record(current.row()), state_.env.money)
                                              : HeaderLineKey();
    DeleteRec(key);
    PopItemList(state_.CurrentCategory);
    FocusItemList();
}

bool frmMainScreen::ItemList_KeyDown(int key) {
    switch (key) {
        case Qt::Key_Insert: InitEntryEd(); return true;
        case Qt::Key_Return:
        case Qt::Key_Enter: ItemList_DblClick(); return true;
        case Qt::Key_Delete: ItemListDeleteKey(); return true;
        default: return false;
    }
}

}  // namespace tessamo
