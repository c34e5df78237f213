#pragma once
// ItemListModel: the line items the item list shows, held in one vector and
// drawn by the view on demand (no widget or item per cell), so a rebuild of a
// 100,000-line ledger is one reset. Columns: Date, Amount, Code, Note; the
// amount is currency text ("****?****" for zero) coloured by its sign.
#include <QAbstractTableModel>
#include <vector>

#include "core/Records.h"
#include "platform/MoneyFormat.h"

namespace tessamo {

class ItemListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { DateColumn, AmountColumn, CodeColumn, NoteColumn, ColumnCount };

    explicit ItemListModel(MoneyFormat format, QObject* parent = nullptr);

    void SetRecords(std::vector<LedgerRecord> records);
    const LedgerRecord& Record(int row) const { return records_[static_cast<std::size_t>(row)]; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    static QString HeaderText(int column);
    // The header's width of each column in characters ("Date" plus 7 blanks ...).
    static int HeaderWidthInCharacters(int column);

private:
    QString CellText(const LedgerRecord& record, int column) const;

    MoneyFormat format_;
    std::vector<LedgerRecord> records_;
};

}  // namespace tessamo
