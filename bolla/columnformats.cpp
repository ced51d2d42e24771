#include "bolla/columnformats.h"

#include "bolla/cellvalues.h"
#include "shell/regional.h"

#include <QHeaderView>
#include <QStyleOptionHeader>

namespace bolla {

ColumnFormats::ColumnFormats(QObject *parent)
    : QIdentityProxyModel(parent)
{
    connect(this, &QAbstractItemModel::modelReset, this, [this] { m_settings.reset(); });
}

const edicola::NumberSettings &ColumnFormats::settings() const
{
    const QLocale locale;
    if (!m_settings || locale != m_settingsLocale) {
        m_settingsLocale = locale;
        m_settings = numberSettings(locale);
    }
    return *m_settings;
}

void ColumnFormats::setNumberFormat(int column, const char16_t *format)
{
    m_formats.insert(column, edicola::readPattern(format, u'.'));
    if (rowCount() > 0)
        emit dataChanged(index(0, column), index(rowCount() - 1, column), {Qt::DisplayRole});
}

void ColumnFormats::sizeRowHeadingsFor(const QHeaderView *rowHeadings)
{
    m_rowHeadings = rowHeadings;
}

QVariant ColumnFormats::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Vertical || role != Qt::SizeHintRole || !m_rowHeadings)
        return QIdentityProxyModel::headerData(section, orientation, role);
    if (m_rowHeadingsMeasured != rowCount()) {
        m_rowHeadingsMeasured = rowCount();
        QStyleOptionHeader option;
        option.initFrom(m_rowHeadings);
        // Measured in bold, as the current row's heading shows.
        QFont bold = m_rowHeadings->font();
        bold.setBold(true);
        option.fontMetrics = QFontMetrics(bold);
        option.orientation = Qt::Vertical;
        option.section = rowCount() - 1;
        option.text = headerData(option.section, Qt::Vertical, Qt::DisplayRole).toString();
        m_rowHeadingSize = m_rowHeadings->style()->sizeFromContents(QStyle::CT_HeaderSection,
                                                                    &option, {}, m_rowHeadings);
    }
    return m_rowHeadingSize;
}

QVariant ColumnFormats::data(const QModelIndex &index, int role) const
{
    const QVariant value = QIdentityProxyModel::data(index, Qt::DisplayRole);
    const bool isText = value.metaType().id() == QMetaType::QString;
    if (role == Qt::DisplayRole && m_formats.contains(index.column()))
        return shown(value, m_formats.value(index.column()), settings());
    if (role == Qt::DisplayRole && !isText && !value.isNull())
        return delivered(value, settings(), QLocale());
    if (role == Qt::TextAlignmentRole && !isText && number(value))
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return QIdentityProxyModel::data(index, role);
}

} // namespace bolla
