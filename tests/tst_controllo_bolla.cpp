// The delivery-note viewer on real databases: SQLite files made here, or the
// PostgreSQL test server that the pg_fixture.sh fixture starts (BOLLA_PG_STATE
// names its state folder), directly or, with BOLLA_ODBC set, through ODBC. All
// run the same cases.

#include "app/plicanza.h"
#include "bolla/controllo_bolla.h"
#include "bolla/datalink/datalinkfile.h"
#include "bolla/datalink/providermapping.h"
#include "bolla/failuremessages.h"
#include "bolla/lockwaits.h"
#include "bolla/qtpaths.h"
#include "bolla/readonlyconnection.h"
#include "bolla/recordsource.h"
#include "calculatorkinds.h"
#include "windowsudl.h"

#include <QtNetwork>
#include <QtSql>
#include <QtWidgets>

#include <ctime>

using namespace formtest;

namespace {

const bolla::Timeouts kQuick{2, 300};
// Long enough for what a test does while the viewer waits for a lock.
const bolla::Timeouts kPatient{2, 20000};
const QString kOwner = "owner";
// Where the shop gets an Access driver: on Windows, in the program's own bitness,
// Jet's with Windows itself; elsewhere only on Windows.
#ifdef Q_OS_WIN
const QString kAccessDriversFrom =
    QStringLiteral("a %1 bit, come questo programma|\"Microsoft Access Driver (*.mdb)\" fa parte "
                   "di Windows|Access Database Engine a %1 bit")
        .arg(QSysInfo::WordSize);
#else
const QString kAccessDriversFrom = QStringLiteral("solo per Windows");
#endif

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

bool reading(QWidget *w)
{
    const QString shown = text(w, "lblMessaggio");
    return shown == bolla::readingMessage() || shown == bolla::lockWaitMessage();
}

// The viewer's read has ended: rows, or a message why not.
bool readEnded(QWidget *w)
{
    return QTest::qWaitFor([w] { return !reading(w); }, 10000);
}

// A calculator computes while the viewer waits: its emptied result labels fill.
bool calculatorAnswers()
{
    Form *calculator = forms::defaultInstance<FrmGratuito>();
    forms::show(calculator);
    const QStringList results = {"lblCompenso", "lblNetto"};
    run(calculator, {"CmdAnnulla"});
    if (!filled(calculator, results).isEmpty())
        return false;
    run(calculator, words("TxtPrzQ=1 TxtPrzOd=1.5 TxtNumIns=2 CmdCalcola"));
    return filled(calculator, results) == results;
}

} // namespace

// Makes the local day differ from UTC's, UTC+14 from 10:00 UTC and UTC-12 before:
// on Unix for this process, through TZ; Windows' time zone is the session's, and
// the test can only check that it is so.
static bool farFromUtc()
{
#ifndef Q_OS_WIN
    qputenv("TZ", QDateTime::currentDateTimeUtc().time().hour() >= 10 ? "<+14>-14" : "<-12>+12");
    tzset();
#endif
    return QDate::currentDate() != QDateTime::currentDateTimeUtc().date();
}

class tst_Controllo_bolla : public QObject
{
    Q_OBJECT
    QTemporaryDir folder; // the data link file, and the SQLite database beside it
    enum Backend { SQLite, PostgreSQL, Odbc } backend = SQLite;
    int port = 0;
    QString password;
    QDate today;     // the database's
    QProcess holder; // another program holding SQLite's exclusive lock

    // SQLite's file by a relative path: it lies beside the data link file.
    QString dataLink(const QString &user = "bolla", const QString &pw = {},
                     const QString &server = {}) const
    {
        const QString host = server.isEmpty() ? QString("127.0.0.1:%1").arg(port) : server;
        const QString secret = pw.isEmpty() ? password : pw;
        const auto quoted = [](QString s) { return '"' + s.replace(u'"', "\"\"") + '"'; };
        switch (backend) {
        case SQLite:
            return "Provider=SQLite;Data Source=bolla.db";
        case PostgreSQL:
            return QString("Provider=QPSQL;Data Source=%1;Initial Catalog=bolla;User ID=%2;"
                           "Password=%3")
                .arg(host, quoted(user), quoted(secret));
        case Odbc: // as a shop's DSN-less link: everything in Extended Properties
            return "Provider=MSDASQL.1;Persist Security Info=False;Extended Properties=" +
                   quoted(QString("DRIVER={PostgreSQL Unicode};SERVER=%1;PORT=%2;DATABASE=bolla;"
                                  "UID=%3;PWD={%4}")
                              .arg(host.section(u':', 0, 0), host.section(u':', 1), user,
                                   QString(secret).replace(u'}', "}}")));
        }
        return {};
    }

