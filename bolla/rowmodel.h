#pragma once

#include "bolla/rows.h"

#include <QAbstractTableModel>

namespace bolla {

// Rows read in full, for the grid and the bound labels; nothing edits them.
class RowModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setRows(const Rows &rows);
    // The column called `name`, or -1.
    int column(const QString &name) const { return int(m_rows.columns.indexOf(name)); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    Rows m_rows;
};

} // namespace bolla
