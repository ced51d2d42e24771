#include "shell/fittinglabel.h"

#include "shell/labelaccessible.h"

#include <QPainter>
#include <QStyle>
#include <QTextLayout>

namespace {

constexpr qreal kStep = 0.25;

// Digits with the signs, separators and exponent the display formats write: a
// figure is never wrapped, and never shown in part.
bool isFigure(const QString &text)
{
    static const QString others = QStringLiteral(" .,'+-()%Ee\u00A0\u202F\u2212");
    bool digit = false;
    for (QChar c : text) {
        if (c.isDigit())
            digit = true;
        else if (!others.contains(c))
            return false;
    }
    return digit;
}

} // namespace

FittingLabel::FittingLabel(const QString &text, QWidget *parent)
    : QLabel(parent)
{
    static const bool accessible = (QAccessible::installFactory(&LabelAccessible::create), true);
    Q_UNUSED(accessible);
    // Text from a database is shown as it is, never read as markup.
    setTextFormat(Qt::PlainText);
    setText(text);
}

// Where QLabel lays out its text: inside the frame, the margin and the indent.
QRect FittingLabel::textRoom() const
{
    QRect room = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    int indent = this->indent();
    if (indent < 0 && frameWidth() > 0)
        indent = fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - margin();
    if (indent > 0) {
        const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), alignment());
        if (align & Qt::AlignLeft)
            room.setLeft(room.left() + indent);
        if (align & Qt::AlignRight)
            room.setRight(room.right() - indent);
        if (align & Qt::AlignTop)
            room.setTop(room.top() + indent);
        if (align & Qt::AlignBottom)
            room.setBottom(room.bottom() - indent);
    }
    return room;
}

bool FittingLabel::fits(const QFont &font, const QRect &room, int flags, const QString &text) const
{
    const QRect needed = QFontMetrics(font, this).boundingRect(room, flags, text);
    return needed.width() <= room.width() && needed.height() <= room.height();
}

// The lines that fit, the last one ending in an ellipsis where the text stops.
QString FittingLabel::elided(const QString &text, const QFont &font, const QRect &room,
                             int flags) const
{
    const QFontMetrics metrics(font, this);
    if (!(flags & Qt::TextWordWrap))
        return metrics.elidedText(text, Qt::ElideRight, room.width());
    const int lines = qMax(1, room.height() / metrics.lineSpacing());
    QTextLayout layout(text, font, const_cast<FittingLabel *>(this));
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    QStringList shown;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(room.width());
        const bool last = shown.size() + 1 == lines;
        const QString part =
            last ? text.mid(line.textStart()) : text.mid(line.textStart(), line.textLength());
        shown << metrics.elidedText(part.trimmed(), Qt::ElideRight, room.width());
        if (last)
            break;
    }
    layout.endLayout();
    return shown.join(QLatin1Char('\n'));
}

const FittingLabel::Fit &FittingLabel::fit()
{
    const QString text = this->text();
    const QRect room = textRoom();
    const bool figure = isFigure(text);
    const int align = int(QStyle::visualAlignment(layoutDirection(), alignment()));
    const int flags = align | (wordWrap() && !figure ? int(Qt::TextWordWrap) : 0);
    if (m_fit.text == text && m_fit.room == room && m_fit.font == font() && m_fit.flags == flags)
        return m_fit;

    m_fit = {text, room, font(), flags, Shown::Whole, font(), text, flags};
    if (fits(font(), room, flags, text))
        return m_fit;
    QFont smaller = font();
    for (qreal points = font().pointSizeF() - kStep; points >= kSmallestPoints; points -= kStep) {
        smaller.setPointSizeF(points);
        if (fits(smaller, room, flags, text)) {
            m_fit.shown = Shown::Smaller;
            m_fit.drawnFont = smaller;
            return m_fit;
        }
    }
    m_fit.shown = Shown::Marked;
    if (figure) {
        const int hash = qMax(1, QFontMetrics(font(), this).horizontalAdvance(QLatin1Char('#')));
        m_fit.drawn = QString(qMax(1, room.width() / hash), QLatin1Char('#'));
        m_fit.drawnFlags = align;
    } else {
        m_fit.drawnFont = smaller;
        m_fit.drawn = elided(text, smaller, room, flags);
        m_fit.drawnFlags = align;
    }
    return m_fit;
}

void FittingLabel::paintEvent(QPaintEvent *event)
{
    const Fit *fit = text().isEmpty() ? nullptr : &this->fit();
    const bool whole = !fit || fit->shown == Shown::Whole;
    // The tooltip this label gave itself goes with the text that needed it.
    if (!whole) {
        if (toolTip() != fit->text)
            setToolTip(fit->text);
        m_ownToolTip = true;
    } else if (m_ownToolTip) {
        setToolTip({});
        m_ownToolTip = false;
    }
    if (whole) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    painter.setFont(fit->drawnFont);
    style()->drawItemText(&painter, fit->room, fit->drawnFlags, palette(), isEnabled(), fit->drawn,
                          foregroundRole());
}
