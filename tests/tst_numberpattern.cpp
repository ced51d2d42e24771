#include "core/displayformat.h"
#include "shell/u16string.h"

#include <QtTest>

// Custom number formats under Italian settings: the labels' "0", "0,00" and
// "0,0000", written with the Italian decimal comma, and the grid's "#.00", whose
// '.' stands for the regional decimal separator.
class tst_NumberPattern : public QObject
{
    Q_OBJECT
private slots:
    void patterned_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char *format, double value, const char *shown) {
            QTest::addRow("%s: %s", format, shown) << QString(format) << value << QString(shown);
        };
        row("0", 1187, "1187");
        row("0", 2.5, "3");         // halves away from zero
        row("0,00", 2.675, "2,68"); // the double lies just below the decimal half
        row("0,00", 9.995, "10,00");
        row("0,00", 12345.678, "12345,68"); // no grouping
        row("0,00", -2.675, "-2,68");
        row("0,00", -0.004, "0,00"); // rounds to nothing: no sign
        row("0,0000", 1.875, "1,8750");
        row("0,0000", 1.23455, "1,2346");
        row("#.00", 100 - (1.99 * 100 / 2.0), ",50");
        row("#.00", 0.0, ",00");
        row("#.00", -0.5, "-,50");
    }
    void patterned()
    {
        QFETCH(QString, format);
        QFETCH(double, value);
        const auto pattern =
            edicola::readPattern(format.toStdU16String(), format.contains(u'#') ? u'.' : u',');
        QVERIFY(pattern);
        QTEST(toQString(edicola::patterned(value, *pattern, {})), "shown");
    }
    // Each notation has its own decimal point.
    void otherNotation() { QVERIFY(!edicola::readPattern(u"0,00", u'.')); }
};

QTEST_APPLESS_MAIN(tst_NumberPattern)
#include "tst_numberpattern.moc"
