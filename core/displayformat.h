#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace edicola {

// The user's regional number settings, as the display formats need them.
// The defaults are the Italian ones.
struct NumberSettings
{
    std::u16string decimalSeparator = u",";
    std::u16string groupSeparator = u".";
    std::u16string negativeSign = u"-";
    bool leadingZero = true;
    // Where the sign goes, numbered as Windows numbers its negative-number forms:
    // 0 "(1,1)", 1 "-1,1", 2 "- 1,1", 3 "1,1-", 4 "1,1 -".
    int negativeForm = 1;
};

// Compensations: 15 significant digits, no trailing zeros, no grouping, an
// exponent from 1E+15 up and below 1E-04.
std::u16string generalNumber(double value, const NumberSettings &settings);

// Net prices and re-charges: reduced to 15 significant digits, then rounded to
// four decimals with halves away from zero, grouped, in the regional negative form.
std::u16string amount(double value, const NumberSettings &settings);

// A custom number format made of digit placeholders and at most one decimal
// point: '0' always shows a digit, '#' only a significant one ("0", "0,00", "#.00").
struct NumberPattern
{
    int wholeZeros = 0;     // '0's before the point
    bool point = false;     // the pattern has a decimal point
    int fractionZeros = 0;  // '0's after the point, kept when they are zeros
    int fractionDigits = 0; // all placeholders after the point
};

// Reads a pattern whose decimal point is `point`: ',' for the bound labels'
// patterns, written for Italian settings; '.' for the grid's column patterns, whose
// '.' stands for the regional decimal separator. Anything but placeholders and one
// point makes it unreadable.
std::optional<NumberPattern> readPattern(std::u16string_view text, char16_t point);

// The value through the pattern: its 15-significant-digit decimal rounded to the
// pattern's decimals with halves away from zero, no grouping, the regional
// decimal separator, and a leading negative sign only when a digit other than 0
// shows.
std::u16string patterned(double value, const NumberPattern &pattern,
                         const NumberSettings &settings);

} // namespace edicola
