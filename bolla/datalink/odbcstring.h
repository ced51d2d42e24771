#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace bolla {

// An ODBC connection string: key=value pairs separated by ';', a value in
// braces taking ';' and "}}" for '}'. It is built one pair at a time after
// whatever text it starts from.
class OdbcString
{
public:
    explicit OdbcString(std::string text = {});

    // Braces the value where it could end the pair early, or when asked to.
    void add(std::string_view key, std::string_view value, bool braced = false);
    // The value of the first pair with this key, in any ASCII case.
    std::optional<std::string> find(std::string_view key) const;

    bool empty() const { return m_text.empty(); }
    const std::string &text() const { return m_text; }

private:
    std::string m_text;
};

} // namespace bolla
