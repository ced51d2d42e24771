#pragma once

#include <string>
#include <string_view>

namespace edicola {

// The two kinds of entry field. A price field keeps a last character that is a
// digit, "." or ","; a count field keeps only a digit.
enum class FieldKind { Price, Count };

bool accepted(char16_t last, FieldKind kind);

// One run of a field's change rule: whether the text must drop its last character,
// because that character is not accepted or because the text reads as a number
// outside the variable's range.
bool mustDropLast(std::u16string_view text, FieldKind kind);

// The text without its last character (a surrogate pair counts as one character).
std::u16string withoutLast(std::u16string_view text);

// What the field ends with once every nested run of the rule has finished.
struct FieldOutcome
{
    std::u16string text;
    bool removed = false;
};
FieldOutcome applyFieldRule(std::u16string_view text, FieldKind kind);

} // namespace edicola