    // What must not change while the viewer is used: every file beside the
    // link, or the table's rows.
    QByteArray checksum() const
    {
        if (backend != SQLite)
            return value("SELECT md5(string_agg(t::text, '|' ORDER BY t::text)) FROM numeri t")
                .toByteArray();
        QCryptographicHash hash(QCryptographicHash::Sha256);
        QDirIterator files(folder.path(), QDir::Files, QDirIterator::Subdirectories);
        QStringList paths;
        while (files.hasNext())
            paths << files.next();
        paths.sort();
        for (const QString &path : paths) {
            QFile f(path);
            if (!path.endsWith("Testo.udl") && f.open(QIODevice::ReadOnly))
                hash.addData(path.toUtf8() + f.readAll());
        }
        return hash.result();
    }

    // Holds the data so that no one else can read it, until COMMIT or ROLLBACK.
    bool lockOut() const
    {
        return backend != SQLite
                   ? exec("BEGIN") && exec("LOCK TABLE numeri IN ACCESS EXCLUSIVE MODE")
                   : exec("BEGIN EXCLUSIVE");
    }

    // Another program holds the data: the sqlite3 shell's exclusive lock, or the
    // server's on the tests' behalf.
    bool lockOutFromAnotherProgram()
    {
        if (backend != SQLite)
            return lockOut();
        holder.start("sqlite3", {folder.filePath("bolla.db")});
        holder.write("BEGIN EXCLUSIVE;\nSELECT 'preso';\n");
        while (!holder.readAllStandardOutput().contains("preso")) {
            if (!holder.waitForReadyRead(5000))
                return false;
        }
        return true;
    }
    bool release()
    {
        if (backend != SQLite)
            return exec("ROLLBACK");
        holder.write("ROLLBACK;\n.quit\n");
        holder.closeWriteChannel();
        return holder.waitForFinished(5000) && holder.exitCode() == 0;
    }

