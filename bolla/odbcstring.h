#pragma once

#include <string>
#include <string_view>

namespace bolla {

// An ODBC connection string, built one key=value pair at a time after whatever
// text it starts from; a value that could end the pair early goes in braces.
class OdbcString
{
public:
    explicit OdbcString(std::string text = {});

    void add(std::string_view key, std::string_view value);
    bool empty() const { return m_text.empty(); }
    const std::string &text() const { return m_text; }

private:
    std::string m_text;
};

} // namespace bolla
