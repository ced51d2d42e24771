#pragma once

#include <string>
#include <string_view>

namespace bolla {

// The bytes of a data link file as UTF-8 text. Windows writes UTF-16LE after a
// byte-order mark; by hand it is UTF-8 (with or without its mark) or the ANSI
// code page of an Italian Windows, Windows-1252. False for what is not text:
// broken UTF-16, or NUL bytes in the rest.
bool decodeDataLinkText(std::string_view bytes, std::string &text);

} // namespace bolla
