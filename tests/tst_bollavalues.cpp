// What the viewer makes of single values and errors, away from any database:
// the cases a test server cannot give, as an engine set to Italian or Access.

#include "bolla/cellvalues.h"
#include "bolla/failuremessages.h"
#include "bolla/lockwaits.h"

#include <QSqlError>
#include <QtTest>

class tst_BollaValues : public QObject
{
    Q_OBJECT
private slots:
    // A lock another program holds: the reader tries again, and the message
    // says the database is busy; a time-out of the command is not tried again.
    void lockWaits_data()
    {
        QTest::addColumn<QString>("driver");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("tryAgain");
        QTest::addColumn<bool>("busy"); // the message says so

        // clang-format off
        QTest::newRow("SQLite busy") << "QSQLITE" << "5" << "database is locked" << true << true;
        QTest::newRow("SQLite busy, snapshot") << "QSQLITE" << "517" << "database is locked" << true << true;
        QTest::newRow("SQLite table locked") << "QSQLITE" << "6" << "database table is locked" << true << true;
        QTest::newRow("SQLite shared cache locked") << "QSQLITE" << "262" << "database table is locked" << true << true;
        QTest::newRow("SQLite no such table") << "QSQLITE" << "1" << "no such table: numeri" << false << false;
        QTest::newRow("PostgreSQL lock time-out") << "QPSQL" << "55P03" << "ERROR:  canceling statement due to lock timeout" << true << true;
        QTest::newRow("PostgreSQL in Italian") << "QPSQL" << "55P03" << "ERRORE:  annullamento dell'istruzione a causa di timeout di lock" << true << true;
        QTest::newRow("PostgreSQL statement time-out") << "QPSQL" << "57014" << "ERROR:  canceling statement due to statement timeout" << false << true;
        QTest::newRow("PostgreSQL no such table") << "QPSQL" << "42P01" << "ERROR:  relation \"numeri\" does not exist" << false << false;
        // Through ODBC the driver's native code, 1 for any error of the server.
        QTest::newRow("ODBC lock time-out") << "QODBC" << "1" << "ERROR: canceling statement due to lock timeout;\nError while executing the query" << true << true;
        QTest::newRow("ODBC lock time-out in Italian") << "QODBC" << "1" << "ERRORE: annullamento dell'istruzione a causa di timeout di lock;\nError while executing the query" << true << true;
        QTest::newRow("ODBC statement time-out in Italian") << "QODBC" << "1" << "ERRORE: annullamento dell'istruzione a causa di timeout;\nError while executing the query" << false << true;
        QTest::newRow("ODBC lock refused") << "QODBC" << "1" << "ERROR: could not obtain lock on relation \"numeri\"" << true << true;
        QTest::newRow("Access file locked") << "QODBC" << "-1102" << "[Microsoft][ODBC Microsoft Access Driver] Could not lock file." << true << true;
        QTest::newRow("Access file in use") << "QODBC" << "-1032" << "[Microsoft][ODBC Microsoft Access Driver] The Microsoft Jet database engine cannot open the file. It is already opened exclusively by another user. Could not use 'bolla.mdb'; file already in use." << true << true;
        QTest::newRow("ODBC other") << "QODBC" << "1" << "ERROR: division by zero;\nError while executing the query" << false << false;
        // clang-format on
    }

    void lockWaits()
    {
        QFETCH(QString, driver);
        QFETCH(QString, code);
        QFETCH(QString, text);
        QFETCH(bool, tryAgain);
        QFETCH(bool, busy);

        const QSqlError error(QStringLiteral("driver"), text, QSqlError::StatementError, code);
        QCOMPARE(bolla::heldByAnother(error, driver), tryAgain);
        const QString message = bolla::readFailure(error, {"Testo.udl", driver, {}, {}, {}});
        QVERIFY2(message.contains("occupato da un altro programma") == busy, qPrintable(message));
    }

    // Access keeps a date as a date and time at midnight, and ODBC hands it
    // over so: the date alone, as for a date; a time only when there is one.
    void dates_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("shown");

        const QDate day(2026, 12, 8);
        QTest::newRow("date") << QVariant(day) << "08/12/2026";
        QTest::newRow("midnight") << QVariant(QDateTime(day, QTime(0, 0))) << "08/12/2026";
        QTest::newRow("a minute past")
            << QVariant(QDateTime(day, QTime(0, 1))) << "08/12/2026 00:01";
        QTest::newRow("afternoon") << QVariant(QDateTime(day, QTime(14, 30))) << "08/12/2026 14:30";
    }

    void dates()
    {
        QFETCH(QVariant, value);
        QFETCH(QString, shown);

        const QLocale italian(QLocale::Italian, QLocale::Italy);
        QCOMPARE(bolla::delivered(value, {}, italian).toString(), shown);
    }
};

QTEST_APPLESS_MAIN(tst_BollaValues)
#include "tst_bollavalues.moc"
