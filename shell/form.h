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

signals:
    // Closed rather than hidden: the instance is on its way out.
    void unloaded();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *create(const Control &c);
};
