#include "bolla/labelformats.h"

#include "bolla/cellvalues.h"

#include <QLabel>

namespace bolla {

void LabelFormats::bind(QLabel *label, const char16_t *format)
{
    m_formats.insert(label, format ? edicola::readPattern(format, u',') : std::nullopt);
}

void LabelFormats::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *label = qobject_cast<QLabel *>(editor))
        label->setText(shown(index.data(), m_formats.value(editor), edicola::NumberSettings{}));
}

} // namespace bolla
