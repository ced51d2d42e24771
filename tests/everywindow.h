#pragma once

// Every window of the program, built as the program builds it; the viewer on a
// data link file that does not exist, so that it shows its message.

#include "app/plicanza.h"
#include "bolla/controllo_bolla.h"
#include "calculatorkinds.h"

namespace formtest {

inline const char *const kWindows[] = {"plicanza",  "FrmGratuito", "FrmNonGratuito",
                                       "Quot_Quot", "Quot_Period", "Controllo_bolla"};

inline QPointer<Controllo_bolla> &viewer()
{
    static QPointer<Controllo_bolla> instance;
    return instance;
}

// The window, shown and active.
inline Form *openWindow(const QString &name)
{
    Form *w = nullptr;
    if (name == QLatin1String("plicanza"))
        w = forms::defaultInstance<plicanza>();
    else if (name == QLatin1String("Controllo_bolla"))
        w = viewer() = new Controllo_bolla(QStringLiteral("/nonexistent/Testo.udl"));
    for (const Kind &k : kKinds) {
        if (name == QLatin1String(k.window))
            w = k.open();
    }
    if (!w)
        qFatal("no window %s", qPrintable(name));
    showAndActivate(w);
    return w;
}

// The controls of a window's table that take the focus, in table order.
inline QList<QWidget *> focusable(QWidget *form)
{
    QList<QWidget *> controls;
    for (QWidget *w : form->findChildren<QWidget *>()) {
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")) &&
            (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(form) && w->isEnabled())
            controls << w;
    }
    return controls;
}

inline void closeWindows()
{
    delete viewer();
    unloadAll();
}

} // namespace formtest
