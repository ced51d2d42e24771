#pragma once

#include <QFocusEvent>
#include <QLineEdit>

// An entry field typed into one character at a time, the focus going elsewhere
// after each one: when the keyboard brings the focus back, the caret goes to the
// end of the text with nothing selected, so that the next character adds to
// what is there. A click leaves the caret where it lands.
class CountBox : public QLineEdit
{
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent *event) override
    {
        QLineEdit::focusInEvent(event);
        const Qt::FocusReason reason = event->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
            reason == Qt::ShortcutFocusReason)
            end(false);
    }
};
