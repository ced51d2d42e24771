// The delivery-note viewer on real databases: SQLite files made here, or the
// PostgreSQL test server that the pg_fixture.sh fixture starts (BOLLA_PG_STATE
// names its state folder). Both run the same cases.

#include "app/plicanza.h"
#include "bolla/controllo_bolla.h"
#include "bolla/datalinkfile.h"
#include "bolla/providermapping.h"
#include "bolla/readonlyconnection.h"
#include "datalinkfile.h"
#include "formtest.h"

#include <QtSql>
#include <QtWidgets>

#include <ctime>

using namespace formtest;

namespace {

const bolla::Timeouts kQuick{2, 300};
const QString kOwner = "owner";

// Through the tests' own connection, which owns the data.
bool exec(const QString &sql)
{
    QSqlQuery q(QSqlDatabase::database(kOwner));
    if (!q.exec(sql))
        qWarning("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
    return q.isActive();
}

QVariant value(const QString &sql)
{
    QSqlQuery q(QSqlDatabase::database(kOwner));
    return q.exec(sql) && q.next() ? q.value(0) : QVariant();
}

// What a grid cell shows.
QString cell(QTableView *grid, int row, int column)
{
    const auto *d = qobject_cast<QStyledItemDelegate *>(grid->itemDelegate());
    return d ? d->displayText(grid->model()->index(row, column).data(), grid->locale()) : "?";
}

QStringList labels(QWidget *w)
{
    return {text(w, "Label1"), text(w, "Label2"), text(w, "Label3"),
            text(w, "Label4"), text(w, "Label5"), text(w, "Label6")};
}

} // namespace

class tst_Controllo_bolla : public QObject
{
    Q_OBJECT
    QTemporaryDir folder; // the data link file, and the SQLite database beside it
    bool pg = false;
    int port = 0;
    QString password;
    QDate today; // the database's

    // SQLite's file by a relative path: it lies beside the data link file.
    QString dataLink(const QString &user = "bolla", const QString &pw = {}) const
    {
        return pg ? QStringLiteral("Provider=QPSQL;Data Source=127.0.0.1:%1;Initial Catalog=bolla;"
                                   "User ID=\"%2\";Password=\"%3\"")
                        .arg(port)
                        .arg(user, QString(pw.isEmpty() ? password : pw).replace(u'"', "\"\""))
                  : "Provider=SQLite;Data Source=bolla.db";
    }

    // What must not change while the viewer is used: every file beside the
    // link, or the table's rows.
    QByteArray checksum() const
    {
        if (pg)
            return value("SELECT md5(string_agg(t::text, '|' ORDER BY t::text)) FROM numeri t")
                .toByteArray();
        QCryptographicHash hash(QCryptographicHash::Sha256);
        for (const QFileInfo &info : QDir(folder.path()).entryInfoList(QDir::Files, QDir::Name)) {
            QFile f(info.filePath());
            if (info.fileName() != "Testo.udl" && f.open(QIODevice::ReadOnly))
                hash.addData(info.fileName().toUtf8() + f.readAll());
        }
        return hash.result();
    }

    // Holds the data so that no one else can read it, until COMMIT or ROLLBACK.
    bool lockOut() const
    {
        return pg ? exec("BEGIN") && exec("LOCK TABLE numeri IN ACCESS EXCLUSIVE MODE")
                  : exec("BEGIN EXCLUSIVE");
    }

    // Rows of `numeri` as SQL values: titolo, sot_titolo, num_copert, dat_uscita
    // as @n (n days from the engine's today), prz_copert, prz_netto, fornitodl.
    bool insert(const QStringList &rows) const
    {
        QString values = '(' + rows.join("), (") + ')';
        for (int n = -1; n <= 1; ++n)
            values.replace(QString("@%1,").arg(n), today.addDays(n).toString("''yyyy-MM-dd'',"));
        return exec("INSERT INTO numeri VALUES " + values);
    }

    QString writeDataLink(const QString &initString) const
    {
        QFile f(folder.filePath("Testo.udl"));
        if (!f.open(QIODevice::WriteOnly) || f.write(utf16le(kHeader + initString + "\r\n")) < 0)
            qFatal("cannot write the data link file");
        return f.fileName();
    }

