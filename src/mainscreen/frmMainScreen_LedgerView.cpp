// The ledger view of frmMainScreen: the item list with its totals, the
// category list and the "Click for All Categories" button.
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include "core/FixedText.h"
#include "core/LedgerListing.h"
#include "mainscreen/ItemListModel.h"
#include "mainscreen/frmMainScreen.h"
#include "platform/CodePage.h"
#include "widgets/CategoryListModel.h"
#include "widgets/Grid.h"

namespace tessamo {

void frmMainScreen::createLedgerView() {
    itemModel_ = new ItemListModel(state_.env.money, this);
    catModel_ = new CategoryListModel(this);
    smCatModel_ = new CategoryListModel(this);

    ItemList = new QTableView(ledgerArea_);
    SetUpGrid(ItemList, QStringLiteral("ItemList"), QStringLiteral("Line items"));
    ItemList->setModel(itemModel_);
    SetColumnWidthsInCharacters(ItemList, &ItemListModel::HeaderWidthInCharacters);
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

void frmMainScreen::getlabel(const std::string& code, std::string& name) { tessamo::getlabel(state_, code, name); }

void frmMainScreen::PopCatList() {
    std::vector<CategoryRecord> categories;
    ReadCategoryList(state_, categories);
    catModel_->SetRecords(std::move(categories));
}

void frmMainScreen::PopSmCatList() {
    std::vector<CategoryRecord> categories;
    ReadCategoryList(state_, categories);
    smCatModel_->SetRecords(std::move(categories));
}

void frmMainScreen::PopItemList(const std::string& category) {
    setCursor(Qt::WaitCursor);
    LedgerSummary summary;
    ReadLedgerView(state_, category, summary);
    itemModel_->SetRecords(std::move(summary.items));
    // As after every rebuild, the current cell is the header's: nothing is open.
    ItemList->setCurrentIndex(QModelIndex());
    unsetCursor();

    stbIncome->setText(QString::fromStdString(summary.incomeText));
    stbExpense->setText(QString::fromStdString(summary.expenseText));
    stbBalance->setText(QString::fromStdString(summary.balanceText));
    // The records panel holds the category and its name, in the records' code page.
    stbTotal->setText(QString::fromStdString(Cp1252ToUtf8(summary.recordsText)));
}

void frmMainScreen::CatList_Click(const QModelIndex& index) {
    if (!index.isValid()) return;
    // The first two characters of the clicked cell: the code, or the start of
    // the description when that column was clicked.
    state_.CurrentCategory = catModel_->CellBytes(index).substr(0, 2);
    PopItemList(state_.CurrentCategory);
}

void frmMainScreen::FullYear_Click() {
    state_.SetActiveYear(TrimBlanks(state_.CurYear));
    PopItemList(kAllCategories);
    PopCatList();
    state_.CurrentCategory = kAllCategories;
}

// Any character key in a category grid chooses its current cell, as a click
// (CatList) or a double-click (SmCatList) would. Tab still moves the focus.
bool frmMainScreen::ChooseOnKey(QTableView* grid, QEvent* event) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->text().isEmpty() || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) return false;
    if (grid == CatList)
        CatList_Click(CatList->currentIndex());
    else
        SmCatList_DblClick();
    return true;
}

}  // namespace tessamo
