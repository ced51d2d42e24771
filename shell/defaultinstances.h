#pragma once

#include "shell/form.h"

#include <QList>
#include <QPointer>

#include <functional>
#include <utility>

// The program's windows: each kind has at most one instance, created the first
// time it is needed and reused until it is closed.
namespace forms {

// Windows created through defaultInstance and not closed since, oldest first.
QList<Form *> loaded();

// Closes every loaded window, hidden ones included.
void closeAll();

// Shows a window modeless with no owner and brings it to the front, restored if
// it was minimised.
void show(QWidget *form);

namespace detail {
template <class T> QPointer<T> &slot()
{
    static QPointer<T> instance;
    return instance;
}
void load(Form *form, std::function<void()> forget);
} // namespace detail

// The instance of T if there is one, without making it.
template <class T> T *existing()
{
    return detail::slot<T>();
}

// The instance of T; `args` make it when there is none.
template <class T, class... Args> T *defaultInstance(Args &&...args)
{
    QPointer<T> &slot = detail::slot<T>();
    if (!slot) {
        slot = new T(std::forward<Args>(args)...);
        detail::load(slot, [] { detail::slot<T>().clear(); });
    }
    return slot;
}

} // namespace forms
