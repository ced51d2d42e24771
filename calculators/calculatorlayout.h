#pragma once

#include "shell/form.h"

// Rows of the calculators' layout tables, so that each window's table reads as
// its list of controls and nothing else.
namespace calculatorlayout {

using look::Colour;
using Twips = Control::Twips;

inline constexpr Colour kBackground = Colour::system(look::ActiveCaption);
inline constexpr Colour kResultBackground = Colour::system(look::ActiveCaption);
inline constexpr Colour kNetBackground = Colour::system(look::Highlight);
inline constexpr Colour kHeadingWorkspace = Colour::system(look::AppWorkspace);

inline constexpr look::Font kTitleFont{"MS Sans Serif", 18};
inline constexpr look::Font kPromptFont{"Arial", 9.75};
inline constexpr look::Font kFieldFont{"MS Sans Serif", 12};
inline constexpr look::Font kResultFont{"MS Sans Serif", 13.5, true};

constexpr Control titolo(Twips rect)
{
    return {"Titolo",
            Control::Label,
            "Corvalde",
            rect,
            -1,
            kTitleFont,
            Colour::system(look::InactiveCaption),
            Qt::AlignHCenter};
}

constexpr Control heading(const char *caption, Twips rect, Colour background)
{
    return {"Label1", Control::Label,     caption,    rect,
            -1,       look::kHeadingFont, background, Qt::AlignHCenter};
}

constexpr Control prompt(const char *name, const char *caption, Twips rect,
                         Colour background = look::kLightYellow)
{
    return {name, Control::Label, caption, rect, -1, kPromptFont, background};
}

constexpr Control entryField(const char *name, Twips rect, int tab)
{
    return {name, Control::TextBox, "", rect, tab, kFieldFont, {}, Qt::AlignRight};
}

// The count field: typed a digit at a time, the focus going to "Calcola" after
// each one and coming back by keyboard to add the next.
constexpr Control countField(const char *name, Twips rect, int tab)
{
    Control field = entryField(name, rect, tab);
    field.kind = Control::CountBox;
    return field;
}

constexpr Control result(const char *name, Twips rect, Colour background)
{
    return {name, Control::Label, "", rect, -1, kResultFont, background, Qt::AlignRight};
}

constexpr Control button(const char *name, const char *caption, Twips rect, int tab,
                         Colour background = {})
{
    return {name, Control::Button, caption, rect, tab, kPromptFont, background};
}

// A frame grouping radio buttons; they name it as their container.
constexpr Control frame(const char *name, const char *caption, Twips rect)
{
    return {.name = name,
            .kind = Control::Frame,
            .caption = caption,
            .rect = rect,
            .background = look::kLightYellow};
}

// A radio button of an array (name_0, name_1, ...) inside a frame, in the
// window's default font.
constexpr Control option(const char *name, const char *caption, Twips rect, int tab,
                         const char *frame, bool selected = false)
{
    return {.name = name,
            .kind = Control::Radio,
            .caption = caption,
            .rect = rect,
            .tab = tab,
            .background = look::kLightYellow,
            .container = frame,
            .checked = selected};
}

constexpr Control checkBox(const char *name, const char *caption, Twips rect, int tab)
{
    return {.name = name,
            .kind = Control::Check,
            .caption = caption,
            .rect = rect,
            .tab = tab,
            .background = look::kLightYellow};
}

} // namespace calculatorlayout
