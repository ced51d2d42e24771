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

// What the field ends with once the rule has dropped last characters for as long
// as it must: the longest prefix of the text that it would leave alone, found in
// time that grows with the length times its logarithm.
struct FieldOutcome
{
    std::u16string text;
    bool removed = false;
};
FieldOutcome applyFieldRule(std::u16string_view text, FieldKind kind);

} // namespace edicola
