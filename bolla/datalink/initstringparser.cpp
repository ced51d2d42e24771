#include "bolla/datalink/initstringparser.h"

#include "bolla/datalink/keytext.h"

#include <algorithm>

namespace bolla {

namespace {

// Reads from t[i] into `out` up to a single `end`, which it passes; a doubled
// `end` stands for one. False when the text, or the pair at a ';', ends first.
bool readUpTo(std::string_view t, std::size_t &i, char end, std::string &out, bool pairEnds)
{
    while (i < t.size() && !(pairEnds && t[i] == ';')) {
        if (t[i] != end) {
            out += t[i++];
        } else if (i + 1 < t.size() && t[i + 1] == end) {
            out += end;
            i += 2;
        } else {
            ++i;
            return true;
        }
    }
    return false;
}

void skipBlanks(std::string_view t, std::size_t &i)
{
    while (i < t.size() && isBlank(t[i]))
        ++i;
}

} // namespace

ParsedInitString parseInitString(std::string_view t)
{
    ParsedInitString result;
    const std::size_t n = t.size();
    std::size_t i = 0;
    while (i < n) {
        skipBlanks(t, i);
        if (i < n && t[i] == ';') {
            ++i;
            continue;
        }
        if (i >= n)
            break;

        std::string key;
        if (!readUpTo(t, i, '=', key, true)) {
            result.error = DataLinkError::MissingEquals;
            return result;
        }
        key = std::string(trimmed(key));
        if (key.empty()) {
            result.error = DataLinkError::EmptyKey;
            return result;
        }

        skipBlanks(t, i);
        std::string value;
        if (i < n && (t[i] == '"' || t[i] == '\'')) {
            const char quote = t[i++];
            if (!readUpTo(t, i, quote, value, false)) {
                result.error = DataLinkError::UnterminatedQuote;
                return result;
            }
            skipBlanks(t, i);
            if (i < n && t[i] != ';') {
                result.error = DataLinkError::TextAfterQuote;
                return result;
            }
        } else {
            const std::size_t end = std::min(t.find(';', i), n);
            value = std::string(trimmed(t.substr(i, end - i)));
            i = end;
        }
        result.init.set(std::move(key), std::move(value));
    }
    return result;
}

} // namespace bolla
