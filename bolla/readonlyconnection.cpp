#include "bolla/readonlyconnection.h"

#include <QDate>
#include <QSqlDriver>
#include <QSqlError>

#include <sqlite3.h>

namespace bolla {

namespace {

QString fromStd(const std::string &s)
{
    return QString::fromStdString(s);
}

// SQLite's own date() is the UTC date; the shop wants its local day.
void localDate(sqlite3_context *context, int, sqlite3_value **)
{
    const QByteArray today = QDate::currentDate().toString(Qt::ISODate).toLatin1();
    sqlite3_result_text(context, today.constData(), int(today.size()), SQLITE_TRANSIENT);
}

bool registerLocalDate(const QSqlDatabase &db)
{
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return false;
    sqlite3 *connection = *static_cast<sqlite3 *const *>(handle.constData());
    return connection &&
           sqlite3_create_function_v2(connection, "date", 0, SQLITE_UTF8, nullptr, localDate,
                                      nullptr, nullptr, nullptr) == SQLITE_OK;
}

} // namespace

QSqlDatabase openReadOnly(const ConnectionSettings &settings, const QString &name, QSqlError &error)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(fromStd(settings.driver), name);
    db.setDatabaseName(fromStd(settings.databaseName));
    db.setHostName(fromStd(settings.hostName));
    db.setPort(settings.port);
    db.setUserName(fromStd(settings.userName));
    db.setPassword(fromStd(settings.password));
    db.setConnectOptions(fromStd(settings.options));
    if (!db.open()) {
        error = db.lastError();
    } else if (settings.driver == "QSQLITE" && !registerLocalDate(db)) {
        error = QSqlError(QStringLiteral("date()"), {}, QSqlError::ConnectionError);
        db.close();
    }
    return db;
}

} // namespace bolla
