#include "shell/wrappingbutton.h"

namespace {
// Windows' check box and radio button indicator: 13 pixels square at 96 dpi.
constexpr int kIndicatorSize = 13;
} // namespace

QRect indicatorRect(const QAbstractButton *button)
{
    return {0, (button->height() - kIndicatorSize) / 2, kIndicatorSize, kIndicatorSize};
}

// The caption starts half a digit's width after the indicator, as Windows places
// it.
QRect captionRect(const QAbstractButton *button)
{
    QRect caption = button->rect();
    caption.setLeft(indicatorRect(button).right() + 1 +
                    button->fontMetrics().horizontalAdvance(QLatin1Char('0')) / 2);
    return caption;
}

QList<QAbstractButton *> groupMates(const QAbstractButton *button)
{
    QList<QAbstractButton *> mates;
    const QWidget *parent = button->parentWidget();
    if (!qobject_cast<const QRadioButton *>(button) || !button->autoExclusive() || !parent)
        return mates;
    // The focus chain is the tab order, and it goes round.
    for (QWidget *w = button->nextInFocusChain(); w != button; w = w->nextInFocusChain()) {
        auto *mate = qobject_cast<QRadioButton *>(w);
        if (mate && mate->parentWidget() == parent && mate->autoExclusive() && mate->isEnabled() &&
            mate->isVisibleTo(parent))
            mates.append(mate);
    }
    return mates;
}
