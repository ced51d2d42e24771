#include "viewer.h"

#include "bolla/recordsource.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>

namespace viewer {

namespace {

// `rows` issues, one in `everyNth` of the day, the rest spread over the past
// year, with the index on the issue date a distribution database has.
bool makeDatabase(const QString &db, int rows, int everyNth)
{
    const QString sql =
        QStringLiteral(
            "CREATE TABLE numeri (titolo TEXT NOT NULL, sot_titolo TEXT, num_copert INTEGER,"
            " dat_uscita TEXT NOT NULL, prz_copert REAL, prz_netto REAL,"
            " fornitodl INTEGER NOT NULL DEFAULT 0);\n"
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1)\n"
            "INSERT INTO numeri SELECT 'Testata ' || i, 'Edizione ' || (i % 7), i,"
            " CASE WHEN i % %2 = 0 THEN '%3' ELSE date('%3', '-' || (1 + i % 365) || ' days')"
            " END, 2.5, 1.875, 1 + i % 20 FROM n;\n"
            "CREATE INDEX numeri_dat_uscita ON numeri (dat_uscita);\n")
            .arg(rows)
            .arg(everyNth)
            .arg(QDate::currentDate().toString(Qt::ISODate));
    QProcess sqlite;
    sqlite.start(QStringLiteral("sqlite3"), {db});
    sqlite.write(sql.toUtf8());
    sqlite.closeWriteChannel();
    return sqlite.waitForFinished(600000) && sqlite.exitCode() == 0;
}

// A database in a folder of its own with the data link file that names it;
// the data link file's path, or nothing when the database could not be made.
struct Database
{
    QString file;
    QString link;
};

Database prepare(const QDir &dir, const QString &name, int rows, int everyNth)
{
    dir.mkpath(name);
    const QDir folder(dir.filePath(name));
    const Database db{folder.filePath(QStringLiteral("bolla.db")),
                      folder.filePath(QStringLiteral("Testo.udl"))};
    QFile udl(db.link);
    if (!makeDatabase(db.file, rows, everyNth) || !udl.open(QIODevice::WriteOnly))
        return {};
    udl.write("[oledb]\r\nProvider=SQLite;Data Source=\"" + db.file.toUtf8() + "\"\r\n");
    return db;
}

} // namespace

void measure(figures::Table &table, int rounds)
{
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    std::fputs("Viewer: making a database of 1,000,000 rows, 2,000 of the day...\n", stderr);
    const Database big = prepare(dir, QStringLiteral("big"), 1000000, 500);
    std::fputs("Viewer: and one of 100,000 rows, all of the day...\n", stderr);
    const Database many = prepare(dir, QStringLiteral("many"), 100000, 1);
    if (big.link.isEmpty() || many.link.isEmpty()) {
        table.fail("could not make the viewer's databases (is sqlite3 installed?)");
        return;
    }

    // The shell has no local date(): the same day comes from 'localtime'.
    QString query = QString::fromLatin1(bolla::kRecordSource);
    query.replace(QStringLiteral("date()"), QStringLiteral("date('now', 'localtime')"));
    figures::compareLaunches(
        table, {"viewer", {MOSTRA_BOLLA_EXE, big.link.toStdString()}},
        {"sqlite3", {"sqlite3", big.file.toStdString(), query.toStdString()}, launch::Until::Exit},
        {"Viewer to first rows, 1,000,000 rows", 1.5}, {}, rounds);
    figures::compareLaunches(
        table, {"viewer, 100,000 of the day", {MOSTRA_BOLLA_EXE, many.link.toStdString()}},
        {"viewer, 2,000 of the day", {MOSTRA_BOLLA_EXE, big.link.toStdString()}}, {},
        {"Viewer peak memory, 100,000 rows of the day", 1.10}, rounds);
}

} // namespace viewer
