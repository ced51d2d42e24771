#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace edicola {

// How an entry field's text reads as a number. The reading ignores the regional
// settings: blanks are skipped, "." and "," both serve as the decimal point (the
// first one in the mantissa; a second ends the number), E or D start an exponent,
// and &H / &O introduce hexadecimal or octal whole numbers.
//
// std::nullopt means the text reads as a number that the field's variable cannot
// hold: beyond the double range for a price, beyond 16 bits for a count.
std::optional<double> numericValue(std::u16string_view text);
std::optional<std::int16_t> countValue(std::u16string_view text);

} // namespace edicola
