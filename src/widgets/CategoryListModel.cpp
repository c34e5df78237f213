#include "widgets/CategoryListModel.h"

#include "platform/CodePage.h"

namespace tessamo {

void CategoryListModel::SetRecords(std::vector<CategoryRecord> records) {
    beginResetModel();
    records_ = std::move(records);
    endResetModel();
}

const std::string& CategoryListModel::CellBytes(const QModelIndex& index) const {
    const CategoryRecord& record = Record(index.row());
    return index.column() == CodeColumn ? record.Code : record.Name;
}

int CategoryListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(records_.size());
}

int CategoryListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant CategoryListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return QString::fromStdString(Cp1252ToUtf8(CellBytes(index)));
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

QVariant CategoryListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount) return {};
    if (role == Qt::DisplayRole) return section == CodeColumn ? QStringLiteral("Code") : QStringLiteral("Description");
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

int CategoryListModel::HeaderWidthInCharacters(int column) { return column == CodeColumn ? 6 : 25; }

}  // namespace tessamo
