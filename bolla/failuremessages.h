#pragma once

#include "bolla/datalink/connectionsettings.h"
#include "bolla/datalink/datalinkfile.h"

#include <QString>

class QSqlError;

namespace bolla {

// What the window says while it reads; while another program holds the
// database; and when the day has no supplied issue.
QString readingMessage();
QString lockWaitMessage();
QString emptyDayMessage();

// Who a database failure is about: the data link file every message names, the
// database it gives, and the password no message shows.
struct FailureContext
{
    QString dataLinkFile;
    QString driver;
    QString database; // SQLite's database file
    QString userName;
    QString password;
};

// The user's messages, in Italian, each naming the data link file. Those about
// the database say the common cases plainly and give the engine's own text
// after, in parentheses.
QString dataLinkFailure(const ParsedDataLink &link, const QString &dataLinkFile);
QString providerFailure(const MappedConnection &mapped, const QString &dataLinkFile,
                        const QString &provider);
QString missingQtDriver(const QString &driver, const QString &dataLinkFile);
QString openFailure(const QSqlError &error, const FailureContext &context);
QString readFailure(const QSqlError &error, const FailureContext &context);

} // namespace bolla
