#include "bolla/datalink/paths.h"

#include "bolla/datalink/keytext.h"

namespace bolla {

namespace {

// Windows opens drive paths itself; elsewhere they are mount points.
#ifdef _WIN32
constexpr bool kDrivesAreMounted = false;
#else
constexpr bool kDrivesAreMounted = true;
#endif

bool isAsciiLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

} // namespace

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

std::optional<std::string> mountedDrivePath(std::string_view written)
{
    if (written.size() < 3 || !isAsciiLetter(written[0]) || written[1] != ':' ||
        (written[2] != '\\' && written[2] != '/'))
        return std::nullopt;
    std::string mounted = "/mnt/";
    mounted += lowerAscii(written[0]);
    for (char c : written.substr(2))
        mounted += c == '\\' ? '/' : c;
    return mounted;
}

std::filesystem::path localPath(std::string_view written)
{
    if (kDrivesAreMounted) {
        if (const std::optional<std::string> mounted = mountedDrivePath(written))
            return pathFromUtf8(*mounted);
    }
    return pathFromUtf8(written);
}

std::filesystem::path fileBeside(const std::filesystem::path &linkFolder, std::string_view written)
{
    return (linkFolder / localPath(written)).make_preferred();
}

} // namespace bolla
