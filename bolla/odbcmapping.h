#pragma once

#include "bolla/connectionsettings.h"
#include "bolla/initstring.h"

namespace bolla {

// A link through an ODBC data source (MSDASQL, QODBC): the DSN from Data
// Source, Extended Properties as the ODBC connection string, and any key that
// is no OLE DB setting passed on to the ODBC driver.
MappedConnection odbcConnection(const InitString &init, const Timeouts &timeouts);

} // namespace bolla
