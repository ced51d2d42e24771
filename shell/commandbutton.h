#pragma once

#include <QKeyEvent>
#include <QPushButton>

// A push button that Enter and keypad Enter press while it has the focus, as
// Space does on Windows. It is never a window's default or cancel button: Enter
// and Escape typed anywhere else press nothing.
class CommandButton : public QPushButton
{
public:
    CommandButton(const QString &caption, QWidget *parent)
        : QPushButton(caption, parent)
    {
        setAutoDefault(false);
        setDefault(false);
    }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};
