#include "core/fieldrule.h"

#include "core/numberreading.h"

#include <vector>

namespace edicola {

namespace {

bool inRange(std::u16string_view text, FieldKind kind)
{
    return kind == FieldKind::Price ? numericValue(text).has_value() : countValue(text).has_value();
}

} // namespace

bool accepted(char16_t last, FieldKind kind)
{
    if (last >= u'0' && last <= u'9')
        return true;
    return kind == FieldKind::Price && (last == u'.' || last == u',');
}

bool mustDropLast(std::u16string_view text, FieldKind kind)
{
    if (text.empty())
        return false;
    return !accepted(text.back(), kind) || !inRange(text, kind);
}

// Reading every prefix from the longest down would cost the square of the length.
// Instead, stretch by stretch from the last: among the prefixes that end in an
// accepted character, those in range come first in a Rising stretch and last in a
// Falling one, so a binary search or a single reading settles the stretch.
FieldOutcome applyFieldRule(std::u16string_view text, FieldKind kind)
{
    // What is typed one key at a time mostly stays as it is.
    if (!mustDropLast(text, kind))
        return {std::u16string(text), false};
    const auto inRangeAt = [&](std::size_t length) {
        return inRange(text.substr(0, length), kind);
    };
    const std::vector<Stretch> stretches = prefixTrends(text);
    std::size_t kept = 0;
    for (std::size_t s = stretches.size(); s-- > 0 && kept == 0;) {
        const std::size_t first = s == 0 ? 1 : stretches[s - 1].end + 1;
        std::vector<std::size_t> lengths; // ending in an accepted character
        for (std::size_t length = first; length <= stretches[s].end; ++length) {
            if (accepted(text[length - 1], kind))
                lengths.push_back(length);
        }
        if (lengths.empty())
            continue;
        switch (stretches[s].trend) {
        case Trend::Rising: {
            std::size_t in = 0, out = lengths.size(); // lengths[< in] in range, [>= out] not
            while (in < out) {
                const std::size_t mid = in + (out - in) / 2;
                if (inRangeAt(lengths[mid]))
                    in = mid + 1;
                else
                    out = mid;
            }
            if (in > 0)
                kept = lengths[in - 1];
            break;
        }
        case Trend::Falling:
            if (inRangeAt(lengths.back()))
                kept = lengths.back();
            break;
        case Trend::Wrapping:
            for (std::size_t i = lengths.size(); i-- > 0 && kept == 0;) {
                if (inRangeAt(lengths[i]))
                    kept = lengths[i];
            }
            break;
        }
    }
    return {std::u16string(text.substr(0, kept)), kept != text.size()};
}

} // namespace edicola
