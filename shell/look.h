#pragma once

#include <QColor>
#include <QFont>

// The look the windows share: Windows system colours by index, the named fonts
// with stand-ins where they are missing, and the fixed twips-based geometry.
namespace look {

enum SystemColour {
    ActiveCaption = 2,
    InactiveCaption = 3,
    ActiveBorder = 10,
    AppWorkspace = 12,
    Highlight = 13,
    ButtonFace = 15,
};

// A colour as the layout tables give it: a system colour index or a fixed RGB.
class Colour
{
public:
    constexpr Colour() = default;
    static constexpr Colour system(SystemColour index) { return Colour(Kind::System, index); }
    static constexpr Colour rgb(int r, int g, int b)
    {
        return Colour(Kind::Rgb, (r << 16) | (g << 8) | b);
    }
    constexpr bool isSet() const { return m_kind != Kind::None; }
    QColor toQColor() const;

private:
    enum class Kind { None, System, Rgb };
    constexpr Colour(Kind kind, int value)
        : m_kind(kind)
        , m_value(value)
    {}
    Kind m_kind = Kind::None;
    int m_value = 0;
};

inline constexpr Colour kLightYellow = Colour::rgb(255, 255, 128);
inline constexpr Colour kYellow = Colour::rgb(255, 255, 0);

QColor systemColour(SystemColour index);

// A font as the layout tables give it; an empty family means the window's font.
struct Font
{
    const char *family = nullptr;
    double points = 0;
    bool bold = false;
    bool italic = false;
    int weight = 0; // 100..900; 0 follows `bold`
    QFont toQFont() const;
};

inline constexpr Font kDefaultFont{"MS Sans Serif", 8.25};
inline constexpr Font kHeadingFont{"Brush Script MT", 26.25, true, true};

// Registers stand-ins for the named fonts, used where the system lacks them, and
// loads the faces shipped beside the program. Call once, after the application
// object exists.
void installFontSubstitutes();

// Loads Qt's own texts in Italian. Call once, after the application object
// exists.
void installItalianQtTexts();

// The program's style (one that honours the layout colours' palettes), its font
// stand-ins and Qt's texts in Italian.
void apply();

// Layout tables are in twips, 15 to the pixel.
constexpr int px(int twips)
{
    return twips >= 0 ? (twips + 7) / 15 : -((-twips + 7) / 15);
}

} // namespace look
