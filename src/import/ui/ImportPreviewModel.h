#pragma once
// ImportPreviewModel: the lines of an import plan as the import window shows
// them, one row a statement line: Enter (a tick box), Line, Date, Amount,
// Code, State, Note, Reason. Ticking a row ticks the plan's line through the
// session; a bad line cannot be ticked.
#include <QAbstractTableModel>

#include "import/ImportSession.h"

namespace tessamo {

class ImportPreviewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { EnterColumn, LineColumn, DateColumn, AmountColumn, CodeColumn, StateColumn, NoteColumn, ReasonColumn,
                  ColumnCount };

    ImportPreviewModel(ImportSession& session, MoneyFormat money, QObject* parent = nullptr);

    // The plan changed as a whole (a setting, a rule).
    void Reload();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    void TicksChanged();

private:
    QString CellText(const PlannedLine& line, int column) const;
    ImportSession& session_;
    MoneyFormat money_;
};

}  // namespace tessamo
