#include "bolla/datalink/paths.h"

namespace bolla {

std::filesystem::path pathFromUtf8(std::string_view utf8)
{
    return std::filesystem::path(
        std::u8string_view(reinterpret_cast<const char8_t *>(utf8.data()), utf8.size()));
}

std::string utf8FromPath(const std::filesystem::path &path)
{
    const std::u8string utf8 = path.u8string();
    return std::string(utf8.begin(), utf8.end());
}

std::filesystem::path fileBeside(const std::filesystem::path &linkFolder, std::string_view written)
{
    return (linkFolder / pathFromUtf8(written)).make_preferred();
}

} // namespace bolla
