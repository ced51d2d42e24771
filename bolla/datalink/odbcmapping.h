#pragma once

#include "bolla/datalink/connectionsettings.h"
#include "bolla/datalink/initstring.h"

#include <filesystem>

namespace bolla {

// A link through an ODBC data source (MSDASQL, QODBC): the DSN from Data
// Source, Extended Properties as the ODBC connection string, User ID and
// Password as its UID and PWD, and any key that is no OLE DB setting passed on
// to the ODBC driver. Read-only through the ODBC access mode.
MappedConnection odbcConnection(const InitString &init, const Timeouts &timeouts);

// A Jet or ACE link to an Access database, through an Access ODBC driver: the
// first of those `installed` lists that opens the file, the provider's own
// first (without `installed`, the provider's own); the file from Data Source
// (relative to `linkFolder`), read-only, the database password as PWD. Jet's
// own settings do not apply.
MappedConnection accessConnection(const InitString &init, const std::filesystem::path &linkFolder,
                                  const Timeouts &timeouts,
                                  const InstalledOdbcDrivers &installed = {});

} // namespace bolla
