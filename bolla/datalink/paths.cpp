#include "bolla/datalink/paths.h"

#include "bolla/datalink/keytext.h"

#include <algorithm>

namespace bolla {

namespace {

// Windows opens the paths it writes itself; elsewhere drives are mount points,
// '\' is no separator and a network share has no path.
#ifdef _WIN32
constexpr bool kWindowsPaths = true;
#else
constexpr bool kWindowsPaths = false;
#endif

bool isSeparator(char c)
{
    return c == '\\' || c == '/';
}

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
    if (kWindowsPaths)
        return pathFromUtf8(written);
    if (const std::optional<std::string> mounted = mountedDrivePath(written))
        return pathFromUtf8(*mounted);
    std::string path(written);
    std::replace(path.begin(), path.end(), '\\', '/');
    return pathFromUtf8(path);
}

bool isUnreachableNetworkPath(std::string_view written)
{
    return !kWindowsPaths && written.size() > 2 && isSeparator(written[0]) &&
           isSeparator(written[1]) && !isSeparator(written[2]);
}

std::filesystem::path fileBeside(const std::filesystem::path &linkFolder, std::string_view written)
{
    return (linkFolder / localPath(written)).make_preferred();
}

} // namespace bolla
