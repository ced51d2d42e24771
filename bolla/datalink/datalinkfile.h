#pragma once

#include "bolla/datalink/datalinkerror.h"
#include "bolla/datalink/initstring.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace bolla {

struct ParsedDataLink
{
    InitString init;
    DataLinkError error = DataLinkError::None;
    int line = 0; // where the error lies, from 1; 0 for the file as a whole
};

inline constexpr std::size_t kMaxDataLinkBytes = 64 * 1024;

// The whole file: in any of the encodings decodeDataLinkText reads, blank and
// ';' comment lines, the [oledb] section line, then exactly one initialisation
// string.
ParsedDataLink parseDataLinkFile(std::string_view bytes);

// The bytes of a data link file, at most kMaxDataLinkBytes of them.
DataLinkError readDataLinkFile(const std::filesystem::path &path, std::string &bytes);

// The file at `path`, read and parsed.
ParsedDataLink loadDataLinkFile(const std::filesystem::path &path);

} // namespace bolla
