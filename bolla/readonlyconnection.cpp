#include "bolla/readonlyconnection.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

namespace bolla {

namespace {

// Qt's ODBC driver takes a connection string as it is only when it names a
// DRIVER or a SERVER; otherwise it puts "DSN=" before it ("FILEDSN=" when it
// mentions a ".dsn"). A string that starts with that key goes without it.
QString forQtOdbc(const QString &connectionString)
{
    const auto has = [&connectionString](const char *part) {
        return connectionString.contains(QLatin1String(part), Qt::CaseInsensitive);
    };
    const QLatin1String prefix(has(".dsn")                        ? "FILEDSN="
                               : has("DRIVER=") || has("SERVER=") ? ""
                                                                  : "DSN=");
    return connectionString.startsWith(prefix, Qt::CaseInsensitive)
               ? connectionString.mid(prefix.size())
               : connectionString;
}

// Through ODBC the access mode is the driver's to honour, and PostgreSQL's
// driver does not: the server itself then makes every transaction of the
// session read-only, and ends a statement at the command time-out.
QSqlError serverSideReadOnly(QSqlDatabase &db, int commandMilliseconds)
{
    if (db.driver()->dbmsType() != QSqlDriver::PostgreSQL)
        return {};
    QSqlQuery session(db);
    if (!session.exec(QStringLiteral("SET SESSION CHARACTERISTICS AS TRANSACTION READ ONLY")) ||
        !session.exec(QStringLiteral("SET statement_timeout = %1").arg(commandMilliseconds)))
        return session.lastError();
    return {};
}

} // namespace

QSqlDatabase openReadOnly(const ConnectionSettings &settings, const QString &name, QSqlError &error)
{
    const QString driver = QString::fromStdString(settings.driver);
    const QString database = QString::fromStdString(settings.databaseName);
    QSqlDatabase db = QSqlDatabase::addDatabase(driver, name);
    db.setDatabaseName(driver == QLatin1String("QODBC") ? forQtOdbc(database) : database);
    db.setHostName(QString::fromStdString(settings.hostName));
    db.setPort(settings.port);
    db.setUserName(QString::fromStdString(settings.userName));
    db.setPassword(QString::fromStdString(settings.password));
    db.setConnectOptions(QString::fromStdString(settings.options));
    if (!db.open()) {
        error = db.lastError();
        return db;
    }
    if (driver == QLatin1String("QODBC"))
        error = serverSideReadOnly(db, settings.commandMilliseconds);
    if (error.isValid())
        db.close();
    return db;
}

} // namespace bolla
