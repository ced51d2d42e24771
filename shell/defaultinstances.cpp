#include "shell/defaultinstances.h"

namespace forms {

namespace {
QList<QPointer<Form>> &registry()
{
    static QList<QPointer<Form>> windows;
    return windows;
}
} // namespace

QList<Form *> loaded()
{
    QList<Form *> windows;
    for (const QPointer<Form> &w : registry()) {
        if (w)
            windows.append(w);
    }
    return windows;
}

void closeAll()
{
    for (Form *w : loaded())
        w->close();
}

void show(QWidget *form)
{
    // A minimised window comes back as it was before, maximised or not.
    form->setWindowState(form->windowState() & ~Qt::WindowMinimized);
    form->show();
    form->raise();
    form->activateWindow();
}

void detail::load(Form *form, std::function<void()> forget)
{
    // Closing discards the window; the next request creates it afresh.
    form->setAttribute(Qt::WA_DeleteOnClose);
    registry().append(form);
    QObject::connect(form, &Form::unloaded, form, [form, forget = std::move(forget)] {
        registry().removeAll(form);
        forget();
    });
}

} // namespace forms
