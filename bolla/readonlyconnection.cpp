#include "bolla/readonlyconnection.h"

#include <QSqlError>

namespace bolla {

QSqlDatabase openReadOnly(const ConnectionSettings &settings, const QString &name, QSqlError &error)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QString::fromStdString(settings.driver), name);
    db.setDatabaseName(QString::fromStdString(settings.databaseName));
    db.setHostName(QString::fromStdString(settings.hostName));
    db.setPort(settings.port);
    db.setUserName(QString::fromStdString(settings.userName));
    db.setPassword(QString::fromStdString(settings.password));
    db.setConnectOptions(QString::fromStdString(settings.options));
    if (!db.open())
        error = db.lastError();
    return db;
}

} // namespace bolla
