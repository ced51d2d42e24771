#include "core/bundle.h"
#include "core/displayformat.h"

#include <QtTest>

#include <cfloat>
#include <cmath>

class tst_Bundle : public QObject
{
    Q_OBJECT
private slots:
    void marginBeyondTheProductRange_data();
    void marginBeyondTheProductRange();
    void riaddebitoIsTheDifferenceOfTheNets_data();
    void riaddebitoIsTheDifferenceOfTheNets();
};

void tst_Bundle::marginBeyondTheProductRange_data()
{
    QTest::addColumn<double>("price");
    QTest::addColumn<double>("rate");
    QTest::newRow("2E306") << 2e306 << 98.8;
    QTest::newRow("1E307") << 1e307 << 98.8;
    QTest::newRow("largest") << DBL_MAX << 98.8;
    QTest::newRow("largest negative") << -DBL_MAX << 98.8;
    QTest::newRow("largest at 92") << DBL_MAX << 92.0;
}

// Where P * rate overflows, the margin has the digits it would have with an
// unbounded exponent: the same as for the price scaled down by any power of two.
void tst_Bundle::marginBeyondTheProductRange()
{
    QFETCH(double, price);
    QFETCH(double, rate);
    QVERIFY(std::isinf(price * rate));
    const double m = edicola::margin(price, rate);
    QVERIFY(std::isfinite(m));
    for (int k : {8, 64, 600}) {
        volatile double scaled = std::ldexp(price, -k);
        QCOMPARE(m, std::ldexp(edicola::margin(scaled, rate), k));
    }
    QVERIFY(std::isfinite(edicola::netPrice(price, rate)));
    QVERIFY(std::fabs(m) < std::fabs(price));
}

void tst_Bundle::riaddebitoIsTheDifferenceOfTheNets_data()
{
    QTest::addColumn<double>("R");
    QTest::addColumn<double>("rate");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("shortcutShown");

    QTest::newRow("1.20 at 96") << 1.2 << 96.0 << "0,0064"
                                << "0,0064";
    QTest::newRow("1.50 at 92") << 1.5 << 92.0 << "0,0194"
                                << "0,0194";
    // The exact 0.00665 and 0.01995: the two nets land on either side of the half.
    QTest::newRow("1.25 at 96") << 1.25 << 96.0 << "0,0067"
                                << "0,0066";
    QTest::newRow("3.75 at 96") << 3.75 << 96.0 << "0,0199"
                                << "0,0200";
    QTest::newRow("3.75 at 92") << 3.75 << 92.0 << "0,0484"
                                << "0,0485";
    QTest::newRow("empty reference") << 0.0 << 92.0 << "0,0000"
                                     << "0,0000";
}

// The re-charge: N98 and ND each held as a double, then ND - N98. The
// algebraic shortcut R * (98.8 - D) * 19 / 10000 differs in its last digits,
// and where the exact figure is a half it even shows differently.
void tst_Bundle::riaddebitoIsTheDifferenceOfTheNets()
{
    QFETCH(double, R);
    QFETCH(double, rate);
    QFETCH(QString, shown);
    QFETCH(QString, shortcutShown);

    volatile double N98 = R - edicola::margin(R, edicola::kBaseRate);
    volatile double ND = R - edicola::margin(R, rate);
    QCOMPARE(edicola::riaddebito(R, rate), ND - N98);

    volatile double shortcut = R * (edicola::kBaseRate - rate);
    shortcut = shortcut * 19;
    shortcut = shortcut / 10000;
    if (R != 0)
        QVERIFY(edicola::riaddebito(R, rate) != shortcut);

    const auto show = [](double v) {
        return QString::fromStdU16String(edicola::amount(v, edicola::NumberSettings{}));
    };
    QCOMPARE(show(edicola::riaddebito(R, rate)), shown);
    QCOMPARE(show(shortcut), shortcutShown);
}

QTEST_APPLESS_MAIN(tst_Bundle)
#include "tst_bundle.moc"
