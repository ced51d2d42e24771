#include "bolla/odbcdrivers.h"

#include <QDir>
#include <QFile>
#include <QSettings>

namespace bolla {

bool odbcDriverInstalled(const QString &name)
{
#ifdef Q_OS_WIN
    const QSettings drivers(
        QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\ODBC\\ODBCINST.INI\\ODBC Drivers"),
        QSettings::NativeFormat);
    return drivers.value(name).toString() == QLatin1String("Installed");
#else
    const QString systemFolder = qEnvironmentVariable("ODBCSYSINI", QStringLiteral("/etc"));
    const QStringList files = {
        systemFolder + u'/' + qEnvironmentVariable("ODBCINSTINI", QStringLiteral("odbcinst.ini")),
        QStringLiteral("/etc/odbcinst.ini"), QStringLiteral("/usr/local/etc/odbcinst.ini"),
        QStringLiteral("/Library/ODBC/odbcinst.ini"), QDir::home().filePath(".odbcinst.ini")};
    const QByteArray section = '[' + name.toUtf8() + ']';
    for (const QString &path : files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            continue;
        while (!file.atEnd()) {
            if (file.readLine().trimmed() == section)
                return true;
        }
    }
    return false;
#endif
}

} // namespace bolla