    // The viewer over a data link file, the backend's own by default, as a user sees it.
    Controllo_bolla *open(const QString &link = {})
    {
        auto *w = new Controllo_bolla(link.isEmpty() ? writeDataLink(dataLink()) : link, kQuick);
        w->setAttribute(Qt::WA_DeleteOnClose);
        showAndActivate(w);
        return w;
    }

private slots:
    void initTestCase()
    {
        setUpApplication();
        QVERIFY(folder.isValid());
        const QString state = qEnvironmentVariable("BOLLA_PG_STATE");
        pg = !state.isEmpty();
        qInfo("backend: %s", pg ? "PostgreSQL" : "SQLite");
        QSqlDatabase owner = QSqlDatabase::addDatabase(pg ? "QPSQL" : "QSQLITE", kOwner);
        owner.setDatabaseName(pg ? "bolla" : folder.filePath("bolla.db"));
        if (pg) {
            QFile portFile(state + "/port"), passwordFile(state + "/password");
            QVERIFY(portFile.open(QIODevice::ReadOnly) && passwordFile.open(QIODevice::ReadOnly));
            port = portFile.readAll().trimmed().toInt();
            password = QString::fromUtf8(passwordFile.readAll());
            owner.setHostName("127.0.0.1");
            owner.setPort(port);
        } else {
            // Between midnight and 01:00 or 02:00 the day in Italy is not yet the
            // day in UTC, SQLite's own date(). A time zone far from UTC makes that
            // so whatever the time of the run: on UTC's day the viewer would show
            // yesterday's or tomorrow's rows instead of today's.
            qputenv("TZ",
                    QDateTime::currentDateTimeUtc().time().hour() >= 10 ? "<+14>-14" : "<-12>+12");
            tzset();
            QVERIFY(QDate::currentDate() != QDateTime::currentDateTimeUtc().date());
        }
        // The tests' connection waits for no one: a lock it meets fails a test, not hangs it.
        owner.setConnectOptions(pg ? "options='-c lock_timeout=2000'" : "QSQLITE_BUSY_TIMEOUT=0");
        QVERIFY2(owner.open("bolla", password), qPrintable(owner.lastError().text()));
    }

    // No window left over, no data link file, and an empty table.
    void init()
    {
        for (QWidget *top : QApplication::topLevelWidgets())
            top->close();
        unloadAll();
        QDir(folder.filePath("Testo.udl")).removeRecursively();
        QVERIFY(exec("DROP TABLE IF EXISTS numeri"));
        QVERIFY(exec(QStringLiteral("CREATE TABLE numeri (titolo text, sot_titolo text, num_copert "
                                    "integer, dat_uscita %1, prz_copert %2, prz_netto %2, "
                                    "fornitodl integer)")
                         .arg(pg ? "date" : "TEXT", pg ? "numeric(12,6)" : "REAL")));
        today = pg ? value("SELECT date()").toDate() : QDate::currentDate();
        QVERIFY(today.isValid());
    }

    void recordSourceIsTheQuery()
    {
        const QByteArray query = "SELECT \r\ntitolo,sot_titolo,\r\nnum_copert,\r\ndat_uscita,\r\n"
                                 "prz_copert,\r\nprz_netto, \r\n100 - (prz_netto * 100/prz_copert)"
                                 "   as sconto\r\nfrom numeri where  fornitodl >0\r\n"
                                 "and prz_copert >0 and dat_uscita = date() ";
        QCOMPARE(QByteArray(bolla::kRecordSource), query);
    }

    // Today's supplied issues in the grid; the current row, the first one at
    // first, in the six labels; the date picker changes nothing. The database is
    // as it was after use, and no connection is left.
    void usingTheViewer()
    {
        QVERIFY(insert({"'Gazzetta', 'Mattino', 1187, @0, 2.5, 1.875, 3",
                        "'Mezzo', 'Sera', 7, @0, 2, 1.99, 1", "'Sotto', 'Uno', 12, @0, 0.8, 0.7, 2",
                        "'Ieri', 'i', 2, @-1, 3, 1.5, 1", "'Domani', 'd', 3, @1, 3, 1.5, 1",
                        "'Non fornito', 'n', 4, @0, 2, 1.5, 0"}));
        // What today's issues show in Label2 to Label6, then in grid columns 4 and 6.
        const QHash<QString, QString> issues = {
            {"Gazzetta", "Mattino 1187 2,50 1,8750 25,00 2,50 25,00"},
            {"Mezzo", "Sera 7 2,00 1,9900 0,50 2,00 ,50"},
            {"Sotto", "Uno 12 0,80 0,7000 12,50 ,80 12,50"}};
        const QByteArray before = checksum();
        QVERIFY(!before.isEmpty());
        QPointer<Controllo_bolla> w = open();
        QVERIFY(!child(w, "lblMessaggio")->isVisible());
        auto *grid = child<QTableView>(w, "DataGrid1");
        QAbstractItemModel *model = grid->model();
        QCOMPARE(model->rowCount(), 3);

        // No order is given: each grid row finds its issue by title.
        for (int r = 0; r < 3; ++r) {
            if (r > 0)
                QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                                  grid->visualRect(model->index(r, 1)).center());
            const QString title = model->index(r, 0).data().toString();
            const QStringList shown = issues.value(title).split(u' ');
            QVERIFY2(shown.size() == 7, qPrintable(title));
            QCOMPARE(labels(w), QStringList(title) + shown.mid(0, 5));
            // Issue numbers as delivered: no grouping.
            QCOMPARE(QStringList({cell(grid, r, 2), cell(grid, r, 4), cell(grid, r, 6)}),
                     QStringList({shown[1], shown[5], shown[6]}));
        }
        // The keyboard moves the current row too.
        QTest::keyClick(grid, Qt::Key_Up);
        QCOMPARE(text(w, "Label1"), model->index(1, 0).data().toString());

