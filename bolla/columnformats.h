#pragma once

#include "core/displayformat.h"

#include <QHash>
#include <QIdentityProxyModel>

#include <optional>

namespace bolla {

// The grid's column number formats, whose '.' stands for the regional decimal
// separator, shown with the user's settings. Numbers lean right.
class ColumnFormats : public QIdentityProxyModel
{
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    void setNumberFormat(int column, const char16_t *format);

    QVariant data(const QModelIndex &index, int role) const override;

private:
    QHash<int, std::optional<edicola::NumberPattern>> m_formats;
};

} // namespace bolla
