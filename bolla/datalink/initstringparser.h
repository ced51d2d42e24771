#pragma once

#include "bolla/datalink/datalinkerror.h"
#include "bolla/datalink/initstring.h"

#include <string_view>

namespace bolla {

struct ParsedInitString
{
    InitString init;
    DataLinkError error = DataLinkError::None;
};

// One line of key=value pairs separated by ';', values optionally in double or
// single quotes (a quote doubled inside them stands for itself), "==" in a key
// for a literal '='. Blanks around keys and unquoted values do not count.
ParsedInitString parseInitString(std::string_view text);

} // namespace bolla
