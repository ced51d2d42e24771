#pragma once

#include "bolla/datalink.h"

#include <QObject>
#include <QString>

class QSqlError;
class QSqlQueryModel;

namespace bolla {

// Where the program's data link file lives: a fixed folder on drive F:.
QString dataLinkFile();

// The delivery-note query: the day's supplied issues with their discount.
extern const char kRecordSource[];

// A data control: opens the database its connection string names, read-only,
// and holds the rows of its record source. Nothing it does writes. When
// anything fails, the rows are empty and failure() tells the user, in
// Italian, what went wrong and which data link file was used; it never shows
// the link's password.
class DataControl : public QObject
{
    Q_OBJECT
public:
    explicit DataControl(QObject *parent = nullptr);
    ~DataControl() override;

    bool refresh(const QString &connectionString, const QString &recordSource,
                 const Timeouts &timeouts = {});

    QSqlQueryModel *recordset() const { return m_recordset; }
    QString failure() const { return m_failure; }
    // The Qt SQL connection, while the control is open.
    QString connectionName() const { return m_connectionName; }

private:
    bool open(const QString &connectionString, const Timeouts &timeouts);
    bool fail(const QString &message);
    QString databaseMessage(const QSqlError &error) const;
    void close();

    QSqlQueryModel *m_recordset;
    QString m_connectionName;
    QString m_dataLinkFile;
    QString m_password;
    QString m_failure;
};

} // namespace bolla
