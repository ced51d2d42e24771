#include "bolla/accessdrivermessage.h"

#include "bolla/datalink/accessdrivers.h"

#include <QStringList>
#include <QSysInfo>

namespace bolla {

namespace {

QString quoted(const std::string &driver)
{
    return u'"' + QString::fromStdString(driver) + u'"';
}

#ifdef Q_OS_WIN
// A program loads only drivers of its own bitness.
QString whereFrom(const std::vector<std::string> &drivers)
{
    const int bits = QSysInfo::WordSize;
    QString text = QStringLiteral("Il driver deve essere nella versione a %1 bit, come questo "
                                  "programma.")
                       .arg(bits);
    for (const std::string &driver : drivers) {
        if (driver == kJetOdbcDriver)
            text += QStringLiteral(" %1 fa parte di Windows.").arg(quoted(driver));
        else
            text += QStringLiteral(" %1 lo installano Microsoft Access Database Engine a %2 bit "
                                   "(Access Database Engine Redistributable, gratuito dal sito "
                                   "di Microsoft) o Microsoft Office a %2 bit.")
                        .arg(quoted(driver))
                        .arg(bits);
    }
    return text;
}
#else
QString whereFrom(const std::vector<std::string> &)
{
    return QStringLiteral("Microsoft li distribuisce solo per Windows, con Windows stesso e con "
                          "Microsoft Access Database Engine: su questo sistema il database Access "
                          "si apre solo se vi si installa un driver ODBC per Access con uno di "
                          "questi nomi; altrimenti usare il programma su Windows.");
}
#endif

} // namespace

QString missingAccessDriver(const std::vector<std::string> &drivers, const QString &dataLinkFile)
{
    QStringList names;
    for (const std::string &driver : drivers)
        names << quoted(driver);
    const QString which = names.size() == 1
                              ? QStringLiteral("il driver ODBC %1").arg(names.constFirst())
                              : QStringLiteral("un driver ODBC per Access, %1")
                                    .arg(names.join(QStringLiteral(" oppure ")));
    return QStringLiteral("Manca %1, necessario per il database Access indicato dal file di "
                          "collegamento dati \"%2\". ")
               .arg(which, dataLinkFile) +
           whereFrom(drivers);
}

} // namespace bolla
