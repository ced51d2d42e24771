#include "bolla/recordsource.h"

#include "bolla/datalink/paths.h"
#include "bolla/qtpaths.h"

namespace bolla {

QString dataLinkFile()
{
    // Elsewhere than on Windows, where drive F: is mounted, as every drive path
    // a data link file names.
    return fromPath(localPath("F:\\Bolla\\Testo.udl").make_preferred());
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
