#pragma once

#include "core/displayformat.h"

#include <QHash>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QPointer>
#include <QSize>

#include <optional>

class QHeaderView;

namespace bolla {

// The grid's column number formats, whose '.' stands for the regional decimal
// separator, shown with the user's settings. Numbers lean right.
class ColumnFormats : public QIdentityProxyModel
{
public:
    explicit ColumnFormats(QObject *parent = nullptr);

    void setNumberFormat(int column, const char16_t *format);
    // The grid sizes its row headings, the row numbers, by measuring those of the
    // first and last hundred rows, a good part of the time the rows take to show;
    // none is wider than the last, whose size, measured once, stands for all.
    void sizeRowHeadingsFor(const QHeaderView *rowHeadings);

    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    // The user's number settings, read once for a locale and a read: reading
    // them was most of what a cell cost, and a day's every cell is measured.
    const edicola::NumberSettings &settings() const;

    QHash<int, std::optional<edicola::NumberPattern>> m_formats;
    mutable std::optional<edicola::NumberSettings> m_settings;
    mutable QLocale m_settingsLocale;
    QPointer<const QHeaderView> m_rowHeadings;
    mutable QSize m_rowHeadingSize;
    mutable int m_rowHeadingsMeasured = -1; // for this many rows
};

} // namespace bolla
