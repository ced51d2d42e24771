#include "shell/countbox.h"

#include <QFocusEvent>
#include <QKeyEvent>

void CountBox::passFocusTo(QWidget *next)
{
    if (m_next != next) {
        stopPassing();
        m_next = next;
        next->installEventFilter(this);
    }
    next->setFocus();
}

void CountBox::stopPassing()
{
    if (m_next)
        m_next->removeEventFilter(this);
    m_next = nullptr;
}

void CountBox::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
        reason == Qt::ShortcutFocusReason)
        end(false);
}

bool CountBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_next)
        return QLineEdit::eventFilter(watched, event);
    if (event->type() == QEvent::FocusOut) {
        stopPassing();
    } else if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const QString text = key->text();
        // Shift too: some keyboards type their digits with it.
        const bool plain =
            (key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) == Qt::NoModifier;
        if (plain && text.size() == 1 && text[0] >= u'0' && text[0] <= u'9') {
            end(false);
            insert(text);
            return true;
        }
        if (key->key() == Qt::Key_Backspace && key->modifiers() == Qt::NoModifier) {
            end(false);
            backspace();
            return true;
        }
        switch (key->key()) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock:
            break; // on the way to a digit, perhaps
        default:
            stopPassing();
        }
    }
    return false;
}
