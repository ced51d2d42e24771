#include "bolla/datalink/initstring.h"

#include "bolla/datalink/keytext.h"

namespace bolla {

void InitString::set(std::string key, std::string value)
{
    for (auto &pair : m_pairs) {
        if (sameKey(pair.first, key)) {
            pair.second = std::move(value);
            return;
        }
    }
    m_pairs.emplace_back(std::move(key), std::move(value));
}

const std::string *InitString::find(std::string_view key) const
{
    for (const auto &pair : m_pairs) {
        if (sameKey(pair.first, key))
            return &pair.second;
    }
    return nullptr;
}

std::string InitString::value(std::string_view key) const
{
    const std::string *v = find(key);
    return v ? *v : std::string();
}

} // namespace bolla
