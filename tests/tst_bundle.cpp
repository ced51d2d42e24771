#include "core/bundle.h"

#include <QtTest>

#include <cfloat>
#include <cmath>

class tst_Bundle : public QObject
{
    Q_OBJECT
private slots:
    void marginStepOrder_data();
    void marginStepOrder();
    void marginBeyondTheProductRange_data();
    void marginBeyondTheProductRange();
};

void tst_Bundle::marginStepOrder_data()
{
    QTest::addColumn<double>("price");
    QTest::addColumn<double>("rate");
    QTest::addColumn<double>("margin");

    QTest::newRow("1.2") << 1.2 << 98.8 << 0.225264;
    QTest::newRow("1.5") << 1.5 << 98.8 << 0.28158;
    QTest::newRow("1") << 1.0 << 98.8 << 0.18772;
    QTest::newRow("5.9") << 5.9 << 98.8 << 1.107548;
    QTest::newRow("96 %") << 1.2 << 96.0 << 0.21888;
    QTest::newRow("zero") << 0.0 << 98.8 << 0.0;
}

// Each step rounds on its own: the margin is not P * 0.18772 in one go.
void tst_Bundle::marginStepOrder()
{
    QFETCH(double, price);
    QFETCH(double, rate);
    QFETCH(double, margin);
    volatile double t = price * rate;
    t = t / 100;
    t = t * 19;
    t = t / 100;
    QCOMPARE(edicola::margin(price, rate), double(t));
    QVERIFY(qFuzzyCompare(edicola::margin(price, rate) + 1, margin + 1));
    QCOMPARE(edicola::netPrice(price, rate), price - double(t));
}

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

QTEST_APPLESS_MAIN(tst_Bundle)
#include "tst_bundle.moc"
