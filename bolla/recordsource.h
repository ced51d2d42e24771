#pragma once

#include <QString>

namespace bolla {

// Where the program's data link file lives: a fixed folder on drive F:.
QString dataLinkFile();

// The delivery-note query: the day's supplied issues with their discount.
extern const char kRecordSource[];

// The record source as the driver runs it. SQLite's date() is the UTC day; its
// own date('now','localtime') is the local day wherever SQLite is built, in the
// program or in Qt's driver, so on SQLite the date() call becomes that. Every
// other engine runs the text as it is.
QString recordSourceFor(const QString &driver, const QString &recordSource);

} // namespace bolla
