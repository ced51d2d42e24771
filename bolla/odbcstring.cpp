#include "bolla/odbcstring.h"

#include "bolla/keytext.h"

namespace bolla {

namespace {

std::string odbcValue(std::string_view value)
{
    const bool plain = value.find_first_of(";{}") == std::string_view::npos &&
                       trimmed(value).size() == value.size();
    if (plain)
        return std::string(value);
    std::string braced = "{";
    for (char c : value) {
        braced += c;
        if (c == '}')
            braced += '}';
    }
    return braced + "}";
}

} // namespace

OdbcString::OdbcString(std::string text)
    : m_text(std::move(text))
{}

void OdbcString::add(std::string_view key, std::string_view value)
{
    if (!m_text.empty() && m_text.back() != ';')
        m_text += ';';
    m_text.append(key).append("=").append(odbcValue(value));
}

} // namespace bolla
