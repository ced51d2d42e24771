#pragma once

// Data link files as the tests write them.

#include <QByteArray>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

// The first lines Windows writes into a data link file.
inline const QString kHeader =
    QStringLiteral("[oledb]\r\n; Everything after this line is an OLE DB initstring\r\n");

// Windows' usual form: UTF-16LE after its byte-order mark, code unit by code
// unit, so that broken text can be written too.
inline QByteArray utf16le(const QString &text)
{
    QByteArray bytes("\xFF\xFE", 2);
    for (QChar c : text)
        bytes.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    return bytes;
}

// A SQLite database at `path` with one issue of the day, "Oggi".
inline bool writeBollaDatabase(const QString &path)
{
    bool made = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "writer");
        db.setDatabaseName(path);
        QSqlQuery q(db);
        made = db.open() &&
               q.exec("CREATE TABLE numeri (titolo, sot_titolo, num_copert, dat_uscita, "
                      "prz_copert, prz_netto, fornitodl)") &&
               q.exec("INSERT INTO numeri VALUES ('Oggi', 'o', 1, date('now', 'localtime'), 2, "
                      "1.5, 1)");
    }
    QSqlDatabase::removeDatabase("writer");
    return made;
}
