#include "core/displayformat.h"

#include <charconv>
#include <cmath>
#include <string>

namespace edicola {

namespace {

std::u16string widen(const std::string &ascii)
{
    return std::u16string(ascii.begin(), ascii.end());
}

// |value| as a decimal of 15 significant digits: digits "d1d2..d15" with the
// decimal point after digit number pointPos (which may lie outside the digits).
struct Decimal15
{
    std::string digits;
    int pointPos = 0;
};

// std::to_chars, unlike snprintf, writes "." whatever the C library's locale,
// which the GUI sets from the user's environment.
std::string toChars(double value, std::chars_format format, int precision)
{
    char buf[40];
    const auto end = std::to_chars(buf, buf + sizeof buf, value, format, precision).ptr;
    return std::string(buf, end);
}

Decimal15 decimal15(double magnitude)
{
    const std::string s = toChars(magnitude, std::chars_format::scientific, 14);
    Decimal15 d;
    d.digits.push_back(s[0]);
    d.digits += s.substr(2, 14);
    d.pointPos = std::stoi(s.substr(s.find('e') + 1)) + 1;
    return d;
}

// Whole and fractional digit strings of a 15-digit decimal rounded to a number
// of decimals, a half going away from zero.
void roundToDecimals(const Decimal15 &d, int decimals, std::string &whole, std::string &fraction)
{
    // Lay the digits out positionally with one decimal more than kept to look at.
    std::string positional;
    int point = d.pointPos;
    if (point <= 0) {
        positional = std::string(std::size_t(1 - point), '0') + d.digits;
        point = 1;
    } else {
        positional = d.digits;
        if (int(positional.size()) < point)
            positional.append(std::size_t(point - int(positional.size())), '0');
    }
    if (int(positional.size()) < point + decimals + 1)
        positional.append(std::size_t(point + decimals + 1 - int(positional.size())), '0');

    const bool roundUp = positional[std::size_t(point + decimals)] >= '5';
    std::string kept = positional.substr(0, std::size_t(point + decimals));
    if (roundUp) {
        int i = int(kept.size()) - 1;
        while (i >= 0 && kept[std::size_t(i)] == '9')
            kept[std::size_t(i--)] = '0';
        if (i < 0) {
            kept.insert(kept.begin(), '1');
            ++point;
        } else {
            ++kept[std::size_t(i)];
        }
    }
    whole = kept.substr(0, std::size_t(point));
    fraction = kept.substr(std::size_t(point));
    const std::size_t firstNonZero = whole.find_first_not_of('0');
    whole = firstNonZero == std::string::npos ? std::string() : whole.substr(firstNonZero);
}

// |value| rounded to `decimals`; nonZero when a digit other than 0 is left.
struct Rounded
{
    std::string whole;
    std::string fraction;
    bool nonZero = false;
};

Rounded rounded(double value, int decimals)
{
    Rounded r{{}, std::string(std::size_t(decimals), '0')};
    if (value != 0.0)
        roundToDecimals(decimal15(std::fabs(value)), decimals, r.whole, r.fraction);
    r.nonZero = !r.whole.empty() || r.fraction.find_first_not_of('0') != std::string::npos;
    return r;
}

std::u16string grouped(const std::string &whole, const std::u16string &separator)
{
    std::u16string out;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0)
            out += separator;
        out.push_back(char16_t(whole[i]));
    }
    return out;
}

std::u16string negative(const std::u16string &number, const NumberSettings &s)
{
    switch (s.negativeForm) {
    case 0:
        return u"(" + number + u")";
    case 2:
        return s.negativeSign + u" " + number;
    case 3:
        return number + s.negativeSign;
    case 4:
        return number + u" " + s.negativeSign;
    default:
        return s.negativeSign + number;
    }
}

} // namespace

std::u16string generalNumber(double value, const NumberSettings &settings)
{
    if (value == 0.0)
        return u"0";
    if (!std::isfinite(value))
        return widen(std::isnan(value) ? "NaN" : (value < 0 ? "-Inf" : "Inf"));
    // The general form with 15 digits is exactly this format: trailing zeros
    // dropped, positional from 1E-04 up to below 1E+15, "1E+15" and "1.5E-05" beyond.
    std::u16string out;
    for (char c : toChars(value, std::chars_format::general, 15)) {
        if (c == '.')
            out += settings.decimalSeparator;
        else
            out.push_back(c == 'e' ? u'E' : char16_t(c));
    }
    return out;
}

std::u16string amount(double value, const NumberSettings &settings)
{
    if (!std::isfinite(value))
        return generalNumber(value, settings);
    const Rounded r = rounded(value, 4);
    std::u16string number = grouped(r.whole, settings.groupSeparator);
    if (number.empty() && settings.leadingZero)
        number = u"0";
    number += settings.decimalSeparator + widen(r.fraction);

    // A value that rounds to nothing shows no sign.
    return value < 0 && r.nonZero ? negative(number, settings) : number;
}

std::optional<NumberPattern> readPattern(std::u16string_view text, char16_t point)
{
    if (text.empty())
        return std::nullopt;
    NumberPattern p;
    for (char16_t c : text) {
        if (c == point && !p.point) {
            p.point = true;
        } else if (c == u'0' && !p.point) {
            ++p.wholeZeros;
        } else if (c == u'#' && !p.point) {
            // A '#' after a '0' would be a digit the '0' already forces.
            if (p.wholeZeros > 0)
                return std::nullopt;
        } else if ((c == u'0' || c == u'#') && p.point) {
            // Zeros after a '#' could never show: the '#' drops them first.
            if (c == u'0' && p.fractionZeros != p.fractionDigits)
                return std::nullopt;
            p.fractionZeros += c == u'0';
            ++p.fractionDigits;
        } else {
            return std::nullopt;
        }
    }
    return p;
}

std::u16string patterned(double value, const NumberPattern &pattern, const NumberSettings &settings)
{
    if (!std::isfinite(value))
        return generalNumber(value, settings);
    auto [whole, fraction, nonZero] = rounded(value, pattern.fractionDigits);
    while (int(fraction.size()) > pattern.fractionZeros && fraction.back() == '0')
        fraction.pop_back();
    if (int(whole.size()) < pattern.wholeZeros)
        whole.insert(0, std::size_t(pattern.wholeZeros) - whole.size(), '0');

    std::u16string number = widen(whole);
    if (pattern.point)
        number += settings.decimalSeparator + widen(fraction);
    return value < 0 && nonZero ? settings.negativeSign + number : number;
}

} // namespace edicola
