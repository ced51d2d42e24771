// What the two display formats show reads back to the value they were given, taken
// to 15 significant digits: exactly for the general number, and within half a unit
// of the fourth decimal for the amount.

#include "core/displayformat.h"
#include "core/numberreading.h"
#include "fuzzcheck.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

namespace {

using edicola::NumberSettings;

// The Italian settings, then others that differ in each thing the formats use.
const NumberSettings kSettings[] = {
    {},
    {u".", u",", u"-", true, 1},
    {u".", u",", u"-", false, 0},
    {u".", u"\u2019", u"-", true, 2},
    {u",", u"\u202f", u"-", false, 3},
    {u",", u" ", u"\u2212", true, 4},
};

// An exact decimal: its magnitude is digits × 10^-scale.
struct Decimal
{
    bool negative = false;
    std::string digits;
    int scale = 0;
};

// The value the formats start from: the double to 15 significant digits.
Decimal fifteenDigits(double value)
{
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
    const std::string s(buf);
    Decimal d;
    d.negative = std::signbit(value);
    d.digits = s.substr(0, 1) + s.substr(2, 14);
    d.scale = 14 - std::stoi(s.substr(s.find('e') + 1));
    if (d.scale < 0) {
        d.digits.append(std::size_t(-d.scale), '0');
        d.scale = 0;
    }
    return d;
}

double toDouble(const Decimal &d)
{
    const std::string text = d.digits + "e" + std::to_string(-d.scale);
    const double magnitude = std::strtod(text.c_str(), nullptr);
    return d.negative ? -magnitude : magnitude;
}

void rescale(Decimal &d, int scale)
{
    d.digits.append(std::size_t(scale - d.scale), '0');
    d.scale = scale;
}

std::string_view significant(const std::string &digits)
{
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? std::string_view() : std::string_view(digits).substr(first);
}

int compareMagnitudes(const std::string &a, const std::string &b)
{
    const std::string_view x = significant(a), y = significant(b);
    if (x.size() != y.size())
        return x.size() < y.size() ? -1 : 1;
    return x.compare(y);
}

// Digit strings of equal length: the sum, or the difference with a >= b.
std::string addMagnitudes(const std::string &a, const std::string &b)
{
    std::string sum(a.size() + 1, '0');
    int carry = 0;
    for (std::size_t i = a.size(); i-- > 0;) {
        const int d = (a[i] - '0') + (b[i] - '0') + carry;
        sum[i + 1] = char('0' + d % 10);
        carry = d / 10;
    }
    sum[0] = char('0' + carry);
    return sum;
}

std::string subtractMagnitudes(const std::string &a, const std::string &b)
{
    std::string difference(a.size(), '0');
    int borrow = 0;
    for (std::size_t i = a.size(); i-- > 0;) {
        int d = (a[i] - '0') - (b[i] - '0') - borrow;
        borrow = d < 0;
        difference[i] = char('0' + (d + 10) % 10);
    }
    return difference;
}

// |a - b| <= 0.00005, exactly.
bool withinHalfOfFourthDecimal(Decimal a, Decimal b)
{
    const int scale = std::max({a.scale, b.scale, 5});
    rescale(a, scale);
    rescale(b, scale);
    const std::size_t width = std::max(a.digits.size(), b.digits.size());
    a.digits.insert(0, width - a.digits.size(), '0');
    b.digits.insert(0, width - b.digits.size(), '0');

    std::string distance;
    if (a.negative != b.negative)
        distance = addMagnitudes(a.digits, b.digits);
    else if (compareMagnitudes(a.digits, b.digits) >= 0)
        distance = subtractMagnitudes(a.digits, b.digits);
    else
        distance = subtractMagnitudes(b.digits, a.digits);
    return compareMagnitudes(distance, "5" + std::string(std::size_t(scale - 5), '0')) <= 0;
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

bool cutPrefix(std::u16string_view &text, std::u16string_view prefix)
{
    if (text.substr(0, prefix.size()) != prefix)
        return false;
    text.remove_prefix(prefix.size());
    return true;
}

bool cutSuffix(std::u16string_view &text, std::u16string_view suffix)
{
    if (text.size() < suffix.size() || text.substr(text.size() - suffix.size()) != suffix)
        return false;
    text.remove_suffix(suffix.size());
    return true;
}

bool cutNegative(std::u16string_view &text, const NumberSettings &s)
{
    const std::u16string &sign = s.negativeSign;
    switch (s.negativeForm) {
    case 0: {
        std::u16string_view inner = text;
        if (!cutPrefix(inner, u"(") || !cutSuffix(inner, u")"))
            return false;
        text = inner;
        return true;
    }
    case 2:
        return cutPrefix(text, sign + u" ");
    case 3:
        return cutSuffix(text, sign);
    case 4:
        return cutSuffix(text, u" " + sign);
    default:
        return cutPrefix(text, sign);
    }
}

// What the amount format shows, read under the same settings; nothing where the
// text is not laid out as the format lays amounts out.
std::optional<Decimal> readAmount(std::u16string_view text, const NumberSettings &s)
{
    Decimal d;
    d.negative = cutNegative(text, s);
    d.scale = 4;

    const std::size_t point = text.find(s.decimalSeparator);
    if (point == std::u16string_view::npos)
        return std::nullopt;
    std::u16string_view whole = text.substr(0, point);
    const std::u16string_view fraction = text.substr(point + s.decimalSeparator.size());
    if (fraction.size() != 4)
        return std::nullopt;

    if (whole.empty()) {
        if (s.leadingZero)
            return std::nullopt;
    } else if (whole == u"0") {
        if (!s.leadingZero)
            return std::nullopt;
        d.digits = "0";
    } else {
        // Groups of three behind a leading group of one to three, no leading zero.
        std::size_t group = 0;
        while (group < whole.size() && isDigit(whole[group]))
            ++group;
        if (group == 0 || group > 3 || whole[0] == u'0')
            return std::nullopt;
        for (;;) {
            for (char16_t c : whole.substr(0, group))
                d.digits.push_back(char(c));
            whole.remove_prefix(group);
            if (whole.empty())
                break;
            if (!cutPrefix(whole, s.groupSeparator) || whole.size() < 3)
                return std::nullopt;
            group = 3;
            for (std::size_t i = 0; i < group; ++i) {
                if (!isDigit(whole[i]))
                    return std::nullopt;
            }
        }
    }
    for (char16_t c : fraction) {
        if (!isDigit(c))
            return std::nullopt;
        d.digits.push_back(char(c));
    }
    return d;
}

void checkAmount(double value, const NumberSettings &s)
{
    const std::u16string shown = edicola::amount(value, s);
    if (!std::isfinite(value))
        return;
    const std::optional<Decimal> read = readAmount(shown, s);
    FUZZ_CHECK(read.has_value());
    // A value that rounds to nothing shows no sign.
    FUZZ_CHECK(!read->negative || !significant(read->digits).empty());
    FUZZ_CHECK(withinHalfOfFourthDecimal(*read, fifteenDigits(value)));
}

void checkGeneral(double value, const NumberSettings &s)
{
    const std::u16string shown = edicola::generalNumber(value, s);
    if (!std::isfinite(value))
        return;
    // The program's own reading takes either decimal separator and the exponent.
    const std::optional<double> read = edicola::numericValue(shown);
    const double expected = toDouble(fifteenDigits(value));
    if (std::isinf(expected)) {
        // The largest doubles round past the range at 15 digits: the reading refuses them.
        FUZZ_CHECK(!read.has_value());
    } else {
        FUZZ_CHECK(read.has_value() && *read == expected);
    }

    // An exponent from 1E+15 up and below 1E-04; no trailing zeros behind the point.
    const std::size_t e = shown.find(u'E');
    const bool exponent =
        expected != 0 && (std::fabs(expected) >= 1e15 || std::fabs(expected) < 1e-4);
    FUZZ_CHECK((e != std::u16string::npos) == exponent);
    const std::u16string_view mantissa = std::u16string_view(shown).substr(0, e);
    if (mantissa.find(s.decimalSeparator) != std::u16string_view::npos)
        FUZZ_CHECK(mantissa.back() != u'0' && !mantissa.ends_with(s.decimalSeparator));
}

void check(double value, const NumberSettings &s)
{
    checkAmount(value, s);
    checkGeneral(value, s);
}

} // namespace

// The first byte picks the settings; the next eight are a double bit for bit, and
// everything after the first byte is also read as a typed price.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    const NumberSettings &settings = kSettings[data[0] % std::size(kSettings)];

    std::optional<double> values[2];
    if (size >= 9) {
        double bits = 0;
        std::memcpy(&bits, data + 1, sizeof bits);
        values[0] = bits;
    }
    values[1] = edicola::numericValue(std::u16string(data + 1, data + size));

    for (const std::optional<double> &value : values) {
        if (!value)
            continue;
        check(*value, kSettings[0]);
        check(*value, settings);
    }
    return 0;
}
