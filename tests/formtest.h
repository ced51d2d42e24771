#pragma once

// Driving windows the way a user does: keys into the focused control, mouse
// clicks on buttons, and reading what labels and fields show.

#include "shell/forms.h"
#include "shell/look.h"

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

inline void click(QWidget *form, const char *button)
{
    QTest::mouseClick(child<QPushButton>(form, button), Qt::LeftButton);
}

inline void showAndActivate(QWidget *form)
{
    forms::show(form);
    QVERIFY(QTest::qWaitForWindowActive(form));
}

} // namespace formtest
