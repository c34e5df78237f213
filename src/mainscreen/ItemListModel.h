#pragma once
// ItemListModel: the line items the item list shows, held as their raw
// records in one block and drawn by the view on demand (no widget or item per
// cell, no object per line), so a rebuild of a 100,000-line ledger is one
// reset. Columns: Date, Amount, Code, Note; the
// amount is currency text ("****?****" for zero) coloured by its sign.
#include <QAbstractTableModel>
#include <vector>

#include "core/LedgerBytes.h"
#include "core/Records.h"
#include "platform/MoneyFormat.h"

namespace tessamo {

class ItemListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { DateColumn, AmountColumn, CodeColumn, NoteColumn, ColumnCount };

    explicit ItemListModel(MoneyFormat format, QObject* parent = nullptr);

    void SetRecords(LedgerLines records);
    LedgerRecord Record(int row) const { return records_.Record(static_cast<std::size_t>(row)); }
    const LedgerLines& Lines() const { return records_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    static QString HeaderText(int column);
    // The header's width of each column in characters ("Date" plus 7 blanks ...).
    static int HeaderWidthInCharacters(int column);

private:
    QString CellText(const LedgerBytesRecord& record, int column) const;

    MoneyFormat format_;
    LedgerLines records_;
};

}  // namespace tessamo
