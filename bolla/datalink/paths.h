#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace bolla {

// Paths to and from UTF-8 text on every system. The narrow std::string
// conversions of std::filesystem::path use Windows' ANSI code page there, which
// reads UTF-8 "Città" as something else and cannot hold every name at all.
std::filesystem::path pathFromUtf8(std::string_view utf8);
std::string utf8FromPath(const std::filesystem::path &path);

// A drive path as the shop's Windows PC writes it ("F:\Bolla\bolla.db") where a
// Linux system mounts that drive: "/mnt/f/Bolla/bolla.db". Nothing for a text
// that is no drive path.
std::optional<std::string> mountedDrivePath(std::string_view written);

// A path written in a data link file, or the program's own, where this system
// finds it. Except on Windows, which opens them itself, drive paths are mounted
// as above and '\' separates folders as on Windows: "Dati\bolla.db" is
// "Dati/bolla.db".
std::filesystem::path localPath(std::string_view written);

// A Windows network path ("\\server\share\bolla.db", "//server/share/...")
// where this system cannot open it: everywhere but on Windows.
bool isUnreachableNetworkPath(std::string_view written);

// The file a data link file names, beside the data link file when relative,
// in the system's own form.
std::filesystem::path fileBeside(const std::filesystem::path &linkFolder, std::string_view written);

} // namespace bolla
