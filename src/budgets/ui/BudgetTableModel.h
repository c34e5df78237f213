#pragma once
// BudgetTableModel: the budget window's table, one row per category of the
// overview. Columns: Code, Description, Budget, Actual, Left, Used (a bar
// drawn by BudgetBarDelegate; its text for a screen reader says the share
// and the state), At this rate, Year budget, Year actual.
#include <QAbstractTableModel>
#include <QColor>

#include "budgets/BudgetOverview.h"
#include "platform/MoneyFormat.h"

namespace tessamo {

class BudgetTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        CodeColumn, DescriptionColumn, BudgetColumn, ActualColumn, LeftColumn, UsedColumn,
        RateColumn, YearBudgetColumn, YearActualColumn, ColumnCount
    };
    // Role of the Used column: the share in tenths of a percent (an int), or
    // nothing without a budget.
    static constexpr int UsedTenthsRole = Qt::UserRole + 1;

    explicit BudgetTableModel(MoneyFormat money, QObject* parent = nullptr);

    void SetOverview(BudgetOverview overview);
    const BudgetOverview& Overview() const { return overview_; }
    const BudgetOverviewLine& Line(int row) const { return overview_.lines[static_cast<std::size_t>(row)]; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The word for a row's state, as the bar's text says it: "within",
    // "near", "over" ("reached" for an income).
    static QString StateWord(const BudgetRow& row);
    // The bar's colour for a row: light green within, amber near, dark red
    // over; three lightnesses that stay apart when printed in grey.
    static QColor StateColour(const BudgetRow& row);

private:
    QString CellText(const BudgetOverviewLine& line, int column) const;
    QString Money(AmountSum amount) const;

    MoneyFormat money_;
    BudgetOverview overview_;
};

}  // namespace tessamo
