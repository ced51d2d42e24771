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

// What `plicanza --bolla` logs when its grid has rows (launch turns the log on).
const char kRowsMark[] = "plicanza.bolla: righe";

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

// The viewer to its first frame and to its first frame with rows, against a bare
// Qt window to its first frame plus the sqlite3 shell running the same query on
// the same file to its exit, the three in turn, which first by turns.
void compareToFirstRows(figures::Table &table, const Database &db, const std::string &query,
                        int rounds)
{
    const figures::Side sides[3] = {
        {"viewer",
         {PLICANZA_EXE, "--bolla", db.link.toStdString()},
         launch::Until::FirstPaintAfterMark,
         kRowsMark},
        {"bare window", {BARE_WINDOW_EXE}, launch::Until::FirstPaint, {}},
        {"sqlite3", {"sqlite3", db.file.toStdString(), query}, launch::Until::Exit, {}}};
    std::vector<double> paint, rows, bare, shell, paintRatios, rowsRatios, paintOverheads,
        rowsOverheads;
    constexpr int kUnmeasured = 2;
    for (int round = 0; round < kUnmeasured + rounds; ++round) {
        launch::Result results[3];
        for (int turn = 0; turn < 3; ++turn) {
            const int side = (round + turn) % 3;
            const figures::Side &s = sides[side];
            results[side] = launch::run(s.argv, s.until, 30, s.mark);
            if (!results[side].ok) {
                table.fail(s.name + ": " + results[side].failure);
                return;
            }
        }
        if (round < kUnmeasured)
            continue;
        paint.push_back(results[0].firstPaint);
        rows.push_back(results[0].seconds);
        bare.push_back(results[1].seconds);
        shell.push_back(results[2].seconds);
        paintRatios.push_back(results[0].firstPaint / results[1].seconds);
        rowsRatios.push_back(results[0].seconds / (results[1].seconds + results[2].seconds));
        paintOverheads.push_back(results[0].firstPaint - results[1].seconds);
        rowsOverheads.push_back(results[0].seconds - (results[1].seconds + results[2].seconds));
    }
    using figures::formatMilliseconds, figures::formatRatio, figures::median;
    const std::string ofRounds = " (median of " + std::to_string(rounds) + ")";
    const double paintRatio = median(paintRatios);
    table.add({"Viewer to first paint, 1,000,000 rows" + ofRounds,
               "viewer " + formatMilliseconds(median(paint)),
               "bare window " + formatMilliseconds(median(bare)),
               formatRatio(paintRatio, median(paintOverheads)), "≤ " + formatRatio(1.10),
               paintRatio <= 1.10});
    const double rowsRatio = median(rowsRatios);
    table.add({"Viewer to first rows, 1,000,000 rows, 2,000 of the day" + ofRounds,
               "viewer " + formatMilliseconds(median(rows)),
               "bare window + sqlite3 " + formatMilliseconds(median(bare)) + " + " +
                   formatMilliseconds(median(shell)),
               formatRatio(rowsRatio, median(rowsOverheads)), "≤ " + formatRatio(1.10),
               rowsRatio <= 1.10});
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

    // The very text the viewer runs on SQLite.
    const QString query = bolla::recordSourceFor(QStringLiteral("QSQLITE"),
                                                 QString::fromLatin1(bolla::kRecordSource));
    compareToFirstRows(table, big, query.toStdString(), rounds);
    figures::compareLaunches(table,
                             {"viewer, 100,000 of the day",
                              {PLICANZA_EXE, "--bolla", many.link.toStdString()},
                              launch::Until::FirstPaintAfterMark,
                              kRowsMark},
                             {"viewer, 2,000 of the day",
                              {PLICANZA_EXE, "--bolla", big.link.toStdString()},
                              launch::Until::FirstPaintAfterMark,
                              kRowsMark},
                             {}, {"Viewer peak memory, 100,000 rows of the day", 1.10}, rounds);
}

} // namespace viewer
