// The two lists of frmMainScreen: the item list with its totals, the
// category list and the "Click for All Categories" button.
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QToolBar>

#include "core/FixedText.h"
#include "core/ListFiles.h"
#include "core/LineDeletion.h"
#include "mainscreen/EntryEditorPanel.h"
#include "mainscreen/ItemListModel.h"
#include "mainscreen/frmMainScreen.h"
#include "platform/CodePage.h"
#include "widgets/CategoryListModel.h"
#include "widgets/Grid.h"

namespace tessamo {
namespace {

constexpr int kNoteLength = 40;
constexpr int kHintMargin = 8;

}  // namespace

void frmMainScreen::createLists() {
    itemModel_ = new ItemListModel(state_.env.money, this);
    catModel_ = new CategoryListModel(this);

    // The Note column fills the list to its right edge and keeps room for a
    // whole 40-character note.
    ItemList = new FillingGrid(ledgerArea_, CharacterWidth(ledgerArea_, kNoteLength));
    SetUpGrid(ItemList, QStringLiteral("ItemList"), QStringLiteral("Line items"));
    ItemList->setModel(itemModel_);
    SetColumnWidthsInCharacters(ItemList, &ItemListModel::HeaderWidthInCharacters);
    ItemListHint = new QLabel(ItemList->viewport());
    ItemListHint->setObjectName(QStringLiteral("ItemListHint"));
    ItemListHint->setTextFormat(Qt::PlainText);
    ItemListHint->move(kHintMargin, kHintMargin);
    ItemList->installEventFilter(this);
    connect(ItemList, &QAbstractItemView::doubleClicked, this, [this] { ItemList_DblClick(); });

    FullYear = new QPushButton(QStringLiteral("Click for All Categories"), ledgerArea_);
    FullYear->setObjectName(QStringLiteral("FullYear"));
    FullYear->setAccessibleName(FullYear->text());
    connect(FullYear, &QPushButton::clicked, this, &frmMainScreen::FullYear_Click);

    CatList = MakeCategoryGrid(ledgerArea_, QStringLiteral("CatList"), catModel_);
    CatList->installEventFilter(this);
    const int catListWidth = CategoryGridWidth(CatList);
    CatList->resize(catListWidth, CatList->height());
    FullYear->resize(catListWidth, FullYear->sizeHint().height());
    connect(CatList, &QAbstractItemView::clicked, this, &frmMainScreen::CatList_Click);

    setTabOrder(ItemList, FullYear);
    setTabOrder(FullYear, CatList);
}

void frmMainScreen::getlabel(const std::string& code, std::string& name) {
    // A failure was shown; `name` keeps its value.
    (void)tessamo::getlabel(state_, code, name);
}

void frmMainScreen::PopCatList() {
    std::vector<CategoryRecord> categories;
    // A failure was shown; the list stays empty.
    (void)ReadCategoryList(state_, categories);
    catModel_->SetRecords(std::move(categories));
    ShowItemListHint();
    emit ListsShown();
}

// An empty item list says in one line how to go on: make a category first,
// then add a line.
void frmMainScreen::ShowItemListHint() {
    if (itemModel_->rowCount() > 0) return ItemListHint->hide();
    ItemListHint->setText(catModel_->rowCount() == 0
                              ? QStringLiteral("To begin, create a category: Edit > New Category.")
                              : QStringLiteral("No lines listed. Press Insert (or Edit > New Line Item) to add one."));
    ItemListHint->adjustSize();
    ItemListHint->show();
}

void frmMainScreen::PopItemList(const std::string& category) {
    setCursor(Qt::WaitCursor);
    ItemListSummary summary;
    // A failure was shown; the list stays empty.
    (void)ReadItemList(state_, category, summary);
    itemModel_->SetRecords(std::move(summary.items));
    // As after every rebuild, the current cell is the header's (nothing is
    // open) and the list shows its top left: the newest lines, Date first.
    ItemList->setCurrentIndex(QModelIndex());
    ItemList->scrollToTop();
    ItemList->horizontalScrollBar()->setValue(0);
    unsetCursor();
    ShowItemListHint();

    stbIncome->setText(QString::fromStdString(summary.incomeText));
    stbExpense->setText(QString::fromStdString(summary.expenseText));
    stbBalance->setText(QString::fromStdString(summary.balanceText));
    // The records panel holds the category and its name, in the records' code page.
    stbTotal->setText(QString::fromStdString(Cp1252ToUtf8(summary.recordsText)));
    wholeYearListed_ = category == kAllCategories;
    emit ListsShown();
}

void frmMainScreen::CatList_Click(const QModelIndex& index) {
    if (!index.isValid()) return;
    // A click anywhere on a row chooses that row's category.
    state_.CurrentCategory = catModel_->Record(index.row()).Code;
    PopItemList(state_.CurrentCategory);
}

void frmMainScreen::FullYear_Click() {
    state_.SetActiveYear(TrimBlanks(state_.CurYear));
    PopItemList(kAllCategories);
    PopCatList();
    state_.CurrentCategory = kAllCategories;
}

void frmMainScreen::mnuNewItem_Click() {
    entryEditor_->InitEntryEd();
    ToolbarTSM->setEnabled(false);
}

void frmMainScreen::ItemList_DblClick() {
    const QModelIndex current = ItemList->currentIndex();
    if (!current.isValid()) return;  // the header row: nothing to open
    entryEditor_->OpenLine(itemModel_->Record(current.row()));
}

// Focus as a click gives it: the view then leaves the header row current, as
// it is after a rebuild, instead of making the first line current the way a
// Tab into the list does (so Enter or Delete right after a change touch nothing).
void frmMainScreen::FocusItemList() { ItemList->setFocus(Qt::MouseFocusReason); }

void frmMainScreen::SetListsEnabled(bool enabled) {
    CatList->setEnabled(enabled);
    ItemList->setEnabled(enabled);
    ToolbarTSM->setEnabled(enabled);
}

void frmMainScreen::DeleteRec(const std::string& key) {
    (void)tessamo::DeleteRec(state_, key);  // a refusal or failure was told; the list shows the file either way
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
        case Qt::Key_Insert: mnuNewItem_Click(); return true;
        case Qt::Key_Return:
        case Qt::Key_Enter: ItemList_DblClick(); return true;
        case Qt::Key_Delete: ItemListDeleteKey(); return true;
        default: return false;
    }
}

}  // namespace tessamo
