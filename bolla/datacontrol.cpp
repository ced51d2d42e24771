#include "bolla/datacontrol.h"

#include "bolla/datalinkfile.h"
#include "bolla/providermapping.h"
#include "bolla/readonlyconnection.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>

namespace bolla {

namespace {

QString fromStd(const std::string &s)
{
    return QString::fromStdString(s);
}

// The engine's codes for "someone else holds the data": SQLite's busy and
// locked, PostgreSQL's lock refused and statement cancelled by its time-out.
bool isLocked(const QSqlError &error)
{
    static const QStringList codes = {QStringLiteral("5"), QStringLiteral("6"),
                                      QStringLiteral("55P03"), QStringLiteral("57014")};
    return codes.contains(error.nativeErrorCode());
}

QString providerMessage(ProviderError error, const QString &file, const QString &provider)
{
    switch (error) {
    case ProviderError::UnknownProvider:
        return QStringLiteral("Il file di collegamento dati \"%1\" indica un provider sconosciuto: "
                              "\"%2\".")
            .arg(file, provider);
    case ProviderError::NoDataSource:
        return QStringLiteral("Il file di collegamento dati \"%1\" non indica il database "
                              "(Data Source).")
            .arg(file);
    case ProviderError::BadPort:
        return QStringLiteral("Il file di collegamento dati \"%1\" indica un server non valido "
                              "(Data Source).")
            .arg(file);
    case ProviderError::None:
        break;
    }
    return {};
}

} // namespace

DataControl::DataControl(QObject *parent)
    : QObject(parent)
    , m_recordset(new QSqlQueryModel(this))
{}

DataControl::~DataControl()
{
    close();
}

bool DataControl::refresh(const QString &dataLinkFile, const QString &recordSource,
                          const Timeouts &timeouts)
{
    close();
    m_failure.clear();
    m_dataLinkFile = dataLinkFile;
    if (!open(timeouts))
        return false;
    m_recordset->setQuery(recordSource, QSqlDatabase::database(m_connectionName, false));
    // A static cursor: every row is read now, so that no half-read statement
    // keeps a lock on the database while the window stays open.
    while (!m_recordset->lastError().isValid() && m_recordset->canFetchMore())
        m_recordset->fetchMore();
    const QSqlError error = m_recordset->lastError();
    if (!error.isValid())
        return true;
    if (isLocked(error))
        return fail(QStringLiteral("Il database indicato dal file di collegamento dati \"%1\" è "
                                   "occupato da un altro programma; riprovare più tardi (%2).")
                        .arg(m_dataLinkFile, databaseMessage(error)));
    return fail(QStringLiteral("La lettura della bolla dal database indicato dal file di "
                               "collegamento dati \"%1\" non è riuscita: %2")
                    .arg(m_dataLinkFile, databaseMessage(error)));
}

bool DataControl::open(const Timeouts &timeouts)
{
    const ParsedDataLink link = loadDataLinkFile(m_dataLinkFile.toStdString());
    if (link.error == DataLinkError::Missing || link.error == DataLinkError::Unreadable)
        return fail(QStringLiteral("Impossibile leggere il file di collegamento dati \"%1\": %2.")
                        .arg(m_dataLinkFile, fromStd(describe(link.error))));
    if (link.error != DataLinkError::None) {
        const QString where =
            link.line > 0 ? QStringLiteral(" (riga %1)").arg(link.line) : QString();
        return fail(QStringLiteral("Il file di collegamento dati \"%1\" non è valido%2: %3.")
                        .arg(m_dataLinkFile, where, fromStd(describe(link.error))));
    }

    const QString folder = QFileInfo(m_dataLinkFile).absolutePath();
    const MappedConnection mapped = connectionFor(link.init, folder.toStdString(), timeouts);
    const ConnectionSettings &settings = mapped.settings;
    m_password = fromStd(settings.password);
    if (mapped.error != ProviderError::None) {
        const std::string *provider = link.init.find("Provider");
        return fail(providerMessage(mapped.error, m_dataLinkFile,
                                    provider ? fromStd(*provider) : QString()));
    }

    const QString driver = fromStd(settings.driver);
    if (!QSqlDatabase::isDriverAvailable(driver))
        return fail(QStringLiteral("Manca il driver Qt %1, necessario per il database indicato "
                                   "dal file di collegamento dati \"%2\".")
                        .arg(driver, m_dataLinkFile));

    static int connections = 0;
    m_connectionName = QStringLiteral("Adodc1#%1").arg(++connections);
    QSqlError error;
    openReadOnly(settings, m_connectionName, error);
    if (!error.isValid())
        return true;
    if (error.driverText() == QLatin1String("date()"))
        return fail(QStringLiteral("Impossibile preparare la data del giorno sul database "
                                   "indicato dal file di collegamento dati \"%1\".")
                        .arg(m_dataLinkFile));
    return fail(QStringLiteral("Impossibile aprire il database indicato dal file di "
                               "collegamento dati \"%1\": %2")
                    .arg(m_dataLinkFile, databaseMessage(error)));
}

bool DataControl::fail(const QString &message)
{
    m_failure = message;
    close();
    return false;
}

QString DataControl::databaseMessage(const QSqlError &error) const
{
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.driverText().trimmed();
    // Drivers quote what they were given; the password stays out of sight.
    if (!m_password.isEmpty())
        text.replace(m_password, QStringLiteral("****"));
    return text;
}

void DataControl::close()
{
    // The rows' query holds on to the connection's driver, which goes with the
    // connection: the model takes a query of no connection first.
    m_recordset->setQuery(QSqlQuery());
    if (m_connectionName.isEmpty())
        return;
    QSqlDatabase::database(m_connectionName, false).close();
    QSqlDatabase::removeDatabase(m_connectionName);
    m_connectionName.clear();
}

} // namespace bolla
