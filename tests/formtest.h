#pragma once

// Driving windows the way a user does: keys into the focused control, mouse
// clicks on buttons, and reading what labels and fields show.

#include "shell/defaultinstances.h"
#include "shell/look.h"
#include "shell/wrappingbutton.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace formtest {

// Italian settings, the program's look, and windows that outlive the last close.
inline void setUpApplication()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    look::apply();
    QApplication::setQuitOnLastWindowClosed(false);
}

// Closes whatever the previous test left and lets closed windows go.
inline void unloadAll()
{
    forms::closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The loaded window of kind T, as the start window's Conferma would find it;
// nullptr when there is none.
template <class T> T *loadedWindow()
{
    for (Form *w : forms::loaded()) {
        if (auto *found = qobject_cast<T *>(w))
            return found;
    }
    return nullptr;
}

template <class T = QWidget> T *child(QWidget *form, const char *name)
{
    T *w = form->findChild<T *>(QLatin1String(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

inline QString text(QWidget *form, const char *name)
{
    QWidget *w = child(form, name);
    if (auto *label = qobject_cast<QLabel *>(w))
        return label->text();
    return child<QLineEdit>(form, name)->text();
}

// Gives the field the focus and types into it, one key at a time.
inline void type(QWidget *form, const char *field, const QString &keys)
{
    QLineEdit *edit = child<QLineEdit>(form, field);
    for (QChar key : keys) {
        edit->setFocus();
        QTest::keyClicks(edit, QString(key));
    }
}

// The named fields and labels that show some text; empty when all are empty.
inline QStringList filled(QWidget *form, const QStringList &names)
{
    QStringList found;
    for (const QString &name : names) {
        if (!text(form, name.toLatin1().constData()).isEmpty())
            found << name;
    }
    return found;
}

inline void click(QWidget *form, const char *button)
{
    QTest::mouseClick(child<QPushButton>(form, button), Qt::LeftButton);
}

// Clicks a radio button or check box on its indicator.
inline void choose(QWidget *form, const char *name)
{
    QAbstractButton *button = child<QAbstractButton>(form, name);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

// Presses Tab (or Backtab) from the focused control, and names each control the
// focus goes to.
inline QStringList tabOrder(int presses, Qt::Key key = Qt::Key_Tab)
{
    QStringList order;
    for (int i = 0; i < presses; ++i) {
        QTest::keyClick(QApplication::focusWidget(), key);
        order << QApplication::focusWidget()->objectName();
    }
    return order;
}

// Lists the labels, radio buttons and check boxes whose caption, word-wrapped as
// it is drawn, does not fit in its control.
inline QStringList clippedCaptions(QWidget *form)
{
    QStringList clipped;
    for (QWidget *w : form->findChildren<QWidget *>()) {
        QString caption;
        QRect room;
        if (auto *label = qobject_cast<QLabel *>(w)) {
            caption = label->text();
            room = label->contentsRect();
        } else if (auto *button = qobject_cast<QAbstractButton *>(w);
                   button && !qobject_cast<QPushButton *>(w)) {
            caption = button->text();
            room = captionRect(button);
        }
        if (caption.isEmpty())
            continue;
        const QRect needed = w->fontMetrics().boundingRect(
            QRect(room.topLeft(), QSize(room.width(), 10000)), Qt::TextWordWrap, caption);
        if (needed.width() > room.width() || needed.height() > room.height())
            clipped << w->objectName();
    }
    return clipped;
}

// Presses keys in whatever control has the focus, as a user at the keyboard
// does: a word in angle brackets is a key as QKeySequence names it ("<Tab>",
// "<Shift+Tab>", "<Return>", "<Num+Enter>" on the keypad, "<Esc>"), any other
// word is typed a key at a time.
inline void press(const QString &keys)
{
    for (const QString &word : keys.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (word.startsWith(QLatin1Char('<')) && word.endsWith(QLatin1Char('>'))) {
            const QKeyCombination key = QKeySequence(word.mid(1, word.size() - 2))[0];
            if (key.key() == Qt::Key_unknown)
                qFatal("no key %s", qPrintable(word));
            QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
            continue;
        }
        for (QChar c : word)
            QTest::keyClicks(QApplication::focusWidget(), QString(c));
    }
}

inline void showAndActivate(QWidget *form)
{
    forms::show(form);
    QVERIFY(QTest::qWaitForWindowActive(form));
}

} // namespace formtest
