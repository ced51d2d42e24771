#pragma once

#include <string>
#include <vector>

namespace bolla {

// The names of the ODBC drivers this program can load, as the driver manager
// lists them: on Windows those of the program's own bitness, elsewhere the
// sections of unixODBC's and iODBC's odbcinst.ini files.
std::vector<std::string> installedOdbcDrivers();

} // namespace bolla
