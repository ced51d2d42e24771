#include "bolla/rowmodel.h"

namespace bolla {

void RowModel::setRows(const Rows &rows)
{
    beginResetModel();
    m_rows = rows;
    endResetModel();
}

int RowModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.rowCount());
}

int RowModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.columns.size());
}

QVariant RowModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) ||
        (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return m_rows.cells.at(qsizetype(index.row()) * m_rows.columns.size() + index.column());
}

QVariant RowModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < m_rows.columns.size())
        return m_rows.columns.at(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace bolla
