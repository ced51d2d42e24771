#pragma once

// The data link file's text rules for keys and values: keys compare without
// regard to ASCII case, and blanks are spaces and tabs.

#include <algorithm>
#include <string_view>

namespace bolla {

inline char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

inline bool sameKey(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return lowerAscii(x) == lowerAscii(y);
           });
}

inline bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

inline std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

} // namespace bolla
