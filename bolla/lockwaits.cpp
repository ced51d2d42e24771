#include "bolla/lockwaits.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

namespace bolla {

// SQLite's busy and locked, with their extended codes; PostgreSQL's lock
// time-out by its code or, through ODBC, which gives no SQLSTATE, by its words
// in English or Italian; a lock refused outright, and Access's file locks.
bool heldByAnother(const QSqlError &error, const QString &driver)
{
    if (driver == QLatin1String("QSQLITE")) {
        const int primary = error.nativeErrorCode().toInt() & 0xFF;
        return primary == 5 || primary == 6;
    }
    if (error.nativeErrorCode() == u"55P03")
        return true;
    const QString text = error.databaseText();
    for (const char *words : {"lock timeout", "timeout di lock", "could not obtain lock",
                              "could not lock file", "file already in use"}) {
        if (text.contains(QLatin1String(words), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

bool sliceServerLockWaits(QSqlDatabase &db, int milliseconds)
{
    if (db.driver()->dbmsType() != QSqlDriver::PostgreSQL)
        return true;
    return QSqlQuery(db).exec(QStringLiteral("SET lock_timeout = %1").arg(milliseconds));
}

} // namespace bolla
