#include "budgets/ui/BudgetBarDelegate.h"

#include <QPainter>
#include <algorithm>

#include "budgets/ui/BudgetTableModel.h"

namespace tessamo {

void BudgetBarDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const QVariant tenths = index.data(BudgetTableModel::UsedTenthsRole);
    if (!tenths.isValid()) return QStyledItemDelegate::paint(painter, option, index);
    const auto* model = qobject_cast<const BudgetTableModel*>(index.model());
    const BudgetRow& row = model->Line(index.row()).month;

    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    background.text.clear();
    QStyledItemDelegate::paint(painter, background, index);  // selection and focus as in every cell

    const QRect track = option.rect.adjusted(3, 3, -3, -3);
    const double share = std::clamp(tenths.toInt() / 1000.0, 0.0, 1.0);
    painter->save();
    painter->setPen(option.palette.color(QPalette::Mid));
    painter->setBrush(option.palette.color(QPalette::Base));
    painter->drawRect(track.adjusted(0, 0, -1, -1));
    QRect filled = track.adjusted(1, 1, -1, -1);
    filled.setWidth(static_cast<int>(filled.width() * share));
    // The dark red of a bar over its budget (always full) carries white text.
    const QColor fill = BudgetTableModel::StateColour(row);
    painter->fillRect(filled, fill);
    const bool dark = row.state == BudgetState::Over && fill.lightness() < 128;
    painter->setPen(dark ? QColor(Qt::white) : option.palette.color(QPalette::Text));
    painter->drawText(track.adjusted(4, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter, index.data().toString());
    painter->restore();
}

}  // namespace tessamo
