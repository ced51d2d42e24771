// The delivery-note viewer on real databases: SQLite files made here, or the
// PostgreSQL test server that the pg_fixture.sh fixture starts (BOLLA_PG_STATE
// names its state folder). Both run the same cases.

#include "bolla/controllo_bolla.h"
#include "bolla/datacontrol.h"
#include "datalinkfile.h"
#include "formtest.h"
#include "shell/plicanza.h"

#include <QCryptographicHash>
#include <QDateEdit>
#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTemporaryDir>

#include <ctime>
#include <memory>

using namespace formtest;

namespace {

// One row of `numeri`; the day counts from the engine's today.
struct Row
{
    QString titolo;
    QString sotTitolo;
    int numero;
    int day;
    double lordo;
    double netto;
    int fornito;
};

enum class Schema { Full, NoTable, NoNetPrice };

const bolla::Timeouts kQuick{2, 300};
const QString kOwner = QStringLiteral("owner");

bool exec(const QString &sql)
{
    QSqlQuery q(QSqlDatabase::database(kOwner));
    if (!q.exec(sql)) {
        qWarning("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
        return false;
    }
    return true;
}

// Where the test data lives. The viewer reaches it through a data link file
// in a fresh folder; the tests write it through their own connection.
class Backend
{
public:
    virtual ~Backend()
    {
        QSqlDatabase::database(kOwner, false).close();
        QSqlDatabase::removeDatabase(kOwner);
    }
    virtual bool isPostgres() const = 0;
    // The owner's connection, open; the database made afresh.
    virtual bool reset() = 0;
    virtual QString dataLink(const QString &password = {}) const = 0;
    // What must not change while the viewer is used.
    virtual QByteArray checksum() = 0;
    virtual QString dateType() const = 0;
    virtual QString priceType() const = 0;
    virtual QDate today() = 0;
    virtual QVariant day(const QDate &date) const = 0;
    // Makes the owner connection hold the data so that no one else can read it.
    virtual bool lockOut() = 0;
    virtual void release() { exec(QStringLiteral("ROLLBACK")); }

    QTemporaryDir folder;
};

class Sqlite : public Backend
{
public:
    bool isPostgres() const override { return false; }
    QString file() const { return folder.filePath(QStringLiteral("bolla.db")); }
    bool reset() override
    {
        QSqlDatabase::database(kOwner, false).close();
        QFile::remove(file());
        QSqlDatabase db = QSqlDatabase::contains(kOwner)
                              ? QSqlDatabase::database(kOwner, false)
                              : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kOwner);
        db.setDatabaseName(file());
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=0"));
        return db.open();
    }
    // A relative path: the file lies beside the data link file.
    QString dataLink(const QString &) const override
    {
        return QStringLiteral("Provider=SQLite;Data Source=bolla.db");
    }
    QByteArray checksum() override
    {
        // The owner lets go first, so that only the viewer could touch the files.
        QSqlDatabase::database(kOwner, false).close();
        QCryptographicHash hash(QCryptographicHash::Sha256);
        const QDir dir(folder.path());
        for (const QString &name : dir.entryList(QDir::Files, QDir::Name)) {
            if (name == QLatin1String("Testo.udl"))
                continue;
            QFile f(dir.filePath(name));
            if (!f.open(QIODevice::ReadOnly))
                return {};
            hash.addData(name.toUtf8());
            hash.addData(f.readAll());
        }
        QSqlDatabase::database(kOwner);
        return hash.result();
    }
    QString dateType() const override { return QStringLiteral("TEXT"); }
    QString priceType() const override { return QStringLiteral("REAL"); }
    QDate today() override { return QDate::currentDate(); }
    QVariant day(const QDate &date) const override { return date.toString(Qt::ISODate); }
    bool lockOut() override { return exec(QStringLiteral("BEGIN EXCLUSIVE")); }
};

class Postgres : public Backend
{
public:
    explicit Postgres(const QString &state)
    {
        const auto read = [&state](const char *name) {
            QFile f(QDir(state).filePath(QLatin1String(name)));
            return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).trimmed()
                                               : QString();
        };
        port = read("port").toInt();
        password = read("password");
    }
    bool isPostgres() const override { return true; }
    bool reset() override
    {
        if (!QSqlDatabase::contains(kOwner)) {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), kOwner);
            db.setHostName(QStringLiteral("127.0.0.1"));
            db.setPort(port);
            db.setDatabaseName(QStringLiteral("bolla"));
            db.setUserName(QStringLiteral("bolla"));
            db.setPassword(password);
            if (!db.open()) {
                qWarning("%s", qPrintable(db.lastError().text()));
                return false;
            }
        }
        return exec(QStringLiteral("DROP TABLE IF EXISTS numeri"));
    }
    QString dataLink(const QString &otherPassword) const override
    {
        QString quoted = otherPassword.isEmpty() ? password : otherPassword;
        quoted.replace(u'"', QStringLiteral("\"\""));
        return QStringLiteral("Provider=QPSQL;Data Source=127.0.0.1:%1;Initial Catalog=bolla;"
                              "User ID=bolla;Password=\"%2\";Persist Security Info=True")
            .arg(port)
            .arg(quoted);
    }
    QByteArray checksum() override
    {
        QSqlQuery q(QSqlDatabase::database(kOwner));
        if (!q.exec(QStringLiteral("SELECT md5(coalesce(string_agg(t::text, '|' ORDER BY "
                                   "t::text), '')) FROM numeri t")) ||
            !q.next())
            return {};
        return q.value(0).toByteArray();
    }
    QString dateType() const override { return QStringLiteral("date"); }
    QString priceType() const override { return QStringLiteral("numeric(12,6)"); }
    QDate today() override
    {
        QSqlQuery q(QSqlDatabase::database(kOwner));
        return q.exec(QStringLiteral("SELECT date()")) && q.next() ? q.value(0).toDate() : QDate();
    }
    QVariant day(const QDate &date) const override { return date; }
    bool lockOut() override
    {
        return exec(QStringLiteral("SET lock_timeout = '2s'")) && exec(QStringLiteral("BEGIN")) &&
               exec(QStringLiteral("LOCK TABLE numeri IN ACCESS EXCLUSIVE MODE"));
    }

    int port = 0;
    QString password;
};

