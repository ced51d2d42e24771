#pragma once

#include <QLineEdit>
#include <QPointer>

// An entry field typed into one character at a time, the focus going elsewhere
// after each one: when the keyboard brings the focus back, the caret goes to the
// end of the text with nothing selected, so that the next character adds to
// what is there. A click leaves the caret where it lands.
class CountBox : public QLineEdit
{
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

    // Sends the focus to `next`, as the field does after each change. A digit
    // typed there straight after goes on the end of this field's text, and
    // Backspace takes the last one back, until the focus moves on or another key
    // is pressed: a count typed quickly is not cut to its first digit.
    void passFocusTo(QWidget *next);

protected:
    void focusInEvent(QFocusEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void stopPassing();

    QPointer<QWidget> m_next;
};
