#pragma once

#include <QString>

namespace bolla {

// Whether the ODBC driver manager lists a driver by this name: Windows'
// registry, or unixODBC's and iODBC's odbcinst.ini files.
bool odbcDriverInstalled(const QString &name);

} // namespace bolla
