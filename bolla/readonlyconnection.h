#pragma once

#include "bolla/datalink/connectionsettings.h"

#include <QSqlDatabase>
#include <QString>

class QSqlError;

namespace bolla {

// Adds the Qt SQL connection `name` with the settings and opens it read-only.
// On failure `error` says why and the connection, closed, is still to be
// removed by the caller, as it is after use.
QSqlDatabase openReadOnly(const ConnectionSettings &settings, const QString &name,
                          QSqlError &error);

} // namespace bolla
