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
