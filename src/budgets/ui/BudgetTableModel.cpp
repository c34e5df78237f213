#include "budgets/ui/BudgetTableModel.h"

#include <algorithm>
#include <array>

#include "platform/CodePage.h"
#include "widgets/Grid.h"

namespace tessamo {
namespace {

constexpr std::array<const char*, BudgetTableModel::ColumnCount> kHeaders = {
    "Code", "Description", "Budget", "Actual", "Left", "Used", "At this rate", "Year budget", "Year actual"};

bool IsIncome(const BudgetRow& row) { return row.budget > 0; }

}  // namespace

BudgetTableModel::BudgetTableModel(MoneyFormat money, QObject* parent)
    : QAbstractTableModel(parent), money_(std::move(money)) {}

void BudgetTableModel::SetOverview(BudgetOverview overview) {
    // The same categories: only the figures change, and the current row,
    // the scroll position and what the user is typing stay as they are.
    const bool sameRows = std::equal(overview.lines.begin(), overview.lines.end(), overview_.lines.begin(),
                                     overview_.lines.end(), [](const BudgetOverviewLine& a, const BudgetOverviewLine& b) {
                                         return a.month.code == b.month.code;
                                     });
    if (!sameRows) beginResetModel();
    overview_ = std::move(overview);
    if (!sameRows) return endResetModel();
    if (!overview_.lines.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

int BudgetTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(overview_.lines.size());
}

int BudgetTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QString BudgetTableModel::Money(AmountSum amount) const { return QString::fromStdString(CurrencyText(amount, money_)); }

QString BudgetTableModel::StateWord(const BudgetRow& row) {
    switch (row.state) {
        case BudgetState::Over: return IsIncome(row) ? QStringLiteral("reached") : QStringLiteral("over");
        case BudgetState::Near: return QStringLiteral("near");
        default: return QStringLiteral("within");
    }
}

QColor BudgetTableModel::StateColour(const BudgetRow& row) {
    // Grey values about 90, 145 and 195: apart on paper as on screen.
    if (row.state == BudgetState::Over && !IsIncome(row)) return QColor(0xA3, 0x3B, 0x30);  // dark red
    if (row.state == BudgetState::Near) return QColor(0xD0, 0x8A, 0x1E);                    // amber
    return QColor(0xA8, 0xD5, 0xBA);                                                      // light green
}

QString BudgetTableModel::CellText(const BudgetOverviewLine& line, int column) const {
    const BudgetRow& m = line.month;
    switch (column) {
        case CodeColumn: return QString::fromStdString(Cp1252ToUtf8(m.code));
        case DescriptionColumn: return QString::fromStdString(Cp1252ToUtf8(m.description));
        case BudgetColumn: return m.hasBudget ? Money(m.budget) : QString();
        case ActualColumn: return Money(m.actual);
        case LeftColumn: return m.hasBudget ? Money(m.left) : QString();
        case UsedColumn:
            return m.usedTenths ? QString::fromStdString(UsedPercentText(*m.usedTenths)) + QStringLiteral(" %, ") +
                                      StateWord(m)
                                : QString();
        case RateColumn: return line.atThisRate ? Money(*line.atThisRate) : QString();
        case YearBudgetColumn: return line.year.hasBudget ? Money(line.year.budget) : QString();
        case YearActualColumn: return Money(line.year.actual);
        default: return QString();
    }
}

QVariant BudgetTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const BudgetOverviewLine& line = Line(index.row());
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return CellText(line, index.column());
        case Qt::TextAlignmentRole:
            return QVariant::fromValue((index.column() <= DescriptionColumn ? Qt::AlignLeft : Qt::AlignRight) |
                                       Qt::AlignVCenter);
        case Qt::ForegroundRole:
            if (index.column() == LeftColumn && line.month.hasBudget && line.month.state == BudgetState::Over &&
                !IsIncome(line.month))
                return AmountColour(-1);
            return {};
        case UsedTenthsRole:
            if (index.column() != UsedColumn || !line.month.usedTenths) return {};
            return static_cast<int>(std::min<AmountSum>(*line.month.usedTenths, 1000000));
        default:
            return {};
    }
}

QVariant BudgetTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount) return {};
    if (role == Qt::DisplayRole) return QString::fromLatin1(kHeaders[static_cast<std::size_t>(section)]);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue((section <= DescriptionColumn ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    return {};
}

}  // namespace tessamo
