#include "bolla/recordsource.h"

namespace bolla {

QString dataLinkFile()
{
#ifdef Q_OS_WIN
    return QStringLiteral("F:\\Bolla\\Testo.udl");
#else
    // Where drive F:, a Windows share, is mounted by convention.
    return QStringLiteral("/mnt/f/Bolla/Testo.udl");
#endif
}

const char kRecordSource[] = "SELECT \r\n"
                             "titolo,sot_titolo,\r\n"
                             "num_copert,\r\n"
                             "dat_uscita,\r\n"
                             "prz_copert,\r\n"
                             "prz_netto, \r\n"
                             "100 - (prz_netto * 100/prz_copert)   as sconto\r\n"
                             "from numeri where  fornitodl >0\r\n"
                             "and prz_copert >0 and dat_uscita = date() ";

QString recordSourceFor(const QString &driver, const QString &recordSource)
{
    if (driver != QLatin1String("QSQLITE"))
        return recordSource;
    return QString(recordSource)
        .replace(QLatin1String("date()"), QLatin1String("date('now','localtime')"));
}

} // namespace bolla
