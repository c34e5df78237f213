#pragma once
// BudgetBarDelegate: draws the budget window's Used column as a bar filled
// to the share used (full beyond 100 %), in the colour of the row's state,
// with the share and the state as text over it.
#include <QStyledItemDelegate>

namespace tessamo {

class BudgetBarDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace tessamo
