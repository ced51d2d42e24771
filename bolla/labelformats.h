#pragma once

#include "core/displayformat.h"

#include <QHash>
#include <QStyledItemDelegate>

#include <optional>

class QLabel;

namespace bolla {

// The bound labels' custom number formats, written for Italian settings and
// interpreted with the Italian locale whatever the user's settings. A label
// bound with no format shows its value as text.
class LabelFormats : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void bind(QLabel *label, const char16_t *format);

    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    // The labels only show: nothing goes back to the rows.
    void setModelData(QWidget *, QAbstractItemModel *, const QModelIndex &) const override {}

private:
    QHash<QWidget *, std::optional<edicola::NumberPattern>> m_formats;
};

} // namespace bolla
