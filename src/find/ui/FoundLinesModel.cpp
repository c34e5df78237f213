#include "find/ui/FoundLinesModel.h"

#include <QColor>
#include <algorithm>

#include "core/FixedText.h"
#include "core/WordSearch.h"
#include "widgets/Grid.h"
#include "widgets/PanelWidgets.h"

namespace tessamo {
namespace {

enum Column { kDate, kAmount, kCode, kCategory, kNote, kColumns };
const char* const kHeaders[kColumns] = {"Date", "Amount", "Code", "Category", "Note"};

// The order of two rows by a column: days and amounts as numbers, texts by
// their bytes.
bool Before(const FoundRow& a, const FoundRow& b, int column) {
    const LedgerBytesRecord x = a.line.Record();
    const LedgerBytesRecord y = b.line.Record();
    switch (column) {
        case kDate: return a.line.DayNumber() < b.line.DayNumber();
        case kAmount: return x.Amount() < y.Amount();
        case kCode: return x.Code() < y.Code();
        case kCategory: return a.category < b.category;
        default: return UpperCp1252(x.Note()) < UpperCp1252(y.Note());
    }
}

}  // namespace

void FoundLinesModel::SetRows(std::vector<FoundRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int FoundLinesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int FoundLinesModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QString FoundLinesModel::CellText(const FoundRow& row, int column) const {
    const LedgerBytesRecord record = row.line.Record();
    switch (column) {
        case kDate: return QString::fromStdString(row.line.IsoDate());
        case kAmount: return QString::fromStdString(CurrencyText(record.Amount(), money_));
        case kCode: return FromRecordText(std::string(record.Code()));
        case kCategory: return FromRecordText(row.category);
        default: return FromRecordText(TrimRightBlanks(record.Note()));
    }
}

QVariant FoundLinesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const FoundRow& row = Row(index.row());
    if (role == Qt::DisplayRole) return CellText(row, index.column());
    if (role == Qt::ForegroundRole && index.column() == kAmount) return AmountColour(row.line.Record().Amount());
    if (role == Qt::TextAlignmentRole && index.column() == kAmount)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant FoundLinesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumns) return {};
    // Amounts stand right, as their cells do; the other headings left, as in the item list.
    if (role == Qt::TextAlignmentRole) return int((section == kAmount ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    return QString::fromLatin1(kHeaders[section]);
}

void FoundLinesModel::sort(int column, Qt::SortOrder order) {
    beginResetModel();
    std::stable_sort(rows_.begin(), rows_.end(), [&](const FoundRow& a, const FoundRow& b) {
        return order == Qt::AscendingOrder ? Before(a, b, column) : Before(b, a, column);
    });
    endResetModel();
}

}  // namespace tessamo