    // A copy of the database as a writer that stopped mid-commit leaves it: the
    // file half-written and the journal that undoes it, in crashed/.
    bool crashedWriter() const
    {
        const QDir writer(folder.filePath("writer")), crashed(folder.filePath("crashed"));
        QDir(folder.path()).mkpath("writer");
        QDir(folder.path()).mkpath("crashed");
        QProcess sqlite;
        sqlite.setWorkingDirectory(writer.path());
        sqlite.start("sqlite3", {"bolla.db"});
        sqlite.write("CREATE TABLE numeri (titolo, sot_titolo, num_copert, dat_uscita, prz_copert, "
                     "prz_netto, fornitodl);\n"
                     "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < "
                     "2000) INSERT INTO numeri SELECT hex(randomblob(50)), '', i, '', 2, 1, 1 "
                     "FROM n;\nPRAGMA cache_size = 2;\nBEGIN;\nUPDATE numeri SET fornitodl = 2;\n"
                     "SELECT 'a metà';\n");
        QByteArray said;
        while (!said.contains("a met")) {
            if (!sqlite.waitForReadyRead(10000))
                return false;
            said += sqlite.readAllStandardOutput();
        }
        bool copied = true;
        for (const char *file : {"bolla.db", "bolla.db-journal"})
            copied = QFile::copy(writer.filePath(file), crashed.filePath(file)) && copied;
        sqlite.write("ROLLBACK;\n");
        sqlite.closeWriteChannel();
        return sqlite.waitForFinished(10000) && sqlite.exitCode() == 0 && copied;
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
    Controllo_bolla *open(const QString &link = {}, const bolla::Timeouts &timeouts = kQuick)
    {
        auto *w = new Controllo_bolla(link.isEmpty() ? writeDataLink(dataLink()) : link, timeouts);
        w->setAttribute(Qt::WA_DeleteOnClose);
        showAndActivate(w);
        return w;
    }

    static void closeAndDelete(QWidget *w)
    {
        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The connection the viewer opens from its data link file, as "probe".
    QSqlDatabase viewersConnection(QSqlError &error)
    {
        const QString link = writeDataLink(dataLink());
        const bolla::ParsedDataLink parsed = bolla::loadDataLinkFile(bolla::toPath(link));
        const bolla::MappedConnection mapped =
            bolla::connectionFor(parsed.init, bolla::toPath(folder.path()), kQuick);
        if (mapped.error != bolla::ProviderError::None)
            qFatal("the backend's own data link file maps to no connection");
        return bolla::openReadOnly(mapped.settings, "probe", error);
    }

private slots:
    void initTestCase()
    {
        setUpApplication();
        QVERIFY(folder.isValid());
        const QString state = qEnvironmentVariable("BOLLA_PG_STATE");
        backend = state.isEmpty()                           ? SQLite
                  : qEnvironmentVariableIsSet("BOLLA_ODBC") ? Odbc
                                                            : PostgreSQL;
        qInfo("backend: %s", backend == SQLite ? "SQLite"
                             : backend == Odbc ? "ODBC"
                                               : "PostgreSQL");
        // The tests' own connection: to the server directly where Qt has the
        // driver; through ODBC too where it has not (the Windows build).
        const bool direct = backend == SQLite || QSqlDatabase::isDriverAvailable("QPSQL");
        QSqlDatabase owner = QSqlDatabase::addDatabase(backend == SQLite ? "QSQLITE"
                                                       : direct          ? "QPSQL"
                                                                         : "QODBC",
                                                       kOwner);
        owner.setDatabaseName(backend == SQLite ? folder.filePath("bolla.db") : "bolla");
        if (backend != SQLite) {
            QFile portFile(state + "/port"), passwordFile(state + "/password");
            QVERIFY(portFile.open(QIODevice::ReadOnly) && passwordFile.open(QIODevice::ReadOnly));
            port = portFile.readAll().trimmed().toInt();
            password = QString::fromUtf8(passwordFile.readAll());
            owner.setHostName("127.0.0.1");
            owner.setPort(port);
            if (!direct)
                owner.setDatabaseName(
                    QString("DRIVER={PostgreSQL Unicode};SERVER=127.0.0.1;PORT=%1;DATABASE=bolla;"
                            "UID=bolla;PWD={%2}")
                        .arg(port)
                        .arg(QString(password).replace(u'}', "}}")));
            // A data source of the user's own, beside the DSN-less links, in the
            // file the run names: under Wine the driver manager sees only the
            // environment the run started with.
            QFile odbcIni(qEnvironmentVariable("ODBCINI", folder.filePath("odbc.ini")));
            QVERIFY(odbcIni.open(QIODevice::WriteOnly));
            odbcIni.write(QString("[bolla_dsn]\nDriver=PostgreSQL Unicode\nServername=127.0.0.1\n"
                                  "Port=%1\nDatabase=bolla\n")
                              .arg(port)
                              .toUtf8());
            qputenv("ODBCINI", odbcIni.fileName().toLocal8Bit());
        } else {
            // Between midnight and 01:00 or 02:00 the day in Italy is not yet the
            // day in UTC, SQLite's own date(). A time zone far from UTC makes that
            // so whatever the time of the run: on UTC's day the viewer would show
            // yesterday's or tomorrow's rows instead of today's.
            QVERIFY2(farFromUtc(), "Windows has one time zone for the whole session: run "
                                   "the test with it far from UTC, as scripts/wine-run.sh does");
        }
        // The tests' connection waits for no one: a lock it meets fails a test, not hangs it.
        owner.setConnectOptions(backend == SQLite ? "QSQLITE_BUSY_TIMEOUT=0"
                                : direct          ? "options='-c lock_timeout=2000'"
                                                  : "");
        QVERIFY2(direct ? owner.open("bolla", password) : owner.open(),
                 qPrintable(owner.lastError().text()));
        if (!direct)
            QVERIFY(exec("SET lock_timeout = 2000"));
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
                         .arg(backend != SQLite ? "date" : "TEXT",
                              backend != SQLite ? "numeric(12,6)" : "REAL")));
        today = backend != SQLite ? value("SELECT date()").toDate() : QDate::currentDate();
        QVERIFY(today.isValid());
    }

    // Whatever a test left holding the database lets go, even when it failed
    // half-way: a lock left over would fail the next tests in init() instead.
    void cleanup()
    {
        if (holder.state() != QProcess::NotRunning) {
            holder.kill();
            holder.waitForFinished();
        }
        QSqlQuery(QSqlDatabase::database(kOwner)).exec("ROLLBACK");
    }

