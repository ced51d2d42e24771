#pragma once

#include <string>

namespace bolla {

// Why a data link file cannot be used as it is.
enum class DataLinkError {
    None,
    Missing,        // no such file
    Unreadable,     // exists but cannot be read (permissions, a folder, ...)
    TooLarge,       // far beyond any data link file
    BadEncoding,    // neither UTF-16LE with its mark nor UTF-8/ANSI text
    NoSection,      // something before the [oledb] line, or no such line
    UnknownSection, // a section other than [oledb], or [oledb] twice
    NoInitString,   // nothing after [oledb] but comments
    TwoInitStrings, // a second initialisation line
    MissingEquals,  // a pair without '='
    EmptyKey,       // "=value"
    UnterminatedQuote,
    TextAfterQuote, // "key='a'b"
};

// What went wrong, in Italian, without quoting the offending text: it may hold
// a password.
std::string describe(DataLinkError error);

} // namespace bolla
