#pragma once
// CategoryListModel: the year's categories for CatList and SmCatList, in file
// order; columns Code (2 characters) and Description (16 characters, trailing
// blanks kept).
#include <QAbstractTableModel>
#include <vector>

#include "core/Records.h"

namespace tessamo {

class CategoryListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { CodeColumn, DescriptionColumn, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void SetRecords(std::vector<CategoryRecord> records);
    const CategoryRecord& Record(int row) const { return records_[static_cast<std::size_t>(row)]; }
    const std::vector<CategoryRecord>& Records() const { return records_; }
    // The stored bytes of a cell: the code, or the whole 16-character name.
    const std::string& CellBytes(const QModelIndex& index) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The header's width of each column in characters ("Code" plus 2 blanks, ...).
    static int HeaderWidthInCharacters(int column);

private:
    std::vector<CategoryRecord> records_;
};

}  // namespace tessamo
