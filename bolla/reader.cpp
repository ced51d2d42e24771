#include "bolla/reader.h"

#include "bolla/datalink/datalinkfile.h"
#include "bolla/datalink/providermapping.h"
#include "bolla/failuremessages.h"
#include "bolla/lockwaits.h"
#include "bolla/odbcdrivers.h"
#include "bolla/qtpaths.h"
#include "bolla/readonlyconnection.h"
#include "bolla/recordsource.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <atomic>

namespace bolla {

namespace {

// The readers not yet deleted; touched only by the GUI thread.
QSet<Reader *> &running()
{
    static QSet<Reader *> readers;
    return readers;
}

QString fromStd(const std::string &s)
{
    return QString::fromStdString(s);
}

// The user hears that another program holds the database after this long.
constexpr int kLockWaitToldAfterMilliseconds = 1000;

constexpr int kRowsBetweenChecks = 1024;

} // namespace

Reader *Reader::launch(const QString &dataLinkFile, const QString &recordSource,
                       const Timeouts &timeouts, QObject *receiver,
                       const std::function<void(const Rows &)> &take,
                       const std::function<void()> &waiting)
{
    static const bool registered = [] {
        qRegisterMetaType<bolla::Rows>();
        qAddPostRoutine(&Reader::waitForAll);
        return true;
    }();
    Q_UNUSED(registered);
    auto *reader = new Reader(dataLinkFile, recordSource, timeouts);
    connect(reader, &Reader::done, receiver, take, Qt::QueuedConnection);
    connect(reader, &Reader::waitingForLock, receiver, waiting, Qt::QueuedConnection);
    connect(reader, &QThread::finished, reader, &QObject::deleteLater);
    running().insert(reader);
    reader->start();
    return reader;
}

Reader::Reader(const QString &dataLinkFile, const QString &recordSource, const Timeouts &timeouts)
    // As the messages name it: in the system's own form, "C:\...", not "C:/...".
    : m_dataLinkFile(QDir::toNativeSeparators(dataLinkFile))
    , m_recordSource(recordSource)
    , m_timeouts(timeouts)
{}

Reader::~Reader()
{
    running().remove(this);
}

void Reader::waitForAll()
{
    const QSet<Reader *> readers = running();
    for (Reader *reader : readers)
        reader->requestInterruption();
    for (Reader *reader : readers) {
        reader->wait();
        delete reader;
    }
}

void Reader::run()
{
    const Rows rows = read();
    if (!isInterruptionRequested())
        emit done(rows);
}

Rows Reader::read()
{
    Rows rows;
    const ParsedDataLink link = loadDataLinkFile(toPath(m_dataLinkFile));
    if (link.error != DataLinkError::None) {
        rows.failure = dataLinkFailure(link, m_dataLinkFile);
        return rows;
    }
    const MappedConnection mapped =
        connectionFor(link.init, toPath(QFileInfo(m_dataLinkFile).absolutePath()), m_timeouts,
                      installedOdbcDrivers);
    if (mapped.error != ProviderError::None) {
        rows.failure =
            providerFailure(mapped, m_dataLinkFile, fromStd(link.init.value("Provider")));
        return rows;
    }
    const ConnectionSettings &settings = mapped.settings;
    const QString driver = fromStd(settings.driver);
    if (!QSqlDatabase::isDriverAvailable(driver)) {
        rows.failure = missingQtDriver(driver, m_dataLinkFile);
        return rows;
    }
    if (isInterruptionRequested())
        return rows;

    const FailureContext context{m_dataLinkFile, driver, fromStd(settings.databaseName),
                                 fromStd(mapped.user), fromStd(mapped.password)};
    static std::atomic<int> connections = 0;
    const QString name = QStringLiteral("Adodc1#%1").arg(++connections);
    {
        QSqlError error;
        QSqlDatabase db = openReadOnly(settings, name, error);
        if (error.isValid())
            rows.failure = openFailure(error, context);
        else if (!isInterruptionRequested())
            rows = query(db, driver, context);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return rows;
}

Rows Reader::query(QSqlDatabase &db, const QString &driver, const FailureContext &context)
{
    Rows rows;
    const QString text = recordSourceFor(driver, m_recordSource);
    // Unsliced, a lock the server reports has already been waited for.
    const bool sliced = sliceServerLockWaits(db);
    const QDeadlineTimer deadline(m_timeouts.commandMilliseconds);
    const QDeadlineTimer tellWaiting(kLockWaitToldAfterMilliseconds);
    bool told = false;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    while (!q.exec(text)) {
        if (!sliced || !heldByAnother(q.lastError(), driver) || deadline.hasExpired() ||
            isInterruptionRequested()) {
            rows.failure = readFailure(q.lastError(), context);
            return rows;
        }
        if (!told && tellWaiting.hasExpired()) {
            told = true;
            emit waitingForLock();
        }
    }
    const QSqlRecord record = q.record();
    for (int c = 0; c < record.count(); ++c)
        rows.columns << record.fieldName(c);
    // Every row now: a half-read statement would keep a lock on the database
    // for as long as the window stays open.
    for (qsizetype n = 1; q.next(); ++n) {
        for (int c = 0; c < record.count(); ++c)
            rows.cells << q.value(c);
        if (n % kRowsBetweenChecks == 0 && isInterruptionRequested())
            return {};
    }
    if (q.lastError().isValid()) {
        const QSqlError error = q.lastError();
        rows = Rows{};
        rows.failure = readFailure(error, context);
    }
    return rows;
}

} // namespace bolla
