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

// A price field, named for screen readers by its prompt.
constexpr Control entryField(const char *name, Twips rect, int tab, const char *prompt)
{
    return {.name = name,
            .kind = Control::TextBox,
            .caption = "",
            .rect = rect,
            .tab = tab,
            .font = kFieldFont,
            .align = Qt::AlignRight,
            .labelledBy = prompt};
}

// The count field: the focus goes to "Calcola" after each change, and comes
// back by keyboard to add the next digit; a digit typed straight on "Calcola"
// adds to the count too.
constexpr Control countField(const char *name, Twips rect, int tab, const char *prompt)
{
    Control field = entryField(name, rect, tab, prompt);
    field.kind = Control::CountBox;
    return field;
}

// A result label, named for screen readers by its prompt; its figure is its
// value.
constexpr Control result(const char *name, Twips rect, Colour background, const char *prompt)
{
    return {.name = name,
            .kind = Control::Label,
            .caption = "",
            .rect = rect,
            .font = kResultFont,
            .background = background,
            .align = Qt::AlignRight,
            .labelledBy = prompt};
}

// A button; one that shares its caption with another says, for screen readers,
// what sets it apart in the words of the note that does so on screen.
constexpr Control button(const char *name, const char *caption, Twips rect, int tab,
                         Colour background = {}, const char *note = nullptr)
{
    return {.name = name,
            .kind = Control::Button,
            .caption = caption,
            .rect = rect,
            .tab = tab,
            .font = kPromptFont,
            .background = background,
            .describedBy = note};
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
