#include "import/ui/ImportPreviewModel.h"

#include <QColor>

#include "core/Amounts.h"
#include "core/FixedText.h"
#include "widgets/Grid.h"
#include "widgets/PanelWidgets.h"

namespace tessamo {

ImportPreviewModel::ImportPreviewModel(ImportSession& session, MoneyFormat money, QObject* parent)
    : QAbstractTableModel(parent), session_(session), money_(std::move(money)) {}

void ImportPreviewModel::Reload() {
    beginResetModel();
    endResetModel();
}

int ImportPreviewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(session_.Plan().lines.size());
}

int ImportPreviewModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QString ImportPreviewModel::CellText(const PlannedLine& line, int column) const {
    const bool bad = line.state == LineState::Bad;
    switch (column) {
        case LineColumn:
            return QString::number(line.source.lineNumber);
        case DateColumn:
            return bad ? QString() : FromRecordText(line.record.Date);
        case AmountColumn:
            return bad ? QString() : QString::fromStdString(CurrencyText(line.record.Amount, money_));
        case CodeColumn:
            return FromRecordText(TrimRightBlanks(line.record.Code));
        case StateColumn:
            return QString::fromLatin1(LineStateName(line.state)) +
                   (line.state == LineState::OtherYear ? QStringLiteral(" ") + QString::fromStdString(line.year)
                                                       : QString());
        case NoteColumn:
            return bad ? QString::fromStdString(line.source.payee) : FromRecordText(TrimRightBlanks(line.record.Note));
        case ReasonColumn:
            return QString::fromStdString(line.reason);
        default:
            return QString();
    }
}

QVariant ImportPreviewModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const PlannedLine& line = session_.Plan().lines[static_cast<std::size_t>(index.row())];
    if (index.column() == EnterColumn) {
        if (role == Qt::CheckStateRole) return line.checked ? Qt::Checked : Qt::Unchecked;
        if (role == Qt::AccessibleTextRole) return line.checked ? QStringLiteral("entered") : QStringLiteral("not entered");
        return {};
    }
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) return CellText(line, index.column());
    if (role == Qt::ForegroundRole && index.column() == AmountColumn) return AmountColour(line.record.Amount);
    if (role == Qt::ForegroundRole && line.state == LineState::Bad) return QColor(Qt::darkRed);
    if (role == Qt::TextAlignmentRole && index.column() == AmountColumn)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

bool ImportPreviewModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.column() != EnterColumn || role != Qt::CheckStateRole) return false;
    session_.SetChecked(static_cast<std::size_t>(index.row()), value.toInt() == Qt::Checked);
    emit dataChanged(index, index, {Qt::CheckStateRole});
    emit TicksChanged();
    return true;
}

Qt::ItemFlags ImportPreviewModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags base = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == EnterColumn &&
        session_.Plan().lines[static_cast<std::size_t>(index.row())].state != LineState::Bad)
        base |= Qt::ItemIsUserCheckable;
    return base;
}

QVariant ImportPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const char* const kHeaders[] = {"Enter", "Line", "Date", "Amount", "Code", "State", "Note", "Reason"};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount) return {};
    return QString::fromLatin1(kHeaders[section]);
}

}  // namespace tessamo
