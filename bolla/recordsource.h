#pragma once

#include <QString>

namespace bolla {

// Where the program's data link file lives: a fixed folder on drive F:.
QString dataLinkFile();

// The delivery-note query: the day's supplied issues with their discount.
extern const char kRecordSource[];

} // namespace bolla
