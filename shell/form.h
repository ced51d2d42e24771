#pragma once

#include "look.h"

#include <QWidget>

#include <span>

class QCloseEvent;

// One control of a window's layout table. Geometry is in twips, relative to the
// window's client area or to the frame named as container.
struct Control
{
    // A Grid is a read-only table under a caption line; a DatePicker a date
    // field with a calendar pop-up.
    enum Kind { Label, TextBox, Button, Frame, Radio, Check, Picture, Grid, DatePicker };
    struct Twips
    {
        int left, top, width, height;
    };

    const char *name;
    Kind kind;
    const char *caption; // a Picture's resource path
    Twips rect;
    int tab = -1; // tab index; -1 takes no part in the tab order
    look::Font font{};
    look::Colour background{};
    Qt::Alignment align = Qt::AlignLeft;
    const char *container = nullptr;
    bool border = false;  // a single-line border (labels and pictures)
    bool checked = false; // a radio button selected, a check box ticked at creation
};

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

    template <class T> T *control(const char *name) const
    {
        T *found = findChild<T *>(QLatin1String(name));
        Q_ASSERT_X(found, "Form::control", name);
        return found;
    }

    // A control array: the controls named name_0, name_1, ... in index order.
    template <class T> QList<T *> controlArray(const char *name) const
    {
        QList<T *> array;
        while (T *found = findChild<T *>(
                   QLatin1String("%1_%2").arg(QLatin1String(name)).arg(array.size())))
            array.append(found);
        Q_ASSERT_X(!array.isEmpty(), "Form::controlArray", name);
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
};
