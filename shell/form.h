#pragma once

#include "shell/control.h"

#include <QWidget>

#include <span>

class QCloseEvent;

// A top-level window built from its layout table. It never rearranges its
// controls, and it tells when it has been closed for good.
class Form : public QWidget
{
    Q_OBJECT
public:
    struct Window
    {
        const char *caption;
        int width, height; // client area, twips
        look::Colour background;
    };

    explicit Form(const Window &window, std::span<const Control> controls);

    // The control called `name`; a window asking for a control its table lacks,
    // or for one of another kind, is a programming error that stops the program
    // in every build.
    template <class T> T *control(const char *name) const
    {
        T *found = findChild<T *>(QLatin1String(name));
        if (!found)
            missingControl(name, T::staticMetaObject.className());
        return found;
    }

    // A control array: the controls named name_0, name_1, ... in index order.
    template <class T> QList<T *> controlArray(const char *name) const
    {
        QList<T *> array;
        while (T *found = findChild<T *>(
                   QLatin1String("%1_%2").arg(QLatin1String(name)).arg(array.size())))
            array.append(found);
        if (array.isEmpty())
            missingControl(name, T::staticMetaObject.className());
        return array;
    }

protected:
    // Connects each event reaction of the window to its control by name, the
    // control's name, an underscore and the event: a slot Name_Click() to the clicks of button
    // Name, a slot Name_Click(int index) to the clicks of the control array Name_0, Name_1, ..., a
    // slot Name_Change() to the text changes of entry field Name. Call it last in the constructor
    // of the concrete window.
    void connectEvents();

signals:
    // Closed rather than hidden: the instance is on its way out.
    void unloaded();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *create(const Control &c);
    void describe(const Control &c);
    [[noreturn]] void missingControl(const char *name, const char *kind) const;
};
