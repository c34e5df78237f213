// The ledger view of frmMainScreen: the item list with its totals, the
// category list and the "Click for All Categories" button.
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include "core/FixedText.h"
#include "core/LedgerListing.h"
#include "mainscreen/CategoryListModel.h"
#include "mainscreen/ItemListModel.h"
#include "mainscreen/frmMainScreen.h"
#include "platform/CodePage.h"

namespace tessamo {
namespace {

// Grid settings shared by the three lists: whole rows, one fixed row height
// (so a long list costs nothing to lay out), read-only, a header row only.
void SetUpGrid(QTableView* grid, const QString& name, const QString& spoken) {
    grid->setObjectName(name);
    grid->setAccessibleName(spoken);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setTabKeyNavigation(false);
    grid->setWordWrap(false);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 4);
    grid->horizontalHeader()->setHighlightSections(false);
    grid->horizontalHeader()->setStretchLastSection(false);
    grid->setFrameShape(QFrame::Panel);
}

int CharacterWidth(const QWidget* widget, int characters) {
    return widget->fontMetrics().averageCharWidth() * characters + 12;
}

}  // namespace

void frmMainScreen::SetFocusLook(QTableView* grid, bool focused) {
    grid->setFrameShadow(focused ? QFrame::Sunken : QFrame::Plain);
    grid->setLineWidth(focused ? 2 : 1);
}

QTableView* frmMainScreen::createCategoryGrid(const QString& name, CategoryListModel* model, QWidget* parent) {
    auto* grid = new QTableView(parent);
    SetUpGrid(grid, name, QStringLiteral("Categories"));
    grid->setModel(model);
    for (int c = 0; c < CategoryListModel::ColumnCount; ++c)
        grid->setColumnWidth(c, CharacterWidth(grid, CategoryListModel::HeaderWidthInCharacters(c)));
    SetFocusLook(grid, false);
    grid->installEventFilter(this);
    return grid;
}

void frmMainScreen::createLedgerView() {
    itemModel_ = new ItemListModel(state_.env.money, this);
    catModel_ = new CategoryListModel(this);
    smCatModel_ = new CategoryListModel(this);

    ItemList = new QTableView(ledgerArea_);
    SetUpGrid(ItemList, QStringLiteral("ItemList"), QStringLiteral("Line items"));
    ItemList->setModel(itemModel_);
    for (int c = 0; c < ItemListModel::ColumnCount; ++c)
        ItemList->setColumnWidth(c, CharacterWidth(ItemList, ItemListModel::HeaderWidthInCharacters(c)));
    SetFocusLook(ItemList, false);
    ItemList->installEventFilter(this);
    connect(ItemList, &QAbstractItemView::doubleClicked, this, [this] { ItemList_DblClick(); });

    FullYear = new QPushButton(QStringLiteral("Click for All Categories"), ledgerArea_);
    FullYear->setObjectName(QStringLiteral("FullYear"));
    FullYear->setAccessibleName(FullYear->text());
    connect(FullYear, &QPushButton::clicked, this, &frmMainScreen::FullYear_Click);

    CatList = createCategoryGrid(QStringLiteral("CatList"), catModel_, ledgerArea_);
    const int catListWidth = CatList->columnWidth(0) + CatList->columnWidth(1) + 2 * CatList->frameWidth() + 20;
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
