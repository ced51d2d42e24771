#include "calculators/regional.h"
#include "core/displayformat.h"

#include <QtTest>

#include <optional>

using edicola::NumberPattern;

namespace {

// A pattern that must read; the tests name only readable ones here.
NumberPattern pattern(const QString &text, char16_t point)
{
    const std::optional<NumberPattern> p = edicola::readPattern(text.toStdU16String(), point);
    if (!p)
        qFatal("unreadable pattern %s", qPrintable(text));
    return *p;
}

QString shown(double value, const QString &text, char16_t point,
              const edicola::NumberSettings &settings = {})
{
    return QString::fromStdU16String(edicola::patterned(value, pattern(text, point), settings));
}

} // namespace

class tst_NumberPattern : public QObject
{
    Q_OBJECT
private slots:
    void italianPatterns_data();
    void italianPatterns();
    void gridPattern_data();
    void gridPattern();
    void gridPatternFollowsTheLocale_data();
    void gridPatternFollowsTheLocale();
    void unreadablePatterns_data();
    void unreadablePatterns();
};

// The bound labels' "0", "0,00" and "0,0000", written for Italian settings.
void tst_NumberPattern::italianPatterns_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");

    QTest::newRow("0: whole number") << "0" << 1187.0 << "1187";
    QTest::newRow("0: no grouping") << "0" << 1234567.0 << "1234567";
    QTest::newRow("0: zero") << "0" << 0.0 << "0";
    QTest::newRow("0: half rounds up") << "0" << 2.5 << "3";
    QTest::newRow("0: below half") << "0" << 0.49 << "0";
    QTest::newRow("0,00: 2,50") << "0,00" << 2.5 << "2,50";
    QTest::newRow("0,00: leading digit forced") << "0,00" << 0.5 << "0,50";
    QTest::newRow("0,00: discount of 2,50 / 1,875")
        << "0,00" << 100 - (1.875 * 100 / 2.5) << "25,00";
    QTest::newRow("0,00: half percent as a double computes it")
        << "0,00" << 100 - (1.99 * 100 / 2.0) << "0,50";
    // 2.675 is 2.67499999... as a double: the decimal value's half still goes up.
    QTest::newRow("0,00: decimal half of a double below it") << "0,00" << 2.675 << "2,68";
    QTest::newRow("0,00: 1.005") << "0,00" << 1.005 << "1,01";
    QTest::newRow("0,00: carry into the whole part") << "0,00" << 9.995 << "10,00";
    QTest::newRow("0,00: no grouping") << "0,00" << 12345.678 << "12345,68";
    QTest::newRow("0,00: negative") << "0,00" << -5.0 << "-5,00";
    QTest::newRow("0,00: negative half away from zero") << "0,00" << -2.675 << "-2,68";
    QTest::newRow("0,00: rounds to nothing, no sign") << "0,00" << -0.004 << "0,00";
    QTest::newRow("0,0000: 1,875") << "0,0000" << 1.875 << "1,8750";
    QTest::newRow("0,0000: 1,23455") << "0,0000" << 1.23455 << "1,2346";
    QTest::newRow("0,0000: beyond 15 digits") << "0,0000" << 1.0 / 3 << "0,3333";
    QTest::newRow("0,0000: large") << "0,0000" << 1e20 << "100000000000000000000,0000";
}

void tst_NumberPattern::italianPatterns()
{
    QFETCH(QString, format);
    QFETCH(double, value);
    QFETCH(QString, shown);
    QCOMPARE(::shown(value, format, u','), shown);
}

// The grid's "#.00": no digit forced before the separator.
void tst_NumberPattern::gridPattern_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");

    QTest::newRow("25") << 25.0 << "25,00";
    QTest::newRow("half percent") << 100 - (1.99 * 100 / 2.0) << ",50";
    QTest::newRow("zero") << 0.0 << ",00";
    QTest::newRow("rounds to one") << 0.999 << "1,00";
    QTest::newRow("rounds to nothing") << 0.004 << ",00";
    QTest::newRow("negative below one") << -0.5 << "-,50";
    QTest::newRow("no grouping") << 1234.5 << "1234,50";
    QTest::newRow("decimal half") << 2.675 << "2,68";
}

void tst_NumberPattern::gridPattern()
{
    QFETCH(double, value);
    QFETCH(QString, shown);
    QCOMPARE(::shown(value, "#.00", u'.'), shown);
}

void tst_NumberPattern::gridPatternFollowsTheLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("shown");

    QTest::newRow("Italian") << QLocale(QLocale::Italian, QLocale::Italy) << "1234,50";
    QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates) << "1234.50";
}

void tst_NumberPattern::gridPatternFollowsTheLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, shown);
    QCOMPARE(::shown(1234.5, "#.00", u'.', numberSettings(locale)), shown);
}

void tst_NumberPattern::unreadablePatterns_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QChar>("point");

    QTest::newRow("empty") << "" << QChar(u',');
    QTest::newRow("Italian pattern read with '.'") << "0,00" << QChar(u'.');
    QTest::newRow("two points") << "0,0,0" << QChar(u',');
    QTest::newRow("a letter") << "0,00x" << QChar(u',');
    QTest::newRow("percent") << "0%" << QChar(u',');
    QTest::newRow("# after 0") << "0#,00" << QChar(u',');
    QTest::newRow("0 after #") << "0,#0" << QChar(u',');
}

void tst_NumberPattern::unreadablePatterns()
{
    QFETCH(QString, format);
    QFETCH(QChar, point);
    QVERIFY(!edicola::readPattern(format.toStdU16String(), point.unicode()));
}

QTEST_APPLESS_MAIN(tst_NumberPattern)
#include "tst_numberpattern.moc"
