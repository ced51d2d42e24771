#include "core/displayformat.h"
#include "shell/regional.h"
#include "shell/u16string.h"

#include <QTemporaryDir>
#include <QtTest>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <memory>

namespace {
const edicola::NumberSettings kItalian;

QString general(double v, const edicola::NumberSettings &s = kItalian)
{
    return toQString(edicola::generalNumber(v, s));
}

QString amount(double v, const edicola::NumberSettings &s = kItalian)
{
    return toQString(edicola::amount(v, s));
}

// What the core shows of a few values, every way it shows them, under Italian
// settings and under settings whose decimal point is ".".
QStringList coreTexts()
{
    const edicola::NumberSettings english{u".", u",", u"-", true, 1};
    const edicola::NumberPattern pattern = *edicola::readPattern(u"0,00", u',');
    QStringList texts;
    for (double v : {0.0185 * 3, 1218.2535, 1.01535, -0.0037, 1.5e20, 0.000015, 2.5e-300}) {
        for (const edicola::NumberSettings &s : {kItalian, english}) {
            texts << ::general(v, s) << ::amount(v, s)
                  << toQString(edicola::patterned(v, pattern, s));
        }
    }
    return texts;
}

// Where the machine lacks the locale, it is made from its sources (Debian's
// `locales` package, INPUT) into a folder of the test's own.
QString useCLocale(const QByteArray &name, const QByteArray &input,
                   std::unique_ptr<QTemporaryDir> &dir)
{
    // glibc remembers a locale it did not find in a folder: look in the system's
    // first, and in ours only once the locale is there.
    qunsetenv("LOCPATH");
    if (std::setlocale(LC_ALL, name.constData()))
        return {};
    if (input.isEmpty())
        return QStringLiteral("no C locale %1 here").arg(QString::fromLatin1(name));
    if (!dir)
        dir = std::make_unique<QTemporaryDir>();
    const QByteArray command = "localedef -i " + input + " -f UTF-8 '" +
                               QFile::encodeName(dir->filePath(QString::fromLatin1(name))) +
                               "' >/dev/null 2>&1";
    const int status = std::system(command.constData());
    qputenv("LOCPATH", QFile::encodeName(dir->path()));
    if (std::setlocale(LC_ALL, name.constData()))
        return {};
    return QStringLiteral("no C locale %1 here, and localedef could not make it (status %2; "
                          "its sources come with the locales package)")
        .arg(QString::fromLatin1(name))
        .arg(status);
}
} // namespace

class tst_DisplayFormat : public QObject
{
    Q_OBJECT
private slots:
    void generalNumber_data();
    void generalNumber();
    void amount_data();
    void amount();
    void negativeFormsAndLeadingZero_data();
    void negativeFormsAndLeadingZero();
    void settingsFollowTheLocale_data();
    void settingsFollowTheLocale();
    void sameTextsUnderAnyCLocale_data();
    void sameTextsUnderAnyCLocale();

private:
    std::unique_ptr<QTemporaryDir> locales;
};

void tst_DisplayFormat::generalNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");

    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("0.0185") << 0.0185 << "0,0185";
    QTest::newRow("3 x 0.0185 below 0.0555") << 3 * 0.0185 << "0,0555";
    QTest::newRow("606.1895") << 606.1895 << "606,1895";
    QTest::newRow("32767 x 0.0185") << 32767 * 0.0185 << "606,1895";
    QTest::newRow("negative") << -0.0037 << "-0,0037";
    QTest::newRow("no grouping") << 1234567.5 << "1234567,5";
    QTest::newRow("15 significant digits") << 0.1 + 0.2 << "0,3";
    QTest::newRow("1E+15") << 1e15 << "1E+15";
    QTest::newRow("exponent with decimals") << 1.5e20 << "1,5E+20";
    QTest::newRow("small exponent") << 0.000015 << "1,5E-05";
}

void tst_DisplayFormat::generalNumber()
{
    QFETCH(double, value);
    QFETCH(QString, shown);
    QCOMPARE(general(value), shown);
}

void tst_DisplayFormat::amount_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");

    QTest::newRow("zero") << 0.0 << "0,0000";
    QTest::newRow("negative zero") << -0.0 << "0,0000";
    QTest::newRow("0.956236") << 0.956236 << "0,9562";
    QTest::newRow("1.21102") << 1.21102 << "1,2110";
    QTest::newRow("1218.2535 grouped") << 1218.2535 << "1.218,2535";
    // Doubles just below a decimal half still round it away from zero.
    QTest::newRow("1.01535") << 1.01535 << "1,0154";
    QTest::newRow("1.01165") << 1.01165 << "1,0117";
    QTest::newRow("carry into the whole part") << 9.99995 << "10,0000";
    QTest::newRow("carry into a new group") << 999.99996 << "1.000,0000";
    QTest::newRow("rounds to nothing: no sign") << -0.00004 << "0,0000";
    QTest::newRow("beyond 15 digits")
        << 1.2345678901234567e20 << "123.456.789.012.346.000.000,0000";
}