    // The query byte for byte as every engine but SQLite receives it (SQLite's
    // date() is changed to give the local day, as the rows of the day show).
    void recordSourceIsTheQuery()
    {
        const QString query = "SELECT \r\ntitolo,sot_titolo,\r\nnum_copert,\r\ndat_uscita,\r\n"
                              "prz_copert,\r\nprz_netto, \r\n100 - (prz_netto * 100/prz_copert)"
                              "   as sconto\r\nfrom numeri where  fornitodl >0\r\n"
                              "and prz_copert >0 and dat_uscita = date() ";
        for (const char *driver : {"QPSQL", "QODBC"})
            QCOMPARE(bolla::recordSourceFor(driver, bolla::kRecordSource), query);
    }

    // Today's supplied issues in the grid; the current row, the first one at
    // first, in the six labels; the date picker changes nothing. The database is
    // as it was after use, and no connection is left.
    void usingTheViewer()
    {
        QVERIFY(insert({"'Gazzetta', 'Mattino', 1187, @0, 2.5, 1.875, 3",
                        "'Mezzo', 'Sera', 7, @0, 2, 1.99, 1", "'Sotto', 'Uno', 12, @0, 0.8, 0.7, 2",
                        "'Grande', '', 1234567, @0, 999999.5, 617283.9455, 1",
                        "'Ieri', 'i', 2, @-1, 3, 1.5, 1", "'Domani', 'd', 3, @1, 3, 1.5, 1",
                        "'Non fornito', 'n', 4, @0, 2, 1.5, 0"}));
        // What today's issues show in Label2 to Label6, then in grid columns 2, 4,
        // 5 and 6: the number of digits the database delivers, in the regional
        // notation with no grouping, but where a column has a format of its own.
        const QHash<QString, QString> issues = {
            {"Gazzetta", "Mattino 1187 2,50 1,8750 25,00 1187 2,50 1,875 25,00"},
            {"Mezzo", "Sera 7 2,00 1,9900 0,50 7 2,00 1,99 ,50"},
            {"Sotto", "Uno 12 0,80 0,7000 12,50 12 ,80 0,7 12,50"},
            {"Grande",
             "- 1234567 999999,50 617283,9455 38,27 1234567 999999,50 617283,9455 38,27"}};
        const QByteArray before = checksum();
        QVERIFY(!before.isEmpty());
        QPointer<Controllo_bolla> w = open();
        QVERIFY(readEnded(w));
        QVERIFY(!child(w, "lblMessaggio")->isVisible());
        auto *grid = child<QTableView>(w, "DataGrid1");
        QAbstractItemModel *model = grid->model();
        QCOMPARE(model->rowCount(), 4);

        // No order is given: each grid row finds its issue by title.
        for (int r = 0; r < 4; ++r) {
            if (r > 0)
                QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                                  grid->visualRect(model->index(r, 1)).center());
            const QString title = model->index(r, 0).data().toString();
            QStringList shown = issues.value(title).split(u' ');
            QVERIFY2(shown.size() == 9, qPrintable(title));
            shown.replace(0, shown[0] == "-" ? QString() : shown[0]);
            QCOMPARE(labels(w), QStringList(title) + shown.mid(0, 5));
            QCOMPARE(QStringList(
                         {cell(grid, r, 2), cell(grid, r, 4), cell(grid, r, 5), cell(grid, r, 6)}),
                     shown.mid(5));
            // A date with its year in full; SQLite's as the text it is stored as.
            QCOMPARE(cell(grid, r, 3),
                     today.toString(backend == SQLite ? "yyyy-MM-dd" : "dd/MM/yyyy"));
        }
        // The keyboard moves the current row too.
        QTest::keyClick(grid, Qt::Key_Up);
        QCOMPARE(text(w, "Label1"), model->index(2, 0).data().toString());

        const QStringList shown = labels(w);
        auto *picker = child<QDateEdit>(w, "DTPicker1");
        QCOMPARE(picker->date(), QDate::currentDate());
        picker->setDate(today.addDays(-1));
        QCOMPARE(model->rowCount(), 4);
        QCOMPARE(labels(w), shown);

