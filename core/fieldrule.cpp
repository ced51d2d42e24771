#include "core/fieldrule.h"

#include "core/numberreading.h"

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

std::u16string withoutLast(std::u16string_view text)
{
    if (text.empty())
        return {};
    std::size_t cut = text.size() - 1;
    const bool lowSurrogate = text[cut] >= 0xDC00 && text[cut] <= 0xDFFF;
    if (lowSurrogate && cut > 0 && text[cut - 1] >= 0xD800 && text[cut - 1] <= 0xDBFF)
        --cut;
    return std::u16string(text.substr(0, cut));
}

FieldOutcome applyFieldRule(std::u16string_view text, FieldKind kind)
{
    FieldOutcome outcome{std::u16string(text), false};
    while (mustDropLast(outcome.text, kind)) {
        outcome.text = withoutLast(outcome.text);
        outcome.removed = true;
    }
    return outcome;
}

} // namespace edicola
