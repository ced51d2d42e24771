#pragma once

#include "shell/look.h"

// One control of a window's layout table. Geometry is in twips, relative to the
// window's client area or to the frame named as container.
struct Control
{
    // A CountBox is an entry field typed into a character at a time between
    // trips elsewhere: the keyboard brings the caret back to the end of its
    // text. A Grid is a read-only table under a caption line; a DatePicker a
    // date field with a calendar pop-up.
    enum Kind { Label, TextBox, CountBox, Button, Frame, Radio, Check, Picture, Grid, DatePicker };
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
    // What a screen reader says of the control, where its own caption does not:
    // the label whose caption names it (the prompt beside a field or a figure,
    // the text beside a radio button whose caption is hidden), and the label
    // whose words tell it from a control of the same name.
    const char *labelledBy = nullptr;
    const char *describedBy = nullptr;
};
