#include "bolla/columnformats.h"

#include "bolla/cellvalues.h"
#include "shell/regional.h"

namespace bolla {

void ColumnFormats::setNumberFormat(int column, const char16_t *format)
{
    m_formats.insert(column, edicola::readPattern(format, u'.'));
    if (rowCount() > 0)
        emit dataChanged(index(0, column), index(rowCount() - 1, column), {Qt::DisplayRole});
}

QVariant ColumnFormats::data(const QModelIndex &index, int role) const
{
    const QVariant value = QIdentityProxyModel::data(index, Qt::DisplayRole);
    const bool isText = value.metaType().id() == QMetaType::QString;
    if (role == Qt::DisplayRole && m_formats.contains(index.column()))
        return shown(value, m_formats.value(index.column()), numberSettings());
    if (role == Qt::DisplayRole && !isText && !value.isNull())
        return delivered(value, numberSettings());
    if (role == Qt::TextAlignmentRole && !isText && number(value))
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return QIdentityProxyModel::data(index, role);
}

} // namespace bolla
