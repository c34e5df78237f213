#include "budgets/ui/BudgetWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "budgets/BudgetChange.h"
#include "budgets/BudgetOverview.h"
#include "budgets/ui/BudgetBarDelegate.h"
#include "budgets/ui/BudgetTableModel.h"
#include "core/Amounts.h"
#include "core/Dates.h"
#include "core/FixedText.h"
#include "core/RecordFile.h"
#include "platform/FileErrors.h"
#include "widgets/Grid.h"
#include "widgets/PanelWidgets.h"

namespace tessamo {
namespace {

constexpr int kBarWidthInCharacters = 22;  // "100.0 %, within" and the bar's frame
constexpr int kAmountWidthInCharacters = 12;

QString Money(AmountSum amount, const MoneyFormat& money) { return QString::fromStdString(CurrencyText(amount, money)); }

int ActiveYearNumber(const SharedState& state) {
    const std::string year = TrimBlanks(state.CurYear);
    return year.size() == 4 && year.find_first_not_of("0123456789") == std::string::npos ? std::stoi(year) : 0;
}

}  // namespace

BudgetWindow::BudgetWindow(SharedState& state, HeldLedger heldLedger, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), heldLedger_(std::move(heldLedger)) {
    setObjectName(QStringLiteral("BudgetWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    createChoices();
    createTable();
    createEditor();
    createLayout();
    Refresh();
    FitColumns();
    BudgetTable->setFocus();
    if (model_->rowCount() > 0) BudgetTable->selectRow(0);
}

void BudgetWindow::createChoices() {
    MonthChoice = Named(new QComboBox(this), "MonthChoice", QStringLiteral("Month"));
    for (int m = 1; m <= 12; ++m) MonthChoice->addItem(QString::fromStdString(MonthName(m)), m);
    const CalendarDate today = state_.env.clock.Today();
    MonthChoice->setCurrentIndex(today.year == ActiveYearNumber(state_) ? today.month - 1 : 0);
    connect(MonthChoice, &QComboBox::currentIndexChanged, this, &BudgetWindow::MonthChoice_Change);
}

void BudgetWindow::createTable() {
    model_ = new BudgetTableModel(state_.env.money, this);
    BudgetTable = new QTableView(this);
    SetUpGrid(BudgetTable, QStringLiteral("BudgetTable"), QStringLiteral("Budgets by category"));
    BudgetTable->setModel(model_);
    BudgetTable->setItemDelegateForColumn(BudgetTableModel::UsedColumn, new BudgetBarDelegate(BudgetTable));
    NameTableParts(BudgetTable);
    YearTotals = MakeReadout(this, "YearTotals", "Year totals");
    connect(BudgetTable->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &BudgetWindow::ShowChosenRow);
    connect(model_, &QAbstractItemModel::modelReset, this, &BudgetWindow::ShowChosenRow);
}

void BudgetWindow::createEditor() {
    EditedCategory = MakeReadout(this, "EditedCategory", "Category whose budget is edited");
    BudgetAmount = Named(new QLineEdit(this), "BudgetAmount", QStringLiteral("Budget amount"));
    EveryMonth = Named(new QCheckBox(QStringLiteral("E&very month"), this), "EveryMonth", QStringLiteral("Every month"));
    EveryMonth->setChecked(true);
    SaveAsExpense = MakeButton(this, "SaveAsExpense", "Save as &expense", "Set the amount as this category's spending limit");
    SaveAsIncome = MakeButton(this, "SaveAsIncome", "Save as &income", "Set the amount as this category's expected income");
    ClearBudget = MakeButton(this, "ClearBudget", "C&lear", "Remove this category's budget");
    CloseButton = MakeButton(this, "CloseButton", "Close", "Close the budgets");
    connect(SaveAsExpense, &QPushButton::clicked, this, &BudgetWindow::SaveAsExpense_Click);
    connect(SaveAsIncome, &QPushButton::clicked, this, &BudgetWindow::SaveAsIncome_Click);
    connect(ClearBudget, &QPushButton::clicked, this, &BudgetWindow::ClearBudget_Click);
    connect(CloseButton, &QPushButton::clicked, this, &QWidget::close);
}

void BudgetWindow::createLayout() {
    auto* monthLabel = new QLabel(QStringLiteral("&Month:"), this);
    monthLabel->setBuddy(MonthChoice);
    auto* choices = new QHBoxLayout;
    choices->addWidget(monthLabel);
    choices->addWidget(MonthChoice);
    choices->addStretch();

    auto* amountLabel = new QLabel(QStringLiteral("&Budget:"), this);
    amountLabel->setBuddy(BudgetAmount);
    auto* editor = new QHBoxLayout;
    editor->addWidget(EditedCategory, 1);
    editor->addWidget(amountLabel);
    editor->addWidget(BudgetAmount);
    editor->addWidget(EveryMonth);
    editor->addWidget(SaveAsExpense);
    editor->addWidget(SaveAsIncome);
    editor->addWidget(ClearBudget);
    editor->addWidget(CloseButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(BudgetTable, 1);
    layout->addWidget(YearTotals);
    layout->addLayout(editor);
    resize(1000, 560);
}

// Every amount in full; the description takes what room is left.
void BudgetWindow::FitColumns() {
    BudgetTable->resizeColumnsToContents();
    for (int column = BudgetTableModel::BudgetColumn; column < BudgetTableModel::ColumnCount; ++column)
        BudgetTable->setColumnWidth(column, std::max(BudgetTable->columnWidth(column),
                                                     CharacterWidth(BudgetTable, kAmountWidthInCharacters)));
    BudgetTable->setColumnWidth(BudgetTableModel::UsedColumn, CharacterWidth(BudgetTable, kBarWidthInCharacters));
    BudgetTable->horizontalHeader()->setSectionResizeMode(BudgetTableModel::DescriptionColumn, QHeaderView::Stretch);
}

void BudgetWindow::Refresh() {
    setWindowTitle(QStringLiteral("Budgets %1").arg(QString::fromStdString(TrimBlanks(state_.CurYear))));
    std::vector<CategoryRecord> categories;
    YearBudgets budgets;
    std::string fileBytes;
    const LedgerLines* held = heldLedger_ ? heldLedger_() : nullptr;
    Status s = ReadRecords(state_.env.files, state_.CategoryFileName, categories);
    if (s.ok()) s = LoadBudgets(state_.env.files, state_.CurYear, budgets);
    if (s.ok() && !held) s = state_.env.files.ReadAll(state_.LedgerFileName, fileBytes);
    // A damaged budget file is told once, and nothing can be saved over it.
    const bool editable = s.ok();
    for (QWidget* w : {static_cast<QWidget*>(SaveAsExpense), static_cast<QWidget*>(SaveAsIncome),
                       static_cast<QWidget*>(ClearBudget)})
        w->setEnabled(editable);
    if (!s.ok() && s.ToString() != failure_) state_.env.dialogs.Show(FileErrorMessage(s));
    failure_ = s.ok() ? std::string() : s.ToString();

    const LedgerBytesView ledger = held ? held->View() : LedgerBytesView(fileBytes);
    model_->SetOverview(MakeBudgetOverview(budgets, categories, ledger, state_.DateStyle, ActiveYearNumber(state_),
                                           MonthChoice->currentData().toInt(), state_.env.clock.Today()));
    ShowYearTotals();
}

void BudgetWindow::MonthChoice_Change() {
    Refresh();
    ShowChosenRow();
}

void BudgetWindow::ShowYearTotals() {
    const BudgetTotals& t = model_->Overview().year;
    const MoneyFormat& money = state_.env.money;
    YearTotals->setText(QStringLiteral("Year %1: expense budgets %2, spent %3; income expected %4, received %5")
                            .arg(QString::fromStdString(TrimBlanks(state_.CurYear)), Money(t.expenseBudget, money),
                                 Money(t.expenseActual, money), Money(t.incomeBudget, money),
                                 Money(t.incomeActual, money)));
}

std::string BudgetWindow::ChosenCode() const {
    const QModelIndex current = BudgetTable->currentIndex();
    return current.isValid() ? model_->Line(current.row()).month.code : std::string();
}

void BudgetWindow::ShowChosenRow() {
    const QModelIndex current = BudgetTable->currentIndex();
    if (!current.isValid()) {
        EditedCategory->setText(QStringLiteral("Choose a category in the list."));
        BudgetAmount->clear();
        return;
    }
    const BudgetRow& row = model_->Line(current.row()).month;
    EditedCategory->setText(FromRecordText(row.code) + QStringLiteral(" ") + FromRecordText(row.description));
    const AmountSum magnitude = row.budget < 0 ? -row.budget : row.budget;
    BudgetAmount->setText(row.hasBudget ? QString::fromStdString(PlainNumberText(magnitude, state_.env.money)) : QString());
}

void BudgetWindow::SaveTyped(bool expense) {
    const std::optional<std::int64_t> amount =
        ReadBudgetAmount(BudgetAmount->text().toStdString(), expense, state_.env.money);
    if (!amount) {
        state_.env.dialogs.Show(Message{"A budget is an amount above zero; Clear removes one.", "Budgets",
                                        MessageIcon::Exclamation});
        BudgetAmount->setFocus();
        return;
    }
    ChangeChosen(amount);
}

void BudgetWindow::ClearBudget_Click() { ChangeChosen(std::nullopt); }

void BudgetWindow::ChangeChosen(std::optional<std::int64_t> amount) {
    const std::string code = ChosenCode();
    if (code.empty()) return;
    const int month = EveryMonth->isChecked() ? 0 : MonthChoice->currentData().toInt();
    const int row = BudgetTable->currentIndex().row();
    if (!ReportIfFailed(state_.env.dialogs, ChangeBudget(state_.env.files, state_.CurYear, code, month, amount))) return;
    Refresh();
    if (row < model_->rowCount()) BudgetTable->selectRow(row);
    ShowChosenRow();
    BudgetTable->setFocus();
}

}  // namespace tessamo