// What a grid cell shows.
QString cell(QTableView *grid, int row, int column)
{
    auto *delegate = qobject_cast<QStyledItemDelegate *>(grid->itemDelegate());
    if (!delegate)
        qFatal("the grid draws its cells some other way");
    return delegate->displayText(grid->model()->index(row, column).data(), grid->locale());
}

} // namespace

class tst_Controllo_bolla : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<Backend> backend;
    QDate today;

    bool makeTable(const QList<Row> &rows, Schema schema = Schema::Full);
    QString writeDataLink(const QString &initString);
    Controllo_bolla *open(const QString &initString = {});
    void selectRow(QTableView *grid, int row);

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase() { backend.reset(); }

    void recordSourceIsTheQuery();
    void layout();
    void formats_data();
    void formats();
    void onlyTodaysSuppliedRows();
    void selectingARowMovesAllLabels();
    void datePickerChangesNothing();
    void emptyResult();
    void failures_data();
    void failures();
    void databaseUnchangedAfterUse();
    void connectionRefusesWrites();
    void noLockKeptWhileOpen();
    void reopenedAfterCloseQueriesAgain();
    void dateIsTheShopsLocalDay();
    void startWindowShowsTheViewer();
};

bool tst_Controllo_bolla::makeTable(const QList<Row> &rows, Schema schema)
{
    if (schema == Schema::NoTable)
        return true;
    const QString net =
        schema == Schema::NoNetPrice ? QString() : "prz_netto " + backend->priceType() + ",";
    if (!exec(QStringLiteral("CREATE TABLE numeri (titolo text, sot_titolo text, num_copert "
                             "integer, dat_uscita %1, prz_copert %2, %3 fornitodl integer)")
                  .arg(backend->dateType(), backend->priceType(), net)))
        return false;
    QSqlDatabase owner = QSqlDatabase::database(kOwner);
    owner.transaction();
    QSqlQuery insert(owner);
    insert.prepare(schema == Schema::NoNetPrice
                       ? QStringLiteral("INSERT INTO numeri VALUES (?, ?, ?, ?, ?, ?)")
                       : QStringLiteral("INSERT INTO numeri VALUES (?, ?, ?, ?, ?, ?, ?)"));
    for (const Row &r : rows) {
        insert.addBindValue(r.titolo);
        insert.addBindValue(r.sotTitolo);
        insert.addBindValue(r.numero);
        insert.addBindValue(backend->day(today.addDays(r.day)));
        insert.addBindValue(r.lordo);
        if (schema != Schema::NoNetPrice)
            insert.addBindValue(r.netto);
        insert.addBindValue(r.fornito);
        if (!insert.exec()) {
            qWarning("%s", qPrintable(insert.lastError().text()));
            owner.rollback();
            return false;
        }
    }
    return owner.commit();
}

