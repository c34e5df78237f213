#include "mainscreen/ItemListModel.h"

#include "core/FixedText.h"
#include "core/ItemListSummary.h"
#include "platform/CodePage.h"
#include "widgets/Grid.h"

namespace tessamo {
namespace {

struct ColumnLook {
    int widthInCharacters;
    Qt::Alignment alignment;
};

// The item list's format string, column by column.
constexpr ColumnLook kColumns[] = {
    {11, Qt::AlignLeft},
    {15, Qt::AlignRight},
    {4, Qt::AlignRight},
    {151, Qt::AlignLeft},
};

}  // namespace

ItemListModel::ItemListModel(MoneyFormat format, QObject* parent)
    : QAbstractTableModel(parent), format_(std::move(format)) {}

void ItemListModel::SetRecords(LedgerLines records) {
    beginResetModel();
    records_ = std::move(records);
    endResetModel();
}

int ItemListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(records_.size());
}

int ItemListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QString ItemListModel::CellText(const LedgerBytesRecord& record, int column) const {
    switch (column) {
        case DateColumn: return QString::fromStdString(Cp1252ToUtf8(std::string(record.Date())));
        case AmountColumn: return QString::fromStdString(ItemAmountText(record.Amount(), format_));
        case CodeColumn: return QString::fromStdString(Cp1252ToUtf8(std::string(record.Code())));
        default: return QString::fromStdString(Cp1252ToUtf8(TrimBlanks(record.Note())));
    }
}

QVariant ItemListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const LedgerBytesRecord record = records_[static_cast<std::size_t>(index.row())];
    switch (role) {
        case Qt::DisplayRole: return CellText(record, index.column());
        case Qt::AccessibleTextRole:
            // The open-item marker "****?****" means nothing read aloud.
            if (index.column() == AmountColumn && record.Amount() == 0) return QStringLiteral("open item, no amount");
            return CellText(record, index.column());
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(kColumns[index.column()].alignment | Qt::AlignVCenter);
        case Qt::ForegroundRole:
            if (index.column() == AmountColumn) return AmountColour(record.Amount());
            return {};
        default: return {};
    }
}

QVariant ItemListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount) return {};
    if (role == Qt::DisplayRole) return HeaderText(section);
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(kColumns[section].alignment | Qt::AlignVCenter);
    return {};
}

QString ItemListModel::HeaderText(int column) { return QString::fromLatin1(kItemListHeaders[static_cast<std::size_t>(column)]); }

int ItemListModel::HeaderWidthInCharacters(int column) { return kColumns[column].widthInCharacters; }

}  // namespace tessamo
