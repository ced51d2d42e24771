#pragma once

#include <QCheckBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <type_traits>

// Where a radio button or check box draws its indicator (at the left, centred
// vertically, of the size Windows gives it) and its caption (right of the
// indicator, after the gap Windows leaves, over the rest).
QRect indicatorRect(const QAbstractButton *button);
QRect captionRect(const QAbstractButton *button);

// The other radio buttons of the button's group, its exclusive siblings that are
// enabled and shown, in the tab order that follows it and round from the last to
// the first.
QList<QAbstractButton *> groupMates(const QAbstractButton *button);

// The caption flags: word-wrapped, centred vertically beside the indicator.
inline constexpr int kCaptionFlags =
    Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;

// A radio button or check box with Windows' metrics and behaviour. A caption
// longer than one line word-wraps within the control, and the whole control takes
// the click. Tab and Backtab into a group of radio buttons stop on its selected
// one; in the group, the arrow keys go to the next (Down, Right) or previous (Up,
// Left) button in tab order, round from the last to the first, and select it.
template <class Button> class WrappingButton : public Button
{
    static_assert(std::is_same_v<Button, QRadioButton> || std::is_same_v<Button, QCheckBox>);
    static constexpr bool kRadio = std::is_same_v<Button, QRadioButton>;

public:
    using Button::Button;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        this->initStyleOption(&option);

        QStyleOptionButton indicator = option;
        indicator.rect = indicatorRect(this);
        painter.drawPrimitive(
            kRadio ? QStyle::PE_IndicatorRadioButton : QStyle::PE_IndicatorCheckBox, indicator);

        // A control too narrow to hold a letter beside its indicator shows no
        // caption at all, not a sliver of one; its focus mark then goes round the
        // whole control, so that it still shows.
        const QRect caption = captionRect(this);
        const bool captioned = caption.width() >= option.fontMetrics.averageCharWidth();
        if (captioned) {
            painter.drawItemText(caption, kCaptionFlags, option.palette, this->isEnabled(),
                                 option.text, QPalette::WindowText);
        }
        if (option.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(option);
            focus.rect = captioned
                             ? option.fontMetrics.boundingRect(caption, kCaptionFlags, option.text)
                                   .adjusted(-1, 0, 1, 0)
                                   .intersected(this->rect())
                             : this->rect();
            painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
    }

    bool hitButton(const QPoint &pos) const override { return this->rect().contains(pos); }

    void focusInEvent(QFocusEvent *event) override
    {
        if constexpr (kRadio) {
            if (QAbstractButton *selected = selectedMate(event->reason())) {
                selected->setFocus(event->reason());
                return;
            }
        }
        Button::focusInEvent(event);
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        if constexpr (kRadio) {
            const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
            const int key = event->key();
            const bool forward = key == Qt::Key_Down || key == Qt::Key_Right;
            if (plain && (forward || key == Qt::Key_Up || key == Qt::Key_Left)) {
                const QList<QAbstractButton *> mates = groupMates(this);
                if (!mates.isEmpty()) {
                    QAbstractButton *next = forward ? mates.first() : mates.last();
                    if (!next->isChecked())
                        next->click();
                    next->setFocus(Qt::OtherFocusReason);
                }
                return;
            }
        }
        Button::keyPressEvent(event);
    }

private:
    // The selected radio button of this one's group, when the keyboard's tab
    // order lands on an unselected one.
    QAbstractButton *selectedMate(Qt::FocusReason reason) const
    {
        if ((reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason) || this->isChecked())
            return nullptr;
        for (QAbstractButton *mate : groupMates(this)) {
            if (mate->isChecked())
                return mate;
        }
        return nullptr;
    }
};
