#pragma once

#include <QString>

#include <string>
#include <vector>

namespace bolla {

// An Access database none of whose ODBC drivers (`drivers`, the link's own
// first) is installed: which of them would do, of which bitness, and where the
// shop gets each.
QString missingAccessDriver(const std::vector<std::string> &drivers, const QString &dataLinkFile);

} // namespace bolla
