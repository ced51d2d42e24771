#include "bolla/gridcolumns.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHash>
#include <QHeaderView>
#include <QHelpEvent>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTextDocument>
#include <QTextLayout>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace bolla {

namespace {

// The room a cell's text leaves on each side, as the style draws it.
int textMargin(const QTableView *grid)
{
    return grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1;
}

// A text's width as the style lays it out to draw it, which decides whether a
// cell ends in "…"; it can be a pixel more than its characters' advances.
qreal drawnWidth(const QString &text, const QFont &font)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::ManualWrap);
    layout.setTextOption(option);
    qreal width = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(1e5); // no wrapping but at line breaks, whatever the width
        width = std::max(width, line.naturalTextWidth());
    }
    layout.endLayout();
    return width;
}

} // namespace

GridColumns::GridColumns(QTableView *grid, const QStringList &textColumns)
    : QObject(grid)
    , m_grid(grid)
    , m_textNames(textColumns)
{
    // The viewport narrows when the row headings widen or the scroll bar shows.
    grid->viewport()->installEventFilter(this);
}

void GridColumns::fit()
{
    // The row headings and the scroll bars take their places first, so that
    // the columns are shared out of the grid's final width.
    m_grid->doItemsLayout();
    const QAbstractItemModel *model = m_grid->model();
    const QHeaderView *header = m_grid->horizontalHeader();
    const QFontMetricsF metrics(m_grid->font());
    // A text measured whole costs tens of microseconds, too long for thousands
    // of rows: each is taken as its characters' widths, each measured once, and
    // only the widest of a column measured whole.
    QHash<char16_t, qreal> advances;
    const auto summed = [&](const QString &text) {
        qreal width = 0;
        for (const QChar ch : text) {
            auto advance = advances.constFind(ch.unicode());
            if (advance == advances.cend())
                advance = advances.insert(ch.unicode(), metrics.horizontalAdvance(ch));
            width += *advance;
        }
        return width;
    };
    const int padding = 2 * textMargin(m_grid) + (m_grid->showGrid() ? 1 : 0);
    m_text.clear();
    m_needs.clear();
    for (int c = 0; c < model->columnCount(); ++c) {
        // Access gives a column's name as its table has it.
        if (m_textNames.contains(model->headerData(c, Qt::Horizontal).toString(),
                                 Qt::CaseInsensitive))
            m_text << c;
        qreal widest = 0;
        QString widestText;
        for (int r = 0; r < model->rowCount(); ++r) {
            const QString text = shown(model->index(r, c));
            if (const qreal width = summed(text); width > widest) {
                widest = width;
                widestText = text;
            }
        }
        widest = std::max(widest, drawnWidth(widestText, m_grid->font()));
        m_needs << std::max(header->sectionSizeHint(c), int(std::ceil(widest)) + padding);
    }
    share();
    // The scroll bars follow now rather than in a later turn of the event loop:
    // a sideways bar that the columns' first widths showed would flash.
    m_grid->doItemsLayout();
    QEvent layout(QEvent::LayoutRequest);
    QCoreApplication::sendEvent(m_grid, &layout);
}

void GridColumns::share()
{
    if (m_needs.size() != m_grid->model()->columnCount())
        return; // not measured yet
    QHeaderView *header = m_grid->horizontalHeader();
    int left = m_grid->viewport()->width();
    for (int c = 0; c < m_needs.size(); ++c) {
        if (!m_text.contains(c)) {
            header->resizeSection(c, m_needs.at(c));
            left -= m_needs.at(c);
        }
    }
    // Those that need least first: each takes what it needs, up to an equal
    // share of what is left; room to spare then widens them all alike.
    QList<int> text = m_text;
    std::sort(text.begin(), text.end(),
              [this](int a, int b) { return m_needs.at(a) < m_needs.at(b); });
    QList<int> widths(m_needs.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int width = std::min(m_needs.at(text.at(i)), int(left / (text.size() - i)));
        widths[text.at(i)] = width;
        left -= width;
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int extra = std::max(0, int(left / (text.size() - i)));
        widths[text.at(i)] += extra;
        left -= extra;
    }
    // No heading is cut: with no room for that, the grid scrolls sideways.
    for (int c : std::as_const(text))
        header->resizeSection(c, std::max(widths.at(c), header->sectionSizeHint(c)));
}

QString GridColumns::shown(const QModelIndex &index) const
{
    const QVariant value = index.data();
    const auto *delegate = qobject_cast<const QStyledItemDelegate *>(m_grid->itemDelegate());
    return delegate ? delegate->displayText(value, m_grid->locale()) : value.toString();
}

bool GridColumns::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize)
        share();
    if (event->type() == QEvent::ToolTip)
        return showWhole(static_cast<const QHelpEvent *>(event));
    return QObject::eventFilter(watched, event);
}

bool GridColumns::showWhole(const QHelpEvent *help) const
{
    const QModelIndex index = m_grid->indexAt(help->pos());
    if (!index.isValid())
        return false;
    const QRect cell = m_grid->visualRect(index);
    const QString text = shown(index);
    if (drawnWidth(text, m_grid->font()) <= cell.width() - 2 * textMargin(m_grid)) {
        QToolTip::hideText();
        return true;
    }
    // A title that looks like markup shows as it is.
    QToolTip::showText(
        help->globalPos(),
        Qt::mightBeRichText(text)
            ? QStringLiteral("<p style='white-space:pre'>%1</p>").arg(text.toHtmlEscaped())
            : text,
        m_grid->viewport(), cell);
    return true;
}

} // namespace bolla
