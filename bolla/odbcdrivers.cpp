#include "bolla/odbcdrivers.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <QString>
#include <qt_windows.h>
#include <sql.h>
#include <sqlext.h>
#else
#include <QDir>
#include <QFile>
#endif

namespace bolla {

#ifdef Q_OS_WIN
// The driver manager's own list: a 32-bit program sees the 32-bit drivers,
// which are the only ones it can load.
std::vector<std::string> installedOdbcDrivers()
{
    std::vector<std::string> names;
    SQLHENV env = SQL_NULL_HENV;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env)))
        return names;
    SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    SQLWCHAR name[512];
    SQLSMALLINT length = 0;
    SQLSMALLINT attributesLength = 0;
    for (SQLUSMALLINT direction = SQL_FETCH_FIRST;
         SQL_SUCCEEDED(SQLDriversW(env, direction, name, SQLSMALLINT(std::size(name)), &length,
                                   nullptr, 0, &attributesLength));
         direction = SQL_FETCH_NEXT) {
        const qsizetype shown = qMin<qsizetype>(length, qsizetype(std::size(name)) - 1);
        names.push_back(
            QString::fromWCharArray(reinterpret_cast<const wchar_t *>(name), shown).toStdString());
    }
    SQLFreeHandle(SQL_HANDLE_ENV, env);
    return names;
}
#else
std::vector<std::string> installedOdbcDrivers()
{
    const QString systemFolder = qEnvironmentVariable("ODBCSYSINI", QStringLiteral("/etc"));
    const QStringList files = {
        systemFolder + u'/' + qEnvironmentVariable("ODBCINSTINI", QStringLiteral("odbcinst.ini")),
        QStringLiteral("/etc/odbcinst.ini"), QStringLiteral("/usr/local/etc/odbcinst.ini"),
        QStringLiteral("/Library/ODBC/odbcinst.ini"), QDir::home().filePath(".odbcinst.ini")};
    std::vector<std::string> names;
    for (const QString &path : files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            continue;
        while (!file.atEnd()) {
            const QByteArray line = file.readLine().trimmed();
            if (line.size() > 2 && line.startsWith('[') && line.endsWith(']'))
                names.push_back(line.mid(1, line.size() - 2).toStdString());
        }
    }
    return names;
}
#endif

} // namespace bolla
