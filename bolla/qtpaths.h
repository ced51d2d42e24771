#pragma once

#include <QString>

#include <filesystem>

namespace bolla {

// Paths between Qt and the data link file reader, by way of UTF-8 on every
// system: never through the narrow std::string conversions, which on Windows
// use the ANSI code page and lose "Città".
std::filesystem::path toPath(const QString &path);
QString fromPath(const std::filesystem::path &path);

} // namespace bolla