        closeAndDelete(w);
        QVERIFY(w.isNull());
        QCOMPARE(QSqlDatabase::connectionNames(), QStringList(kOwner));
        QCOMPARE(checksum(), before);
    }

    // Sixty rows of the day at their widest: every column within the grid's
    // width, no heading or figure cut, and a title cut short shown whole in its
    // tooltip.
    void gridShowsEveryColumn()
    {
        const QString title = "La Gazzetta dello Sport - Edizione straordinaria del lunedì";
        const QStringList figures = {"9999999, @0, 999999.99, 617283.9455",
                                     "1234567, @0, 999999.99, 999999.989999",
                                     "7654321, @0, 5, 0.0001", "1000000, @0, 2.5, 1.875"};
        QStringList rows;
        for (int i = 0; i < 60; ++i)
            rows << QString("'%1', '%2', %3, 1")
                        .arg(i % 2 ? "Oggi" : title, i % 3 ? "Con la guida ai programmi TV" : "",
                             figures.at(i % 4));
        QVERIFY(insert(rows));
        Controllo_bolla *w = open();
        QVERIFY(readEnded(w));
        auto *grid = child<QTableView>(w, "DataGrid1");
        QCOMPARE(grid->model()->rowCount(), 60);
        QVERIFY(grid->verticalScrollBar()->isVisible());
        QHeaderView *headings = grid->horizontalHeader();
        QVERIFY(headings->length() <= grid->viewport()->width());
        QCOMPARE(grid->horizontalScrollBar()->maximum(), 0);
        QVERIFY(!grid->horizontalScrollBar()->isVisible());
        // Qt's own measure of the heading and every row's text, as the grid draws it.
        const auto needed = [grid](int c) {
            const int given = grid->columnWidth(c);
            grid->resizeColumnToContents(c);
            const int width = grid->columnWidth(c);
            grid->setColumnWidth(c, given);
            return width;
        };
        for (int c = 0; c < 7; ++c) {
            const QString name = grid->model()->headerData(c, Qt::Horizontal).toString();
            const int heading = headings->sectionSizeHint(c);
            QVERIFY2(grid->columnWidth(c) >= (c < 2 ? heading : needed(c)), qPrintable(name));
        }
        // The titles are cut (their tooltip below): the subtitles, which need
        // less than half of the text columns' room, take just what they need.
        const int subtitles = needed(1);
        QCOMPARE(grid->columnWidth(1), subtitles);

        // No order is given: the first rows hold both titles. A tooltip shows
        // only what the cell cannot, its margins left out.
        const auto tooltip = [grid](const QString &shown, int column = 0) {
            const QModelIndex at =
                grid->model()
                    ->match(grid->model()->index(0, column), Qt::DisplayRole, shown)
                    .value(0);
            const QPoint centre = grid->visualRect(at).center();
            QHelpEvent help(QEvent::ToolTip, centre, grid->viewport()->mapToGlobal(centre));
            QCoreApplication::sendEvent(grid->viewport(), &help);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        QCOMPARE(tooltip("Oggi"), QString());
        const QString subtitle = "Con la guida ai programmi TV";
        QCOMPARE(tooltip(subtitle, 1), QString());
        grid->setColumnWidth(1, subtitles - 1); // one pixel short of the margin
        QCOMPARE(tooltip(subtitle, 1), subtitle);
        QCOMPARE(tooltip(title), title);
    }

    // The connection the viewer opens from its data link file refuses writes.
    void connectionRefusesWrites()
    {
        QVERIFY(insert({"'Oggi', 'o', 1, @0, 2, 1.5, 1"}));
        const QByteArray before = checksum();
        QSqlError error;
        const auto removed = qScopeGuard([] { QSqlDatabase::removeDatabase("probe"); });
        {
            QSqlDatabase db = viewersConnection(error);
            QVERIFY2(!error.isValid(), qPrintable(error.text()));
            QSqlQuery write(db);
            QVERIFY(!write.exec("DELETE FROM numeri"));
            QVERIFY(!write.exec("CREATE TABLE intruso (x integer)"));
        }
        QCOMPARE(checksum(), before);
    }

    // The server's lock waits come back in slices, or the reader hears that
    // they do not: a setting the server refuses, here a slice out of range.
    void serverLockWaitsInSlices()
    {
        if (backend == SQLite)
            QSKIP("a server's case");
        QSqlError error;
        const auto removed = qScopeGuard([] { QSqlDatabase::removeDatabase("probe"); });
        QSqlDatabase db = viewersConnection(error);
        QVERIFY2(!error.isValid(), qPrintable(error.text()));
        QVERIFY(!bolla::sliceServerLockWaits(db, -1));
        QVERIFY(bolla::sliceServerLockWaits(db));
        QSqlQuery show(db);
        QVERIFY(show.exec("SHOW lock_timeout") && show.next());
        QCOMPARE(show.value(0).toString(),
                 QString("%1ms").arg(bolla::kServerLockWaitSliceMilliseconds));
    }

    // Every way the window comes up without rows: grid and labels empty and a
    // message in it: that the day has no issue or, when something failed, why,
    // naming the data link file, the common causes in plain words. The password, which holds
    // "Segreta" in every row, never shows; a user name does, even one equal to the password.
    void noRows_data()
    {
        QTest::addColumn<QString>("initString"); // empty: the backend's own
        QTest::addColumn<QString>("setUp");      // SQL, or what else to do
        QTest::addColumn<QString>("expected");   // parts of the message, '|' between
        const bool server = backend != SQLite;
        // clang-format off
        const struct { const char *name; QString init, setUp, expected; bool here = true; } rows[] = {
            {"nothing supplied today", {}, "UPDATE numeri SET fornitodl = 0", {}},
            {"data link file missing", {}, "missing", "Impossibile leggere|il file non esiste"},
            {"data link file is a folder", {}, "folder", "Impossibile leggere|il file non si può leggere"},
            {"malformed data link file", "Password=\"Segreta;Data Source=bolla.db", {}, "non è valido (riga 3)|non è chiuso"},
            {"unknown provider", "Provider=SQLOLEDB.1;Password=Segreta", {}, "provider sconosciuto: \"SQLOLEDB.1\""},
            {"ODBC: no such data source", "Provider=MSDASQL.1;Data Source=Nessuna;Password=Segreta", {},
             "Impossibile aprire il database|Data source name not found"},
            {"Access database, no Access ODBC driver", "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=bolla.mdb;Jet OLEDB:Database Password=Segreta", {},
             "Manca un driver ODBC per Access, \"Microsoft Access Driver (*.mdb)\" oppure \"Microsoft Access Driver (*.mdb, *.accdb)\", necessario|" + kAccessDriversFrom},
            {"Access .accdb database, no ACE ODBC driver", "Provider=Microsoft.ACE.OLEDB.12.0;Data Source=bolla.accdb;Jet OLEDB:Database Password=Segreta", {},
             "Manca il driver ODBC \"Microsoft Access Driver (*.mdb, *.accdb)\", necessario|Microsoft Access Database Engine"},
            {"no database file", "Data Source=manca.db;Password=Segreta", {}, "Il database \"" + QDir::toNativeSeparators(folder.filePath("manca.db")) + "\"|non esiste", !server},
            {"not a database", "Data Source=Testo.udl;Password=Segreta", {}, "non è un database SQLite|file is not a database", !server},
            {"writer stopped mid-commit", "Data Source=crashed/bolla.db;Password=Segreta", "crashed", "a metà di un aggiornamento|" + QDir::toNativeSeparators("crashed/bolla.db-journal"), !server},
            {"no such database", server ? dataLink().replace("Catalog=bolla;", "Catalog=manca;").replace("DATABASE=bolla;", "DATABASE=manca;") : "", {}, "non esiste|\"manca\"", server},
            {"login refused, the user named like the password", server ? dataLink("Segreta99", "Segreta99") : "", {},
             "rifiutato l'accesso|\"Segreta99\"", server},
            {"server unreachable", server ? dataLink("bolla", {}, "127.0.0.1:1") : "", {}, "non risponde|Connection refused", server},
            {"no table numeri", {}, "DROP TABLE numeri", "manca la tabella numeri|numeri"},
            {"missing column prz_netto", {}, "ALTER TABLE numeri DROP COLUMN prz_netto", "manca una colonna|prz_netto"},
            {"no date() function", {}, "ALTER FUNCTION date() RENAME TO oggi", "manca la funzione date()|date()", server},
            {"database locked by another program", {}, "lock", "occupato da un altro programma"},
        };
        // clang-format on
        for (const auto &r : rows) {
            if (r.here)
                QTest::addRow("%s", r.name) << r.init << r.setUp << r.expected;
        }
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
        else if (setUp == "crashed")
            QVERIFY(crashedWriter());
        else if (setUp.contains(u' '))
            QVERIFY(exec(setUp));
        const QByteArray before = checksum();
        if (setUp == "lock")
            QVERIFY(lockOut());

        Controllo_bolla *w = open(link);
        QVERIFY(readEnded(w));
        if (setUp == "lock")
            QVERIFY(exec("ROLLBACK"));
        if (setUp.contains("date()"))
            QVERIFY(exec("ALTER FUNCTION oggi() RENAME TO date"));

        QVERIFY(w->isVisible() && !QApplication::activeModalWidget());
        auto *grid = child<QTableView>(w, "DataGrid1");
        QCOMPARE(grid->model()->rowCount(), 0);
        QCOMPARE(labels(w), QStringList(6, QString()));
        QCOMPARE(checksum(), before);
        // The connection is let go at once.
        QCOMPARE(QSqlDatabase::connectionNames(), QStringList(kOwner));
        auto *message = child<QLabel>(w, "lblMessaggio");
        if (expected.isEmpty()) { // nothing failed: the columns, and the day has no issue
            QCOMPARE(grid->model()->columnCount(), 7);
            QVERIFY(message->isVisible());
            QCOMPARE(message->text(), bolla::emptyDayMessage());
            return;
        }
        QVERIFY(message->isVisible());
        QVERIFY(grid->viewport()->rect().contains(message->geometry()));
        const QString shown = message->text();
        QVERIFY2(shown.contains(u'"' + QDir::toNativeSeparators(link) + u'"'), qPrintable(shown));
        for (const QString &part : expected.split(u'|'))
            QVERIFY2(shown.contains(part), qPrintable(shown));
        QVERIFY2(!QString(shown).remove("\"Segreta99\"").contains("Segreta"), qPrintable(shown));
    }

    // Another program holds the database: the viewer says it is reading, then
    // that it waits for the other program, every other window answers
    // meanwhile, and the rows come once the lock goes.
    void readsOnceTheLockGoes()
    {
        QVERIFY(insert({"'Oggi', 'o', 1, @0, 2, 1.5, 1"}));
        QVERIFY(lockOutFromAnotherProgram());
        QPointer<Controllo_bolla> w = open({}, kPatient);
        QTest::qWait(200);
        QCOMPARE(text(w, "lblMessaggio"), bolla::readingMessage());
        QVERIFY(child(w, "lblMessaggio")->isVisible());
        QVERIFY(calculatorAnswers());
        QTRY_COMPARE_WITH_TIMEOUT(text(w, "lblMessaggio"), bolla::lockWaitMessage(), 5000);

        QVERIFY(release());
        QVERIFY(readEnded(w));
        QCOMPARE(child<QTableView>(w, "DataGrid1")->model()->rowCount(), 1);
        QCOMPARE(text(w, "Label1"), "Oggi");
        QVERIFY(!child(w, "lblMessaggio")->isVisible());
    }

    // Closed while it waits for a lock: its read stops within a second, its
    // rows are dropped, and opened again it reads afresh.
    void closedWhileReading()
    {
        QVERIFY(insert({"'Oggi', 'o', 1, @0, 2, 1.5, 1"}));
        QVERIFY(lockOutFromAnotherProgram());
        QPointer<Controllo_bolla> w = open({}, kPatient);
        QTest::qWait(100);
        QVERIFY(reading(w));
        closeAndDelete(w);
        QVERIFY(w.isNull());
        QTRY_COMPARE_WITH_TIMEOUT(QSqlDatabase::connectionNames(), QStringList(kOwner), 2000);
        QVERIFY(release());
        QTRY_COMPARE(QSqlDatabase::connectionNames(), QStringList(kOwner));

        w = open();
        QVERIFY(readEnded(w));
        QCOMPARE(text(w, "Label1"), "Oggi");
    }

    // A server that takes the connection and never answers: the viewer reads
    // until the connection time-out, everything else answers meanwhile.
    void serverThatNeverAnswers()
    {
        if (backend == SQLite)
            QSKIP("a server's case");
        QTcpServer silent; // listens, so the system takes the connection, and says nothing
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        const QString link =
            writeDataLink(dataLink("bolla", {}, QString("127.0.0.1:%1").arg(silent.serverPort())));
        QElapsedTimer clock;
        clock.start();
        QPointer<Controllo_bolla> w = open(link);
        QVERIFY(reading(w));
        QVERIFY(calculatorAnswers());
        QVERIFY(readEnded(w));
        QVERIFY2(clock.elapsed() >= 1900, qPrintable(QString::number(clock.elapsed())));
        QVERIFY2(text(w, "lblMessaggio").contains("non risponde"),
                 qPrintable(text(w, "lblMessaggio")));
    }

    // Through an ODBC data source by name, its password one that must go in braces.
    void odbcDataSourceByName()
    {
        if (backend != Odbc)
            QSKIP("an ODBC case");
        QVERIFY(insert({"'Oggi', 'o', 1, @0, 2, 1.5, 1"}));
        Controllo_bolla *w =
            open(writeDataLink("Provider=MSDASQL.1;Data Source=bolla_dsn;User ID=bolla;"
                               "Password=\"" +
                               QString(password).replace(u'"', "\"\"") + '"'));
        QVERIFY(readEnded(w));
        QCOMPARE(text(w, "Label1"), "Oggi");
    }

    // The distribution program must still be able to write while the viewer is
    // open, even with more rows than one fetch brings.
    void noLockKeptWhileOpen()
    {
        QVERIFY(insert(QStringList(600, "'Testata', '', 1, @0, 2, 1.5, 1")));
        Controllo_bolla *w = open();
        QVERIFY(readEnded(w));
        QCOMPARE(child<QTableView>(w, "DataGrid1")->model()->rowCount(), 600);
        QVERIFY(lockOut() && exec("UPDATE numeri SET fornitodl = 2") && exec("COMMIT"));
    }

    // The bound labels' formats, the date picker and its calendar speak Italian
    // whatever the system's language; the grid follows the user's settings.
    void speaksItalianWhateverTheSystem()
    {
        const auto italianAgain =
            qScopeGuard([] { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); });
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(insert({"'Oggi', 'o', 1187, @0, 2.5, 1.875, 1"}));
        Controllo_bolla *w = open();
        QVERIFY(readEnded(w));
        QCOMPARE(labels(w).mid(2), QStringList({"1187", "2,50", "1,8750", "25,00"}));
        QCOMPARE(cell(child<QTableView>(w, "DataGrid1"), 0, 4), "2.50");
        auto *picker = child<QDateEdit>(w, "DTPicker1");
        // Its arrow opens the calendar.
        QTest::mouseClick(picker, Qt::LeftButton, {}, {picker->width() - 8, picker->height() / 2});
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        // Settings changed while the window is open show at once.
        QCOMPARE(cell(child<QTableView>(w, "DataGrid1"), 0, 4), "2,50");
        const QLocale italian(QLocale::Italian);
        const QDate day = picker->date();
        QVERIFY2(picker->text().contains(italian.monthName(day.month())),
                 qPrintable(picker->text()));
        QVERIFY(picker->text().contains(italian.dayName(day.dayOfWeek())));
        QCalendarWidget *calendar = picker->calendarWidget();
        QTRY_VERIFY(calendar->isVisible());
        QCOMPARE(calendar->firstDayOfWeek(), Qt::Monday);
        QCOMPARE(child<QToolButton>(calendar, "qt_calendar_monthbutton")->text(),
                 italian.standaloneMonthName(day.month()));
        // The heading row of the month: the days' short names, Monday first.
        const QAbstractItemModel *days =
            child<QTableView>(calendar, "qt_calendar_calendarview")->model();
        QStringList names;
        for (int c = 0; c < days->columnCount(); ++c)
            names << days->index(0, c).data().toString();
        names.removeAll(QString());
        QCOMPARE(names.size(), 7);
        QCOMPARE(names.first(), italian.dayName(Qt::Monday, QLocale::ShortFormat));
        QCOMPARE(names.last(), italian.dayName(Qt::Sunday, QLocale::ShortFormat));
    }

    // The start window's operation: the fixed data link file, one instance,
    // modeless and ownerless, restored from minimised, made afresh after its
    // close box.
    void startWindowShowsTheViewer()
    {
        plicanza *start = forms::defaultInstance<plicanza>();
        showAndActivate(start);
        QVERIFY(!loadedWindow<Controllo_bolla>());

        start->MostraControlloBolla();
        QPointer<Controllo_bolla> viewer = loadedWindow<Controllo_bolla>();
        QVERIFY(viewer && viewer->isVisible() && !viewer->parentWidget() && !viewer->isModal());
        QVERIFY(start->isVisible() && start->isEnabled());
        QVERIFY(readEnded(viewer));
        if (!QFile::exists(bolla::dataLinkFile()))
            QVERIFY(text(viewer, "lblMessaggio").contains(u'"' + bolla::dataLinkFile() + u'"'));
        viewer->showMinimized();
        start->MostraControlloBolla();
        QCOMPARE(loadedWindow<Controllo_bolla>(), viewer.data());
        QVERIFY(!viewer->isMinimized());

        viewer->close();
        QVERIFY(!loadedWindow<Controllo_bolla>());
        start->MostraControlloBolla();
        QVERIFY(loadedWindow<Controllo_bolla>() &&
                loadedWindow<Controllo_bolla>() != viewer.data());
    }
};

QTEST_MAIN(tst_Controllo_bolla)
#include "tst_controllo_bolla.moc"
