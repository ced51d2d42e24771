// An entry field settles on the text that the rule, dropping one last character at
// a time, would leave; the rule has nothing more to take from it, and the field's
// variable gets that text's reading, which the variable can hold.

#include "core/fieldrule.h"
#include "core/numberreading.h"
#include "fuzzcheck.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

using edicola::FieldKind;

// The oracle: the rule as the nested change reactions ran it.
std::u16string plainLoop(std::u16string text, FieldKind kind)
{
    while (edicola::mustDropLast(text, kind))
        text.pop_back();
    return text;
}

void settle(const std::u16string &typed, FieldKind kind)
{
    const edicola::FieldOutcome outcome = edicola::applyFieldRule(typed, kind);
    const std::u16string &text = outcome.text;

    FUZZ_CHECK(text == plainLoop(typed, kind));
    FUZZ_CHECK(outcome.removed == (text.size() != typed.size()));
    FUZZ_CHECK(text.empty() || edicola::accepted(text.back(), kind));
    FUZZ_CHECK(!edicola::mustDropLast(text, kind));

    const std::optional<double> reading = edicola::numericValue(text);
    FUZZ_CHECK(reading.has_value() && std::isfinite(*reading));
    FUZZ_CHECK(!text.empty() || *reading == 0.0);
    if (kind == FieldKind::Count) {
        const std::optional<std::int16_t> count = edicola::countValue(text);
        FUZZ_CHECK(count.has_value());
        FUZZ_CHECK(double(*count) == std::nearbyint(*reading));
    }
}

void settleBoth(const std::u16string &typed)
{
    settle(typed, FieldKind::Price);
    settle(typed, FieldKind::Count);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Byte by byte, so the fuzzer reaches digits, signs and separators quickly...
    settleBoth(std::u16string(data, data + size));

    // ...and as UTF-16, for surrogates and everything beyond Latin-1.
    std::u16string utf16;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        utf16.push_back(char16_t(data[i] | data[i + 1] << 8));
    settleBoth(utf16);
    return 0;
}
