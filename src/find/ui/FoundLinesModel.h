#pragma once
// FoundLinesModel: the lines a search across the years found, as the window's
// grid shows them: Date (ISO, with the year), Amount (currency text), Code,
// Category, Note. Sorting by a column keeps the order of equal rows, so a
// sort by code leaves each code's lines newest first.
#include <QAbstractTableModel>
#include <vector>

#include "find/FindText.h"
#include "platform/MoneyFormat.h"

namespace tessamo {

class FoundLinesModel : public QAbstractTableModel {
    Q_OBJECT
public:
    FoundLinesModel(const MoneyFormat& money, QObject* parent) : QAbstractTableModel(parent), money_(money) {}

    void SetRows(std::vector<FoundRow> rows);
    const std::vector<FoundRow>& Rows() const { return rows_; }
    const FoundRow& Row(int row) const { return rows_[static_cast<std::size_t>(row)]; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    QString CellText(const FoundRow& row, int column) const;

    MoneyFormat money_;
    std::vector<FoundRow> rows_;
};

}  // namespace tessamo
