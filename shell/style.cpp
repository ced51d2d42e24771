#include "shell/style.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <qdrawutil.h>

namespace {

// Windows' focus rectangle: every other pixel of a one-pixel outline.
void drawFocusRect(QPainter *painter, const QRect &rect, const QColor &colour)
{
    if (rect.width() < 2 || rect.height() < 2)
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    QPen dots(colour, 0, Qt::CustomDashLine);
    dots.setDashPattern({1, 1});
    painter->setPen(dots);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

} // namespace

Style::Style()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{}

void Style::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                          const QWidget *widget) const
{
    // Fusion draws its focus only after a key has moved it, and in a faint blue
    // that a yellow button swallows.
    if (element == PE_FrameFocusRect) {
        drawFocusRect(painter, option->rect, option->palette.color(QPalette::WindowText));
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

// Fusion marks a focused push button only by a bluish outline; Windows draws
// its dotted rectangle inside the button's edge.
void Style::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                        const QWidget *widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_PushButton && (option->state & State_HasFocus)) {
        constexpr int kInset = 4;
        drawFocusRect(painter, option->rect.adjusted(kInset, kInset, -kInset, -kInset),
                      option->palette.color(QPalette::ButtonText));
    }
}

// A frame as Windows draws it: an etched line whose top runs through the middle
// of the caption, the caption on the frame's own colour, nothing tinted.
void Style::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                               QPainter *painter, const QWidget *widget) const
{
    const auto *box = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
    if (control != CC_GroupBox || !box || (box->subControls & SC_GroupBoxCheckBox)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const QFontMetrics &metrics = box->fontMetrics;
    QRect frame = box->rect;
    if (!box->text.isEmpty())
        frame.setTop(frame.top() + metrics.height() / 2);
    qDrawShadeRect(painter, frame, box->palette, true, 1, 0);
    if (box->text.isEmpty())
        return;

    const int indent = metrics.horizontalAdvance(QLatin1Char('0'));
    const int gap = metrics.horizontalAdvance(QLatin1Char(' ')) / 2 + 1;
    QRect caption(box->rect.left() + indent, box->rect.top(),
                  metrics.horizontalAdvance(box->text) + 2 * gap, metrics.height());
    caption = caption.intersected(box->rect.adjusted(2, 0, -2, 0));
    painter->fillRect(caption, box->palette.brush(QPalette::Window));
    proxy()->drawItemText(painter, caption.adjusted(gap, 0, 0, 0),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, box->palette,
                          box->state & State_Enabled, box->text, QPalette::WindowText);
}