        const QStringList shown = labels(w);
        auto *picker = child<QDateEdit>(w, "DTPicker1");
        QCOMPARE(picker->date(), QDate::currentDate());
        picker->setDate(today.addDays(-1));
        QCOMPARE(model->rowCount(), 3);
        QCOMPARE(labels(w), shown);

        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.isNull());
        QCOMPARE(QSqlDatabase::connectionNames(), QStringList(kOwner));
        QCOMPARE(checksum(), before);
    }

    // The connection the viewer opens from its data link file refuses writes.
    void connectionRefusesWrites()
    {
        QVERIFY(insert({"'Oggi', 'o', 1, @0, 2, 1.5, 1"}));
        const QByteArray before = checksum();
        const QString link = writeDataLink(dataLink());
        const bolla::ParsedDataLink parsed = bolla::loadDataLinkFile(link.toStdString());
        const bolla::MappedConnection mapped =
            bolla::connectionFor(parsed.init, folder.path().toStdString(), kQuick);
        QCOMPARE(mapped.error, bolla::ProviderError::None);
        QSqlError error;
        {
            QSqlDatabase db = bolla::openReadOnly(mapped.settings, "probe", error);
            QVERIFY2(!error.isValid(), qPrintable(error.text()));
            QSqlQuery write(db);
            QVERIFY(!write.exec("DELETE FROM numeri"));
            QVERIFY(!write.exec("CREATE TABLE intruso (x integer)"));
        }
        QSqlDatabase::removeDatabase("probe");
        QCOMPARE(checksum(), before);
    }

    // Every way the window comes up without rows: grid and labels empty and,
    // unless nothing failed, a message in it naming the data link file. Every
    // password here holds "Segreta", which must never show; the server quotes
    // the user name back, so the one that cannot log in has it as its name too.
    void noRows_data()
    {
        QTest::addColumn<QString>("initString"); // empty: the backend's own
        QTest::addColumn<QString>("setUp");      // SQL, or what else to do
        QTest::addColumn<QString>("expected");   // parts of the message, '|' between
        // clang-format off
        const struct { const char *name; QString init, setUp, expected; } rows[] = {
            {"nothing supplied today", {}, "UPDATE numeri SET fornitodl = 0", {}},
            {"data link file missing", {}, "missing", "Impossibile leggere|il file non esiste"},
            {"data link file is a folder", {}, "folder", "Impossibile leggere|il file non si può leggere"},
            {"malformed data link file", "Password=\"Segreta;Data Source=bolla.db", {}, "non è valido (riga 3)|non è chiuso"},
            {"unknown provider", "Provider=Microsoft.Jet.OLEDB.4.0;Password=Segreta", {}, "provider sconosciuto: \"Microsoft.Jet.OLEDB.4.0\""},
            {"ODBC: no driver, or no such data source", "Provider=MSDASQL.1;Data Source=Nessuna;Password=Segreta", {},
             QSqlDatabase::isDriverAvailable("QODBC") ? "Impossibile aprire il database" : "Manca il driver Qt QODBC"},
            {"database cannot be opened", pg ? dataLink("Segreta;99", "Segreta;99") : "Data Source=manca.db;Password=Segreta", {},
             "Impossibile aprire il database"},
            {"no table numeri", {}, "DROP TABLE numeri", "non è riuscita|numeri"},
            {"missing column prz_netto", {}, "ALTER TABLE numeri DROP COLUMN prz_netto", "non è riuscita|prz_netto"},
            {"database locked by another program", {}, "lock", "occupato da un altro programma"},
        };
        // clang-format on
        for (const auto &r : rows)
            QTest::addRow("%s", r.name) << r.init << r.setUp << r.expected;
        if (pg) // SQLite's date() is the viewer's own
            QTest::addRow("no date() function")
                << QString() << "ALTER FUNCTION date() RENAME TO oggi"
                << "non è riuscita|date()";
    }

    void noRows()
    {
        QFETCH(QString, initString);
        QFETCH(QString, setUp);
        QFETCH(QString, expected);

        QVERIFY(insert({"'Oggi', 'o', 1, @0, 2, 1.5, 1"}));
        const QString link = writeDataLink(initString.isEmpty() ? dataLink() : initString);
        if (setUp == "missing")
            QVERIFY(QFile::remove(link));
        else if (setUp == "folder")
            QVERIFY(QFile::remove(link) && QDir().mkdir(link));
        else if (setUp.contains(u' '))
            QVERIFY(exec(setUp));
        const QByteArray before = checksum();
        if (setUp == "lock")
            QVERIFY(lockOut());

        Controllo_bolla *w = open(link);
        if (setUp == "lock")
            QVERIFY(exec("ROLLBACK"));
        if (setUp.contains("date()"))
            QVERIFY(exec("ALTER FUNCTION oggi() RENAME TO date"));

        QVERIFY(w->isVisible() && !QApplication::activeModalWidget());
        auto *grid = child<QTableView>(w, "DataGrid1");
        QCOMPARE(grid->model()->rowCount(), 0);
        QCOMPARE(labels(w), QStringList(6, QString()));
        QCOMPARE(checksum(), before);
        auto *message = child<QLabel>(w, "lblMessaggio");
        if (expected.isEmpty()) { // nothing failed: the columns, no message
            QCOMPARE(grid->model()->columnCount(), 7);
            QVERIFY(!message->isVisible());
            return;
        }
        QVERIFY(message->isVisible());
        QVERIFY(grid->viewport()->rect().contains(message->geometry()));
        const QString shown = message->text();
        QVERIFY2(shown.contains(u'"' + link + u'"'), qPrintable(shown));
        for (const QString &part : expected.split(u'|'))
            QVERIFY2(shown.contains(part), qPrintable(shown));
        QVERIFY2(!shown.contains("Segreta"), qPrintable(shown));
        // The connection is let go at once.
        QCOMPARE(QSqlDatabase::connectionNames(), QStringList(kOwner));
    }

    // The distribution program must still be able to write while the viewer is
    // open, even with more rows than one fetch brings.
    void noLockKeptWhileOpen()
    {
        QVERIFY(insert(QStringList(600, "'Testata', '', 1, @0, 2, 1.5, 1")));
        QCOMPARE(child<QTableView>(open(), "DataGrid1")->model()->rowCount(), 600);
        QVERIFY(lockOut() && exec("UPDATE numeri SET fornitodl = 2") && exec("COMMIT"));
    }

    // The start window's operation: the fixed data link file, one instance,
    // modeless and ownerless, made afresh after its close box.
    void startWindowShowsTheViewer()
    {
        plicanza *start = forms::defaultInstance<plicanza>();
        showAndActivate(start);
        QVERIFY(!loadedWindow<Controllo_bolla>());

        start->MostraControlloBolla();
        QPointer<Controllo_bolla> viewer = loadedWindow<Controllo_bolla>();
        QVERIFY(viewer && viewer->isVisible() && !viewer->parentWidget() && !viewer->isModal());
        QVERIFY(start->isVisible() && start->isEnabled());
        if (!QFile::exists(bolla::dataLinkFile()))
            QVERIFY(text(viewer, "lblMessaggio").contains(u'"' + bolla::dataLinkFile() + u'"'));
        start->MostraControlloBolla();
        QCOMPARE(loadedWindow<Controllo_bolla>(), viewer.data());

        viewer->close();
        QVERIFY(!loadedWindow<Controllo_bolla>());
        start->MostraControlloBolla();
        QVERIFY(loadedWindow<Controllo_bolla>() &&
                loadedWindow<Controllo_bolla>() != viewer.data());
    }
};

QTEST_MAIN(tst_Controllo_bolla)
#include "tst_controllo_bolla.moc"
