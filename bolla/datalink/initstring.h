#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace bolla {

// The key=value pairs of an initialisation string, in the order written. Keys
// compare without regard to ASCII case; a key written twice keeps its last value.
class InitString
{
public:
    void set(std::string key, std::string value);
    // nullptr when the key is absent.
    const std::string *find(std::string_view key) const;
    // The value, or an empty text when the key is absent.
    std::string value(std::string_view key) const;
    const std::vector<std::pair<std::string, std::string>> &pairs() const { return m_pairs; }

private:
    std::vector<std::pair<std::string, std::string>> m_pairs;
};

} // namespace bolla
