#pragma once

#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace bolla {

// A query's result read in full, as plain values: its column names and every
// row's values, row after row; or, when it failed, why, for the user.
struct Rows
{
    QStringList columns;
    QList<QVariant> cells;
    QString failure;

    qsizetype rowCount() const { return columns.isEmpty() ? 0 : cells.size() / columns.size(); }
};

} // namespace bolla

Q_DECLARE_METATYPE(bolla::Rows)
