#pragma once

#include <string>

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

} // namespace edicola
