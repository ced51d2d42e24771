#pragma once

// Data link files as the tests write them.

#include <QByteArray>
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
