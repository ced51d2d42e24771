#pragma once

#include "bolla/datalink/connectionsettings.h"

#include <QObject>
#include <QPointer>
#include <QString>

class QAbstractItemModel;

namespace bolla {

class Reader;
class RowModel;
struct Rows;

// A data control: reads, off the GUI thread and read-only, the rows of its
// record source from the database its data link file names. Nothing it does
// writes. When anything fails, the rows are empty and failure() tells the user,
// in Italian, what went wrong and which data link file was used; it never shows
// the link's password.
class DataControl : public QObject
{
    Q_OBJECT
public:
    explicit DataControl(QObject *parent = nullptr);
    // A read still running is let go: its rows never arrive.
    ~DataControl() override;

    // Starts reading; refreshed() tells when the rows are in, or why not.
    void refresh(const QString &dataLinkFile, const QString &recordSource,
                 const Timeouts &timeouts = {});

    QAbstractItemModel *recordset() const;
    // The column of the rows called `name`, or -1.
    int column(const QString &name) const;
    bool isReading() const { return !m_reader.isNull(); }
    QString failure() const { return m_failure; }

signals:
    void refreshed();
    // The read has waited a while for another program's lock, and waits on.
    void waitingForLock();

private:
    void take(const Rows &rows);
    void letGo();

    RowModel *m_recordset;
    QPointer<Reader> m_reader;
    QString m_failure;
};

} // namespace bolla
