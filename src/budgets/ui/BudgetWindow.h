#pragma once
// BudgetWindow: "Budgets" of the active year, beside the main window. Per
// category the chosen month's budget, actual, what is left and a bar of the
// share used coloured by its state, "at this rate" for the month today is
// in, and the year's budget and actual; the year's totals below. The chosen
// row's budget is edited in place: an amount typed as the entry editor
// reads it, saved as an expense limit or an expected income (the system's
// two save buttons), for every month or the chosen one.
//
// The window refreshes whenever the main window has shown its lines anew
// (after every change of data), from the ledger the main window holds when
// it lists the whole year, else from the file. It is deleted when closed, so
// a closed window costs the main window nothing.
#include <QWidget>
#include <functional>

#include "core/LedgerBytes.h"
#include "core/SharedState.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace tessamo {

class BudgetTableModel;

class BudgetWindow : public QWidget {
    Q_OBJECT
public:
    // The whole active year's ledger lines the owner holds, or null when it
    // holds only some (the ledger is then read from its file).
    using HeldLedger = std::function<const LedgerLines*()>;

    BudgetWindow(SharedState& state, HeldLedger heldLedger, QWidget* parent = nullptr);

    void Refresh();
    void MonthChoice_Change();
    void SaveAsExpense_Click() { SaveTyped(true); }
    void SaveAsIncome_Click() { SaveTyped(false); }
    void ClearBudget_Click();

    BudgetTableModel* TableData() const { return model_; }

    QComboBox* MonthChoice = nullptr;
    QTableView* BudgetTable = nullptr;
    QLabel* YearTotals = nullptr;
    QLabel* EditedCategory = nullptr;
    QLineEdit* BudgetAmount = nullptr;
    QCheckBox* EveryMonth = nullptr;
    QPushButton* SaveAsExpense = nullptr;
    QPushButton* SaveAsIncome = nullptr;
    QPushButton* ClearBudget = nullptr;
    QPushButton* CloseButton = nullptr;

private:
    void createChoices();
    void createTable();
    void createEditor();
    void createLayout();
    void FitColumns();
    void ShowChosenRow();
    void ShowYearTotals();
    void SaveTyped(bool expense);
    void ChangeChosen(std::optional<std::int64_t> amount);
    // The chosen row's code, or empty when no row is chosen.
    std::string ChosenCode() const;

    SharedState& state_;
    HeldLedger heldLedger_;
    BudgetTableModel* model_ = nullptr;
    std::string failure_;  // the last file failure told, so a refresh does not tell it again
};

}  // namespace tessamo
