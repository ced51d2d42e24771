#include "core/numberreading.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace edicola {

namespace {

bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

char16_t upper(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? char16_t(c - u'a' + u'A') : c;
}

std::u16string withoutBlanks(std::u16string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    for (char16_t c : text) {
        if (!isBlank(c))
            out.push_back(c);
    }
    return out;
}

int digitValue(char16_t c)
{
    if (isDigit(c))
        return c - u'0';
    const char16_t u = upper(c);
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return 99;
}

// &H and &O numbers: 16-bit two's complement while the digits fit in 16 bits,
// 32-bit beyond that, and no value at all past 32 bits.
std::optional<double> radixValue(std::u16string_view digits, int radix)
{
    std::uint64_t value = 0;
    for (char16_t c : digits) {
        const int d = digitValue(c);
        if (d >= radix)
            break;
        value = value * std::uint64_t(radix) + std::uint64_t(d);
        if (value > 0xFFFFFFFFu)
            return std::nullopt;
    }
    if (value <= 0xFFFFu)
        return double(std::int16_t(std::uint16_t(value)));
    return double(std::int32_t(std::uint32_t(value)));
}

// Exponents beyond this cannot bring any mantissa a line edit can hold back into
// the double range, so clamping them keeps the conversion's input small.
constexpr long kExponentClamp = 1'000'000;

// Decimal exponent just above the first significant digit of "digits[.digits]e..":
// positive for numbers of 1 and more, zero or negative below 1.
long orderOfMagnitude(const std::string &number, long exponent)
{
    const std::size_t end = number.find('e');
    const std::size_t point = std::min(number.find('.'), end);
    const std::size_t first = number.find_first_of("123456789");
    if (first < point)
        return long(point - first) + exponent;
    return exponent - long(first - point - 1);
}

std::optional<double> decimalValue(std::u16string_view s)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) {
        negative = s[i] == u'-';
        ++i;
    }

    std::string mantissa;
    bool anyDigit = false;
    for (; i < s.size() && isDigit(s[i]); ++i) {
        mantissa.push_back(char(s[i]));
        anyDigit = true;
    }
    if (i < s.size() && (s[i] == u'.' || s[i] == u',')) {
        mantissa.push_back('.');
        for (++i; i < s.size() && isDigit(s[i]); ++i) {
            mantissa.push_back(char(s[i]));
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return 0.0;

    long exponent = 0;
    if (i < s.size() && (upper(s[i]) == u'E' || upper(s[i]) == u'D')) {
        ++i;
        bool expNegative = false;
        if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) {
            expNegative = s[i] == u'-';
            ++i;
        }
        for (; i < s.size() && isDigit(s[i]); ++i) {
            if (exponent < kExponentClamp)
                exponent = exponent * 10 + (s[i] - u'0');
        }
        if (expNegative)
            exponent = -exponent;
    }

    std::string number = std::move(mantissa);
    number += 'e';
    number += std::to_string(exponent);

    double value = 0.0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // Out of range either way: too small reads as zero, too large has no value.
        if (orderOfMagnitude(number, exponent) > 0)
            return std::nullopt;
        value = 0.0;
    } else if (ec != std::errc() || std::isinf(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

} // namespace

std::optional<double> numericValue(std::u16string_view text)
{
    const std::u16string s = withoutBlanks(text);
    if (s.size() >= 2 && s[0] == u'&') {
        const char16_t kind = upper(s[1]);
        if (kind == u'H')
            return radixValue(std::u16string_view(s).substr(2), 16);
        if (kind == u'O')
            return radixValue(std::u16string_view(s).substr(2), 8);
    }
    return decimalValue(s);
}

std::optional<std::int16_t> countValue(std::u16string_view text)
{
    const std::optional<double> value = numericValue(text);
    if (!value)
        return std::nullopt;
    // Ties go to the even neighbour, as the default rounding mode does.
    const double rounded = std::nearbyint(*value);
    if (!(rounded >= -32768.0 && rounded <= 32767.0))
        return std::nullopt;
    return std::int16_t(rounded);
}

} // namespace edicola
