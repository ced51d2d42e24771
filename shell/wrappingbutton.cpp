#include "wrappingbutton.h"

namespace {
// The original toolkit's indicator: 13 pixels square at 96 dpi.
constexpr int kIndicatorSize = 13;
} // namespace

QRect indicatorRect(const QAbstractButton *button)
{
    return {0, (button->height() - kIndicatorSize) / 2, kIndicatorSize, kIndicatorSize};
}

// The caption starts half a digit's width after the indicator, as the original
// toolkit places it.
QRect captionRect(const QAbstractButton *button)
{
    QRect caption = button->rect();
    caption.setLeft(indicatorRect(button).right() + 1 +
                    button->fontMetrics().horizontalAdvance(QLatin1Char('0')) / 2);
    return caption;
}
