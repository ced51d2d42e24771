#include "bolla/datalink/odbcstring.h"

#include "bolla/datalink/keytext.h"

namespace bolla {

OdbcString::OdbcString(std::string text)
    : m_text(std::move(text))
{}

void OdbcString::add(std::string_view key, std::string_view value, bool braced)
{
    if (!m_text.empty() && m_text.back() != ';')
        m_text += ';';
    m_text.append(key).append("=");
    if (!braced && value.find_first_of(";{}") == std::string_view::npos &&
        trimmed(value).size() == value.size()) {
        m_text.append(value);
        return;
    }
    m_text += '{';
    for (char c : value) {
        m_text += c;
        if (c == '}')
            m_text += '}';
    }
    m_text += '}';
}

std::optional<std::string> OdbcString::find(std::string_view key) const
{
    const std::string_view t = m_text;
    std::size_t i = 0;
    while (i < t.size()) {
        const std::size_t equals = t.find_first_of("=;", i);
        if (equals == std::string_view::npos)
            break;
        if (t[equals] == ';') {
            i = equals + 1;
            continue;
        }
        const bool wanted = sameKey(trimmed(t.substr(i, equals - i)), key);
        std::string value;
        std::size_t j = equals + 1;
        while (j < t.size() && isBlank(t[j]))
            ++j;
        if (j < t.size() && t[j] == '{') {
            for (++j; j < t.size(); ++j) {
                if (t[j] == '}' && (j + 1 >= t.size() || t[j + 1] != '}'))
                    break;
                value += t[j];
                j += t[j] == '}' ? 1 : 0;
            }
            j = t.find(';', j);
        } else {
            const std::size_t end = t.find(';', j);
            value = trimmed(t.substr(j, end == std::string_view::npos ? end : end - j));
            j = end;
        }
        if (wanted)
            return value;
        if (j == std::string_view::npos)
            break;
        i = j + 1;
    }
    return std::nullopt;
}

} // namespace bolla
