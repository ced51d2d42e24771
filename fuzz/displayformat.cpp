// What the two display formats show reads back to the value they were given, taken
// to 15 significant digits: exactly for the general number, and within half a unit
// of the fourth decimal for the amount.

#include "core/displayformat.h"
#include "core/numberreading.h"
#include "fuzzcheck.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
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

// |value| to 15 significant digits: m * 10^p, m a whole number below 10^15.
struct Fifteen
{
    std::int64_t m = 0;
    int p = 0;
};

Fifteen fifteen(double value)
{
    char buf[32];
    const auto end =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14)
            .ptr;
    const std::string s(buf, end); // d.dddddddddddddde+x
    return {std::stoll(s.substr(0, 1) + s.substr(2, 14)), std::stoi(s.substr(17)) - 14};
}

double toDouble(const Fifteen &f, bool negative)
{
    const std::string text = std::to_string(f.m) + "e" + std::to_string(f.p);
    double magnitude = HUGE_VAL;
    std::from_chars(text.data(), text.data() + text.size(), magnitude);
    return negative ? -magnitude : magnitude;
}

// a * 10^-4 lies within half of 10^-4 of m * 10^p; a is a digit string.
bool withinHalfOfFourthDecimal(std::string a, const Fifteen &f)
{
    a.erase(0, std::min(a.find_first_not_of('0'), a.size() - 1));
    const int q = -(f.p + 4); // the value in units of 10^-4 is m / 10^q
    if (q <= 0)               // a whole number of units: nothing to round
        return a == (f.m == 0 ? "0" : std::to_string(f.m) + std::string(std::size_t(-q), '0'));
    if (q > 15) // below a tenth of a unit
        return a == "0";
    if (a.size() > 16)
        return false;
    __int128 scale = 1;
    for (int i = 0; i < q; ++i)
        scale *= 10;
    const __int128 distance = __int128(std::stoll(a)) * scale - f.m;
    return 2 * (distance < 0 ? -distance : distance) <= scale;
}

// The sign of a negative amount, in the five forms: what goes before and after.
bool cutNegative(std::u16string_view &text, const NumberSettings &s)
{
    const std::u16string &sign = s.negativeSign;
    const std::u16string around[][2] = {
        {u"(", u")"}, {sign, u""}, {sign + u" ", u""}, {u"", sign}, {u"", u" " + sign}};
    const auto &[before, after] = around[s.negativeForm];
    if (!text.starts_with(before) || !text.ends_with(after))
        return false;
    text = text.substr(before.size(), text.size() - before.size() - after.size());
    return true;
}

// What the amount format shows, as its sign and its digits in units of 10^-4;
// nothing where the text is not laid out as the settings lay amounts out.
struct Shown
{
    bool negative = false;
    std::string units;
};

std::optional<Shown> readAmount(std::u16string_view text, const NumberSettings &s)
{
    Shown read;
    read.negative = cutNegative(text, s);
    const std::size_t point = text.find(s.decimalSeparator);
    if (point == std::u16string_view::npos || text.size() - point != s.decimalSeparator.size() + 4)
        return std::nullopt;
    const std::u16string_view whole = text.substr(0, point);

    // The whole part, grouped again from its digits, is what was shown.
    std::string digits;
    for (std::size_t i = 0; i < whole.size();) {
        if (whole[i] >= u'0' && whole[i] <= u'9')
            digits.push_back(char(whole[i++]));
        else if (whole.substr(i).starts_with(s.groupSeparator))
            i += s.groupSeparator.size();
        else
            return std::nullopt;
    }
    std::u16string regrouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            regrouped += s.groupSeparator;
        regrouped.push_back(char16_t(digits[i]));
    }
    const bool zeroAlone = digits == "0";
    if (regrouped != whole || (digits.starts_with('0') && !zeroAlone) ||
        (s.leadingZero ? digits.empty() : zeroAlone))
        return std::nullopt;

    read.units = digits;
    for (char16_t c : text.substr(point + s.decimalSeparator.size())) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        read.units.push_back(char(c));
    }
    return read;
}

void checkAmount(double value, const NumberSettings &s)
{
    const std::optional<Shown> read = readAmount(edicola::amount(value, s), s);
    FUZZ_CHECK(read.has_value());
    FUZZ_CHECK(withinHalfOfFourthDecimal(read->units, fifteen(value)));
    // A value that rounds to nothing shows no sign.
    const bool nothing = read->units.find_first_not_of('0') == std::string::npos;
    FUZZ_CHECK(read->negative == (std::signbit(value) && !nothing));
}

void checkGeneral(double value, const NumberSettings &s)
{
    const std::u16string shown = edicola::generalNumber(value, s);
    // The program's own reading takes either decimal separator and the exponent.
    const std::optional<double> read = edicola::numericValue(shown);
    const double expected = toDouble(fifteen(value), value < 0);
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
    if (!std::isfinite(value))
        return;
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
