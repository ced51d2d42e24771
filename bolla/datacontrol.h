#pragma once

#include "bolla/connectionsettings.h"

#include <QObject>
#include <QString>

class QSqlError;
class QSqlQueryModel;

namespace bolla {

// A data control: opens, read-only, the database its data link file names and
// holds the rows of its record source. Nothing it does writes. When anything
// fails, the rows are empty and failure() tells the user, in Italian, what went
// wrong and which data link file was used; it never shows the link's password.
class DataControl : public QObject
{
    Q_OBJECT
public:
    explicit DataControl(QObject *parent = nullptr);
    ~DataControl() override;

    bool refresh(const QString &dataLinkFile, const QString &recordSource,
                 const Timeouts &timeouts = {});

    QSqlQueryModel *recordset() const { return m_recordset; }
    QString failure() const { return m_failure; }

private:
    bool open(const Timeouts &timeouts);
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
