#include "core/numberreading.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

namespace edicola {

namespace {

// Blanks are skipped wherever they stand: besides tabs and line feeds, every space
// separator (Unicode Zs) and the invisible marks that come along with figures
// pasted from web pages and spreadsheets.
bool isBlank(char16_t c)
{
    switch (c) {
    case u'\t':
    case u'\n':
    case u' ':
    case u'\u00A0':
    case u'\u1680':
    case u'\u200B': // zero-width space
    case u'\u200E': // left-to-right mark
    case u'\u200F': // right-to-left mark
    case u'\u202F':
    case u'\u205F':
    case u'\u3000':
    case u'\uFEFF': // byte-order mark
        return true;
    default:
        return c >= u'\u2000' && c <= u'\u200A';
    }
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

// 16 for &H, 8 for &O, 0 for a decimal number.
int radixOf(std::u16string_view s)
{
    if (s.size() < 2 || s[0] != u'&')
        return 0;
    return upper(s[1]) == u'H' ? 16 : upper(s[1]) == u'O' ? 8 : 0;
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

// Where the parts of a decimal number lie in the blank-free text: the mantissa
// (digits, one point, digits) after the sign, then the exponent's digits.
struct DecimalParts
{
    bool negative = false;
    std::size_t mantissa = 0, mantissaEnd = 0;
    bool anyDigit = false;
    bool negativeExponent = false;
    std::size_t exponent = 0, end = 0; // the exponent's digits; empty without one
};

DecimalParts decimalParts(std::u16string_view s)
{
    DecimalParts p;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) {
        p.negative = s[i] == u'-';
        ++i;
    }
    p.mantissa = i;
    for (; i < s.size() && isDigit(s[i]); ++i)
        p.anyDigit = true;
    if (i < s.size() && (s[i] == u'.' || s[i] == u',')) {
        for (++i; i < s.size() && isDigit(s[i]); ++i)
            p.anyDigit = true;
    }
    p.mantissaEnd = i;
    if (i < s.size() && (upper(s[i]) == u'E' || upper(s[i]) == u'D')) {
        ++i;
        if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) {
            p.negativeExponent = s[i] == u'-';
            ++i;
        }
    }
    p.exponent = i;
    while (i < s.size() && isDigit(s[i]))
        ++i;
    p.end = i;
    return p;
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
    const DecimalParts p = decimalParts(s);
    if (!p.anyDigit)
        return 0.0;

    std::string number;
    for (char16_t c : s.substr(p.mantissa, p.mantissaEnd - p.mantissa))
        number.push_back(isDigit(c) ? char(c) : '.');
    long exponent = 0;
    for (char16_t c : s.substr(p.exponent, p.end - p.exponent)) {
        if (exponent < kExponentClamp)
            exponent = exponent * 10 + (c - u'0');
    }
    if (p.negativeExponent)
        exponent = -exponent;
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
    return p.negative ? -value : value;
}

} // namespace

std::optional<double> numericValue(std::u16string_view text)
{
    const std::u16string s = withoutBlanks(text);
    if (const int radix = radixOf(s))
        return radixValue(std::u16string_view(s).substr(2), radix);
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

// Each digit appended to a mantissa, or to a positive exponent, makes the magnitude
// no smaller (and a correctly rounded conversion keeps that order, out of range
// included); each digit of a negative exponent makes it no larger; whatever follows
// the number's end changes nothing.
std::vector<Stretch> prefixTrends(std::u16string_view text)
{
    std::u16string s;
    std::vector<std::size_t> at; // where each character of s stands in the text
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!isBlank(text[i])) {
            s.push_back(text[i]);
            at.push_back(i);
        }
    }
    // The longest prefix of the text that holds the first j characters of s.
    const auto upTo = [&](std::size_t j) { return j < at.size() ? at[j] : text.size(); };

    if (radixOf(s) != 0) {
        // Zeros in front read as 0; from the first other digit, a value past 32 bits
        // comes within 12 digits, and before that it may wrap to a negative one.
        std::size_t j = 2;
        while (j < s.size() && s[j] == u'0')
            ++j;
        return {{upTo(j), Trend::Rising},
                {upTo(std::min(j + 12, s.size())), Trend::Wrapping},
                {text.size(), Trend::Rising}};
    }
    const DecimalParts p = decimalParts(s);
    if (p.negativeExponent)
        return {{upTo(p.exponent), Trend::Rising}, {text.size(), Trend::Falling}};
    return {{text.size(), Trend::Rising}};
}

} // namespace edicola
