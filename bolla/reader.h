#pragma once

#include "bolla/datalink/connectionsettings.h"
#include "bolla/rows.h"

#include <QThread>

#include <functional>

class QSqlDatabase;

namespace bolla {

struct FailureContext;

// Reads a data link file's database off the GUI thread: its own connection,
// made, used and removed in its thread; the one query, forward only; every row
// into plain values; then done() with the rows, queued to whoever listens.
//
// A read that is no longer wanted is interrupted where it can be: before it
// connects, while the database waits for a lock, between rows. A call into a driver
// ends only at the driver's time-out, so a reader outlives its window if need
// be and deletes itself when it ends. Once every window is gone, the
// application's end waits for the readers still running.
class Reader : public QThread
{
    Q_OBJECT
public:
    // Starts a read whose rows go to `receiver`'s `take`, in its thread, unless
    // the receiver is gone by then; `waiting` is told, once, when the read has
    // waited a while for another program's lock.
    static Reader *launch(const QString &dataLinkFile, const QString &recordSource,
                          const Timeouts &timeouts, QObject *receiver,
                          const std::function<void(const Rows &)> &take,
                          const std::function<void()> &waiting);

signals:
    void done(const bolla::Rows &rows);
    void waitingForLock();

protected:
    void run() override;

private:
    Reader(const QString &dataLinkFile, const QString &recordSource, const Timeouts &timeouts);
    ~Reader() override;

    // Waits for the readers still running; the application's end calls it.
    static void waitForAll();

    Rows read();
    Rows query(QSqlDatabase &db, const QString &driver, const FailureContext &context);

    const QString m_dataLinkFile;
    const QString m_recordSource;
    const Timeouts m_timeouts;
};

} // namespace bolla