QString tst_Controllo_bolla::writeDataLink(const QString &initString)
{
    const QString path = backend->folder.filePath(QStringLiteral("Testo.udl"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    f.write(datalinkfile::utf16le(datalinkfile::kHeader + initString + "\r\n"));
    return path;
}

// The viewer over the backend's data link, as a user sees it.
Controllo_bolla *tst_Controllo_bolla::open(const QString &initString)
{
    auto *w = new Controllo_bolla(
        writeDataLink(initString.isEmpty() ? backend->dataLink() : initString), kQuick);
    w->setAttribute(Qt::WA_DeleteOnClose);
    forms::show(w);
    if (!QTest::qWaitForWindowActive(w))
        qWarning("the viewer did not become active");
    return w;
}

void tst_Controllo_bolla::selectRow(QTableView *grid, int row)
{
    const QRect r = grid->visualRect(grid->model()->index(row, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, r.center());
}

void tst_Controllo_bolla::initTestCase()
{
    setUpApplication();
    const QString state = qEnvironmentVariable("BOLLA_PG_STATE");
    if (state.isEmpty())
        backend = std::make_unique<Sqlite>();
    else
        backend = std::make_unique<Postgres>(state);
    QVERIFY(backend->folder.isValid());
    qInfo("backend: %s", backend->isPostgres() ? "PostgreSQL" : "SQLite");
}

void tst_Controllo_bolla::init()
{
    const QString link = backend->folder.filePath(QStringLiteral("Testo.udl"));
    QDir(link).removeRecursively();
    QFile::remove(link);
    QVERIFY(backend->reset());
    today = backend->today();
    QVERIFY(today.isValid());
}

// The viewers the tests open themselves are not the program's default instances.
void tst_Controllo_bolla::cleanup()
{
    unloadAll();
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (qobject_cast<Controllo_bolla *>(top))
            top->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void tst_Controllo_bolla::recordSourceIsTheQuery()
{
    const QByteArray query(bolla::kRecordSource);
    QCOMPARE(query.size(), 204);
    const QList<QByteArray> lines = query.split('\n');
    QCOMPARE(lines.size(), 9);
    for (int i = 0; i < 8; ++i)
        QVERIFY2(lines[i].endsWith('\r'), lines[i].constData());
    QCOMPARE(query.count('\r'), 8);
    QCOMPARE(lines[6], QByteArray("100 - (prz_netto * 100/prz_copert)   as sconto\r"));
    QCOMPARE(lines[7], QByteArray("from numeri where  fornitodl >0\r"));
    QCOMPARE(lines[8], QByteArray("and prz_copert >0 and dat_uscita = date() "));
}

void tst_Controllo_bolla::layout()
{
    QVERIFY(makeTable({{"A", "a", 1, 0, 2.5, 1.875, 1}}));
    Controllo_bolla *w = open();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QCOMPARE(child<QLabel>(w, "DataGrid1Caption")->text(), QStringLiteral("Bolla Consegna"));
    QTableView *grid = child<QTableView>(w, "DataGrid1");
    QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    QStringList headings;
    for (int c = 0; c < grid->model()->columnCount(); ++c)
        headings << grid->model()->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(headings, QStringList({"titolo", "sot_titolo", "num_copert", "dat_uscita",
                                    "prz_copert", "prz_netto", "sconto"}));
    // The grid takes the focus first, then the picker.
    QCOMPARE(QApplication::focusWidget(), grid);
    QTest::keyClick(grid, Qt::Key_Tab);
    QWidget *picker = child(w, "DTPicker1");
    QVERIFY(QApplication::focusWidget() == picker ||
            picker->isAncestorOf(QApplication::focusWidget()));
    QVERIFY(!child(w, "lblMessaggio")->isVisible());
}

void tst_Controllo_bolla::formats_data()
{
    QTest::addColumn<double>("lordo");
    QTest::addColumn<double>("netto");
    QTest::addColumn<int>("numero");
    QTest::addColumn<QString>("label3");
    QTest::addColumn<QString>("label4");
    QTest::addColumn<QString>("label5");
    QTest::addColumn<QString>("label6");
    QTest::addColumn<QString>("grid4");
    QTest::addColumn<QString>("grid6");

    QTest::newRow("2,50 / 1,875") << 2.5 << 1.875 << 1187 << "1187"
                                  << "2,50"
                                  << "1,8750"
                                  << "25,00"
                                  << "2,50"
                                  << "25,00";
    QTest::newRow("half-percent discount") << 2.0 << 1.99 << 7 << "7"
                                           << "2,00"
                                           << "1,9900"
                                           << "0,50"
                                           << "2,00"
                                           << ",50";
    QTest::newRow("price below one") << 0.8 << 0.6 << 12 << "12"
                                     << "0,80"
                                     << "0,6000"
                                     << "25,00"
                                     << ",80"
                                     << "25,00";
    QTest::newRow("net price rounds half away from zero") << 2.0 << 1.23455 << 1 << "1"
                                                          << "2,00"
                                                          << "1,2346"
                                                          << "38,27"
                                                          << "2,00"
                                                          << "38,27";
    QTest::newRow("no discount") << 2.675 << 2.675 << 3 << "3"
                                 << "2,68"
                                 << "2,6750"
                                 << "0,00"
                                 << "2,68"
                                 << ",00";
    QTest::newRow("net above gross: negative discount") << 2.0 << 2.1 << 4 << "4"
                                                        << "2,00"
                                                        << "2,1000"
                                                        << "-5,00"
                                                        << "2,00"
                                                        << "-5,00";
}

void tst_Controllo_bolla::formats()
{
    QFETCH(double, lordo);
    QFETCH(double, netto);
    QFETCH(int, numero);
    QVERIFY(makeTable({{"Gazzetta", "Mattino", numero, 0, lordo, netto, 3}}));
    Controllo_bolla *w = open();
    QTableView *grid = child<QTableView>(w, "DataGrid1");
    QCOMPARE(grid->model()->rowCount(), 1);

    QCOMPARE(text(w, "Label1"), QStringLiteral("Gazzetta"));
    QCOMPARE(text(w, "Label2"), QStringLiteral("Mattino"));
    QTEST(text(w, "Label3"), "label3");
    QTEST(text(w, "Label4"), "label4");
    QTEST(text(w, "Label5"), "label5");
    QTEST(text(w, "Label6"), "label6");
    QTEST(cell(grid, 0, 4), "grid4");
    QTEST(cell(grid, 0, 6), "grid6");
    // Issue numbers as delivered: no grouping.
    QTEST(cell(grid, 0, 2), "label3");
}

void tst_Controllo_bolla::onlyTodaysSuppliedRows()
{
    QVERIFY(makeTable({
        {"oggi", "", 1, 0, 2.0, 1.5, 3},
        {"ieri", "", 2, -1, 2.0, 1.5, 3},
        {"domani", "", 3, 1, 2.0, 1.5, 3},
        {"non fornito", "", 4, 0, 2.0, 1.5, 0},
        {"fornito in negativo", "", 5, 0, 2.0, 1.5, -2},
        {"prezzo zero", "", 6, 0, 0.0, 0.0, 3},
        {"prezzo negativo", "", 7, 0, -1.0, 0.5, 3},
        {"oggi anche", "", 8, 0, 1.0, 0.75, 1},
    }));
    Controllo_bolla *w = open();
    QVERIFY(!child(w, "lblMessaggio")->isVisible());
    QAbstractItemModel *rows = child<QTableView>(w, "DataGrid1")->model();
    QStringList titles;
    for (int r = 0; r < rows->rowCount(); ++r)
        titles << rows->index(r, 0).data().toString();
    titles.sort();
    QCOMPARE(titles, QStringList({"oggi", "oggi anche"}));
}

void tst_Controllo_bolla::selectingARowMovesAllLabels()
{
    QVERIFY(makeTable({
        {"Primo", "uno", 101, 0, 1.0, 0.8, 1},
        {"Secondo", "due", 202, 0, 2.0, 1.5, 2},
        {"Terzo", "tre", 303, 0, 4.0, 2.5, 3},
        {"Quarto", "quattro", 404, 0, 5.0, 4.0, 4},
    }));
    Controllo_bolla *w = open();
    QTableView *grid = child<QTableView>(w, "DataGrid1");
    QAbstractItemModel *rows = grid->model();
    QCOMPARE(rows->rowCount(), 4);
    // The first row is current at first.
    QCOMPARE(text(w, "Label1"), rows->index(0, 0).data().toString());

    // No order is given: read the third row's values from the grid's own model.
    const auto expectThirdRow = [&] {
        const QString title = rows->index(2, 0).data().toString();
        QCOMPARE(text(w, "Label1"), title);
        QCOMPARE(text(w, "Label2"), rows->index(2, 1).data().toString());
        const QMap<QString, QStringList> values = {
            {"Primo", {"101", "1,00", "0,8000", "20,00"}},
            {"Secondo", {"202", "2,00", "1,5000", "25,00"}},
            {"Terzo", {"303", "4,00", "2,5000", "37,50"}},
            {"Quarto", {"404", "5,00", "4,0000", "20,00"}},
        };
        QCOMPARE(QStringList(
                     {text(w, "Label3"), text(w, "Label4"), text(w, "Label5"), text(w, "Label6")}),
                 values.value(title));
    };
    selectRow(grid, 2);
    QCOMPARE(grid->currentIndex().row(), 2);
    expectThirdRow();

    // The keyboard moves the current row too.
    QTest::keyClick(grid, Qt::Key_Up);
    QCOMPARE(text(w, "Label1"), rows->index(1, 0).data().toString());
    QTest::keyClick(grid, Qt::Key_Down);
    expectThirdRow();
}

void tst_Controllo_bolla::datePickerChangesNothing()
{
    QVERIFY(makeTable({
        {"Oggi", "o", 1, 0, 2.0, 1.5, 1},
        {"Ieri", "i", 2, -1, 3.0, 1.5, 1},
    }));
    Controllo_bolla *w = open();
    QTableView *grid = child<QTableView>(w, "DataGrid1");
    auto *picker = child<QDateEdit>(w, "DTPicker1");
    QVERIFY(picker->calendarPopup());
    QCOMPARE(picker->date(), QDate::currentDate());

    picker->setFocus();
    QTest::keyClick(picker, Qt::Key_Down);
    QVERIFY(picker->date() != QDate::currentDate());
    picker->setDate(today.addDays(-1));
    QCOMPARE(grid->model()->rowCount(), 1);
    QCOMPARE(grid->model()->index(0, 0).data().toString(), QStringLiteral("Oggi"));
    QCOMPARE(text(w, "Label1"), QStringLiteral("Oggi"));
    QCOMPARE(text(w, "Label4"), QStringLiteral("2,00"));
}

void tst_Controllo_bolla::emptyResult()
{
    QVERIFY(makeTable({{"Ieri", "i", 2, -1, 3.0, 1.5, 1}, {"Oggi", "o", 2, 0, 3.0, 1.5, 0}}));
    Controllo_bolla *w = open();
    QTableView *grid = child<QTableView>(w, "DataGrid1");
    QCOMPARE(grid->model()->rowCount(), 0);
    QCOMPARE(grid->model()->columnCount(), 7);
    for (const char *label : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6"})
        QVERIFY2(text(w, label).isEmpty(), label);
    // Nothing failed: no message.
    QVERIFY(!child(w, "lblMessaggio")->isVisible());
}

void tst_Controllo_bolla::failures_data()
{
    QTest::addColumn<QString>("initString"); // empty: the backend's own
    QTest::addColumn<int>("schema");
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("secret");

    const int full = int(Schema::Full);
    const bool pg = backend->isPostgres();
    const QString own = QString();
    const bool odbc = QSqlDatabase::isDriverAvailable(QStringLiteral("QODBC"));

    QTest::newRow("data link file missing")
        << own << full << "no link" << QStringList{"Impossibile leggere", "il file non esiste"}
        << "";
    QTest::newRow("data link file is a folder")
        << own << full << "link is a folder"
        << QStringList{"Impossibile leggere", "il file non si può leggere"} << "";
    QTest::newRow("malformed: unterminated quote around the password")
        << "Provider=SQLite;Password=\"Segreta;Data Source=bolla.db" << full << ""
        << QStringList{"non è valido (riga 3)", "non è chiuso"} << "Segreta";
    QTest::newRow("malformed: no [oledb]")
        << own << full << "no section" << QStringList{"non è valido", "[oledb]"} << "";
    QTest::newRow("unknown provider")
        << "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=bolla.mdb;Password=Jet!pw" << full << ""
        << QStringList{"provider sconosciuto: \"Microsoft.Jet.OLEDB.4.0\""} << "Jet!pw";
    QTest::newRow("ODBC driver missing, or no such data source")
        << "Provider=MSDASQL.1;Data Source=BollaInesistente;Password=Odbc!pw" << full << ""
        << (odbc ? QStringList{"Impossibile aprire il database"}
                 : QStringList{"Manca il driver Qt QODBC"})
        << "Odbc!pw";
    QTest::newRow("database cannot be opened")
        << (pg ? backend->dataLink(QStringLiteral("Sbagliata;99"))
               : QStringLiteral("Provider=SQLite;Data Source=manca.db;Password=Sbagliata;"))
        << full << "" << QStringList{"Impossibile aprire il database"} << "Sbagliata";
    QTest::newRow("no table numeri")
        << own << int(Schema::NoTable) << "" << QStringList{"non è riuscita", "numeri"} << "";
    QTest::newRow("missing column prz_netto")
        << own << int(Schema::NoNetPrice) << "" << QStringList{"non è riuscita", "prz_netto"} << "";
    QTest::newRow("database locked by another program")
        << own << full << "lock" << QStringList{"occupato da un altro programma"} << "";
    if (pg) {
        QTest::newRow("no date() function")
            << own << full << "drop date" << QStringList{"non è riuscita", "date()"} << "";
    } else {
        QTest::newRow("not a database") << own << full << "garbage file"
                                        << QStringList{"non è riuscita", "not a database"} << "";
    }
}

void tst_Controllo_bolla::failures()
{
    QFETCH(QString, initString);
    QFETCH(int, schema);
    QFETCH(QString, setUp);
    QFETCH(QStringList, expected);
    QFETCH(QString, secret);

    QVERIFY(makeTable({{"Oggi", "o", 1, 0, 2.0, 1.5, 1}}, Schema(schema)));
    const QString link = writeDataLink(initString.isEmpty() ? backend->dataLink() : initString);
    const QByteArray before = backend->checksum();
    if (setUp == "no link")
        QVERIFY(QFile::remove(link));
    if (setUp == "link is a folder")
        QVERIFY(QFile::remove(link) && QDir().mkdir(link));
    if (setUp == "no section") {
        QFile f(link);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(backend->dataLink().toUtf8());
    }
    if (setUp == "lock")
        QVERIFY(backend->lockOut());
    if (setUp == "drop date")
        QVERIFY(exec(QStringLiteral("DROP FUNCTION date()")));
    if (setUp == "garbage file") {
        QSqlDatabase::database(kOwner).close();
        QFile f(backend->folder.filePath(QStringLiteral("bolla.db")));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QByteArray(4096, 'x'));
    }

    auto *w = new Controllo_bolla(link, kQuick);
    w->setAttribute(Qt::WA_DeleteOnClose);
    forms::show(w);
    if (setUp == "lock")
        backend->release();
    if (setUp == "drop date") {
        QFile sql(QStringLiteral(BOLLA_DATE_SQL));
        QVERIFY(sql.open(QIODevice::ReadOnly));
        QVERIFY(exec(QString::fromUtf8(sql.readAll())));
    }

    // The window is there, with no rows, empty labels and the message.
    QVERIFY(w->isVisible());
    QVERIFY(!QApplication::activeModalWidget());
    QTableView *grid = child<QTableView>(w, "DataGrid1");
    QCOMPARE(grid->model()->rowCount(), 0);
    for (const char *label : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6"})
        QVERIFY2(text(w, label).isEmpty(), label);
    QLabel *message = child<QLabel>(w, "lblMessaggio");
    QVERIFY(message->isVisible());
    QVERIFY(grid->viewport()->rect().contains(message->geometry()));
    const QString shown = message->text();
    QVERIFY2(shown.contains(u'"' + link + u'"'), qPrintable(shown));
    for (const QString &part : expected)
        QVERIFY2(shown.contains(part), qPrintable(shown));
    if (!secret.isEmpty())
        QVERIFY2(!shown.contains(secret), qPrintable(shown));
    QVERIFY(!shown.contains(QStringLiteral("Segreta;42")));
    if (setUp != "garbage file")
        QCOMPARE(backend->checksum(), before);
    // The connection is let go at once.
    QVERIFY(w->dataControl()->connectionName().isEmpty());
}

void tst_Controllo_bolla::databaseUnchangedAfterUse()
{
    QVERIFY(makeTable({
        {"Primo", "uno", 101, 0, 1.0, 0.8, 1},
        {"Secondo", "due", 202, 0, 2.0, 1.5, 2},
        {"Terzo", "tre", 303, 0, 4.0, 2.5, 3},
        {"Ieri", "tre", 303, -1, 4.0, 2.5, 3},
    }));
    const QByteArray before = backend->checksum();
    QVERIFY(!before.isEmpty());

    QPointer<Controllo_bolla> w = open();
    QTableView *grid = child<QTableView>(w, "DataGrid1");
    selectRow(grid, 2);
    QTest::keyClick(grid, Qt::Key_Up);
    QTest::keyClick(grid, Qt::Key_Home);
    QTest::keyClick(grid, Qt::Key_Delete);
    QTest::keyClicks(grid, QStringLiteral("xyz"));
    QTest::keyClick(grid, Qt::Key_Return);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {},
                       grid->visualRect(grid->model()->index(0, 4)).center());
    QTest::keyClicks(grid, QStringLiteral("9"));
    QTest::keyClick(grid, Qt::Key_Return);
    auto *picker = child<QDateEdit>(w, "DTPicker1");
    picker->setFocus();
    QTest::keyClick(picker, Qt::Key_Up);
    picker->setDate(QDate(2011, 3, 28));
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(w.isNull());

    QCOMPARE(backend->checksum(), before);
}

void tst_Controllo_bolla::connectionRefusesWrites()
{
    QVERIFY(makeTable({{"Oggi", "o", 1, 0, 2.0, 1.5, 1}}));
    const QByteArray before = backend->checksum();
    Controllo_bolla *w = open();
    const QString name = w->dataControl()->connectionName();
    QVERIFY(!name.isEmpty());
    QSqlQuery write(QSqlDatabase::database(name, false));
    QVERIFY(!write.exec(QStringLiteral("DELETE FROM numeri")));
    QVERIFY(!write.exec(QStringLiteral("UPDATE numeri SET fornitodl = 0")));
    QVERIFY(!write.exec(QStringLiteral("CREATE TABLE intruso (x integer)")));
    write.clear();
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(backend->checksum(), before);
}

// The distribution program must still be able to write while the viewer is open,
// even with more rows than one fetch brings.
void tst_Controllo_bolla::noLockKeptWhileOpen()
{
    QList<Row> rows;
    for (int i = 0; i < 600; ++i)
        rows.append({QStringLiteral("Testata %1").arg(i), "", i, 0, 2.0, 1.5, 1});
    QVERIFY(makeTable(rows));
    Controllo_bolla *w = open();
    QCOMPARE(child<QTableView>(w, "DataGrid1")->model()->rowCount(), 600);
    QVERIFY(backend->lockOut());
    QVERIFY(exec(QStringLiteral("UPDATE numeri SET fornitodl = 2")));
    QVERIFY(exec(QStringLiteral("COMMIT")));
}

void tst_Controllo_bolla::reopenedAfterCloseQueriesAgain()
{
    QVERIFY(makeTable({{"Primo", "uno", 1, 0, 2.0, 1.5, 1}}));
    QPointer<Controllo_bolla> first = open();
    const QString firstConnection = first->dataControl()->connectionName();
    QCOMPARE(child<QTableView>(first, "DataGrid1")->model()->rowCount(), 1);
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    QVERIFY(!QSqlDatabase::contains(firstConnection));

    QSqlQuery insert(QSqlDatabase::database(kOwner));
    insert.prepare(QStringLiteral("INSERT INTO numeri VALUES ('Nuovo', 'n', 2, ?, 3, 2, 1)"));
    insert.addBindValue(backend->day(today));
    QVERIFY(insert.exec());

    Controllo_bolla *second = open();
    QCOMPARE(child<QTableView>(second, "DataGrid1")->model()->rowCount(), 2);
}

// Between midnight and 01:00 or 02:00 the day in Italy is not yet the day in
// UTC, SQLite's own date(). A time zone far from UTC makes that so whatever
// the time of the run.
void tst_Controllo_bolla::dateIsTheShopsLocalDay()
{
    if (backend->isPostgres())
        QSKIP("PostgreSQL's date() is the installation's function, in the server's time zone");
    const QByteArray savedTz = qgetenv("TZ");
    const bool hadTz = qEnvironmentVariableIsSet("TZ");
    const auto restore = qScopeGuard([&] {
        if (hadTz)
            qputenv("TZ", savedTz);
        else
            qunsetenv("TZ");
        tzset();
    });
    const int utcHour = QDateTime::currentDateTimeUtc().time().hour();
    qputenv("TZ", utcHour >= 10 ? "<+14>-14" : "<-12>+12");
    tzset();
    const QDate local = QDate::currentDate();
    const QDate utc = QDateTime::currentDateTimeUtc().date();
    QVERIFY(local != utc);

    today = local;
    QVERIFY(makeTable({
        {"Locale", "", 1, 0, 2.0, 1.5, 1},
        {"UTC", "", 2, int(local.daysTo(utc)), 2.0, 1.5, 1},
    }));
    Controllo_bolla *w = open();
    QAbstractItemModel *rows = child<QTableView>(w, "DataGrid1")->model();
    QCOMPARE(rows->rowCount(), 1);
    QCOMPARE(rows->index(0, 0).data().toString(), QStringLiteral("Locale"));
}

// The start window's operation: the fixed data link file, one instance,
// modeless and ownerless, made afresh after its close box.
void tst_Controllo_bolla::startWindowShowsTheViewer()
{
    plicanza *start = forms::defaultInstance<plicanza>();
    showAndActivate(start);
    QVERIFY(!forms::existing<Controllo_bolla>());

    start->MostraControlloBolla();
    QPointer<Controllo_bolla> viewer = forms::existing<Controllo_bolla>();
    QVERIFY(viewer && viewer->isVisible());
    QVERIFY(!viewer->parentWidget());
    QVERIFY(!viewer->isModal());
    QVERIFY(start->isVisible() && start->isEnabled());
    if (!QFile::exists(bolla::dataLinkFile())) {
        QVERIFY(child<QLabel>(viewer, "lblMessaggio")
                    ->text()
                    .contains(u'"' + bolla::dataLinkFile() + u'"'));
    }
    start->MostraControlloBolla();
    QCOMPARE(forms::existing<Controllo_bolla>(), viewer.data());
    QCOMPARE(forms::loaded().size(), 2);

    viewer->close();
    QVERIFY(!forms::existing<Controllo_bolla>());
    start->MostraControlloBolla();
    QVERIFY(forms::existing<Controllo_bolla>());
    QVERIFY(forms::existing<Controllo_bolla>() != viewer.data());

    // Closing the start window closes the viewer too.
    start->close();
    QVERIFY(forms::loaded().isEmpty());
}

QTEST_MAIN(tst_Controllo_bolla)
#include "tst_controllo_bolla.moc"
