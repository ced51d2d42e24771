#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace edicola {

// How an entry field's text reads as a number. The reading ignores the regional
// settings: blanks (spaces of every kind, tabs, line feeds, and the invisible
// marks U+200B, U+200E, U+200F, U+FEFF) are skipped, "." and "," both serve as the decimal point
// (the first one in the mantissa; a second ends the number), E or D start an exponent, and &H / &O
// introduce hexadecimal or octal whole numbers.
//
// std::nullopt means the text reads as a number that the field's variable cannot
// hold: beyond the double range for a price, beyond 16 bits for a count.
std::optional<double> numericValue(std::u16string_view text);
std::optional<std::int16_t> countValue(std::u16string_view text);

// How the readings of a text's prefixes move as the prefix grows. Over a Rising
// stretch each longer prefix reads as a magnitude no smaller than the one before
// (beyond the range counting as largest), over a Falling one no larger; over a
// Wrapping one, at most 12 digits of a &H or &O number that may turn negative,
// in no order.
enum class Trend { Rising, Falling, Wrapping };
struct Stretch
{
    std::size_t end; // the prefix lengths after the previous stretch's end, up to this
    Trend trend;
};
// The stretches in order, the first from the empty prefix, the last to the text's length.
std::vector<Stretch> prefixTrends(std::u16string_view text);

} // namespace edicola