void tst_DisplayFormat::amount()
{
    QFETCH(double, value);
    QFETCH(QString, shown);
    QCOMPARE(::amount(value), shown);
}

void tst_DisplayFormat::negativeFormsAndLeadingZero_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<bool>("leadingZero");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");

    QTest::newRow("(1,1)") << 0 << true << -1234.5 << "(1.234,5000)";
    QTest::newRow("-1,1") << 1 << true << -1234.5 << "-1.234,5000";
    QTest::newRow("- 1,1") << 2 << true << -1234.5 << "- 1.234,5000";
    QTest::newRow("1,1-") << 3 << true << -1234.5 << "1.234,5000-";
    QTest::newRow("1,1 -") << 4 << true << -1234.5 << "1.234,5000 -";
    QTest::newRow("(,1)") << 0 << false << -0.5 << "(,5000)";
    QTest::newRow("-0,1") << 1 << true << -0.5 << "-0,5000";
    QTest::newRow("- ,1") << 2 << false << -0.5 << "- ,5000";
    QTest::newRow(",1 -") << 4 << false << -0.5 << ",5000 -";
    QTest::newRow(",1") << 1 << false << 0.5 << ",5000";
    QTest::newRow("1 without leading zero") << 3 << false << -1.0 << "1,0000-";
}

void tst_DisplayFormat::negativeFormsAndLeadingZero()
{
    QFETCH(int, form);
    QFETCH(bool, leadingZero);
    QFETCH(double, value);
    QFETCH(QString, shown);
    edicola::NumberSettings s;
    s.negativeForm = form;
    s.leadingZero = leadingZero;
    QCOMPARE(::amount(value, s), shown);
}

void tst_DisplayFormat::settingsFollowTheLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("general");
    QTest::addColumn<QString>("amount"); // of -1218.2535

    // clang-format off
    QTest::newRow("Italian") << QLocale(QLocale::Italian, QLocale::Italy) << "0,0555" << "-1.218,2535";
    QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates) << "0.0555" << "-1,218.2535";
    QTest::newRow("German (Switzerland)") << QLocale(QLocale::German, QLocale::Switzerland) << "0.0555" << QString::fromUtf8("-1’218.2535");
    // A minus sign of its own, U+2212, and a no-break space between groups.
    QTest::newRow("Swedish") << QLocale(QLocale::Swedish, QLocale::Sweden) << "0,0555" << QStringLiteral("\u22121\u00A0218,2535");
    // clang-format on
}

void tst_DisplayFormat::settingsFollowTheLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, general);
    QFETCH(QString, amount);

    QLocale::setDefault(locale);
    QCOMPARE(showGeneral(3 * 0.0185), general);
    QCOMPARE(showAmount(-1218.2535), amount);
}

void tst_DisplayFormat::sameTextsUnderAnyCLocale_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("decimalPoint");

#ifdef Q_OS_WIN
    // Windows' C library names its locales by language and code page, and has
    // none whose decimal point takes more than one byte: Italian's "," is the
    // one case.
    QTest::newRow("Italian") << QByteArray("Italian_Italy.1252") << QByteArray() << QByteArray(",");
#else
    QTest::newRow("Italian") << QByteArray("it_IT.UTF-8") << QByteArray("it_IT") << QByteArray(",");
    // U+066B, the Arabic decimal separator: two bytes in UTF-8.
    QTest::newRow("Pashto") << QByteArray("ps_AF.UTF-8") << QByteArray("ps_AF")
                            << QByteArray("\xD9\xAB");
#endif
}

// The GUI sets the C library's locale from the user's environment; the core's
// texts must not follow it.
void tst_DisplayFormat::sameTextsUnderAnyCLocale()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, decimalPoint);

    const QStringList inC = coreTexts();
    const QString missing = useCLocale(name, input, locales);
    if (!missing.isEmpty())
        QSKIP(qPrintable(missing));
    const QByteArray point = std::localeconv()->decimal_point;
    const QStringList inLocale = coreTexts();
    std::setlocale(LC_ALL, "C");
    QCOMPARE(point, decimalPoint);
    QCOMPARE(inLocale, inC);
}

QTEST_APPLESS_MAIN(tst_DisplayFormat)
#include "tst_displayformat.moc"
