#include "core/bundle.h"
#include "core/displayformat.h"

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
    void riaddebitoIsTheDifferenceOfTheNets_data();
    void riaddebitoIsTheDifferenceOfTheNets();
    void nonGratuito_data();
    void nonGratuito();
    void coppia_data();
    void coppia();
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

void tst_Bundle::nonGratuito_data()
{
    QTest::addColumn<double>("P");
    QTest::addColumn<double>("R");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("box");
    QTest::addColumn<double>("compenso");
    QTest::addColumn<double>("riaddebito");
    QTest::addColumn<bool>("defiscalizzato");

    QTest::newRow("98.8, box ticked") << 4.5 << 1.2 << 0 << true << 0.0037 << 0.0 << false;
    QTest::newRow("96, unticked") << 4.5 << 1.2 << 1 << false << 0.0037 << 0.0 << true;
    QTest::newRow("96, ticked") << 4.5 << 1.2 << 1 << true << 0.0037 << edicola::riaddebito(1.2, 96)
                                << true;
    QTest::newRow("92, ticked, 6.90")
        << 6.9 << 1.5 << 2 << true << 0.0 << edicola::riaddebito(1.5, 92) << true;
    QTest::newRow("exactly 5.00") << 5.0 << 0.0 << 0 << false << 0.0 << 0.0 << false;
    QTest::newRow("4.99") << 4.99 << 0.0 << 0 << false << 0.0037 << 0.0 << false;
    QTest::newRow("empty") << 0.0 << 0.0 << 0 << false << 0.0037 << 0.0 << false;
}

void tst_Bundle::nonGratuito()
{
    QFETCH(double, P);
    QFETCH(double, R);
    QFETCH(int, index);
    QFETCH(bool, box);
    QFETCH(double, compenso);
    QFETCH(double, riaddebito);
    QFETCH(bool, defiscalizzato);

    const double rate = edicola::kDefiscalizzazione[std::size_t(index)];
    const edicola::NonGratuitoResult r = edicola::calcolaNonGratuito(P, R, rate, box);
    QCOMPARE(r.Compenso, compenso);
    QCOMPARE(r.Riaddebito, riaddebito);
    QCOMPARE(r.defiscalizzato, defiscalizzato);
    // ((P - margin) - Compenso) + Riaddebito, in this order.
    volatile double netto = P - edicola::margin(P, rate);
    netto = netto - compenso;
    netto = netto + riaddebito;
    QCOMPARE(r.NettoInserto, double(netto));
}

void tst_Bundle::coppia_data()
{
    QTest::addColumn<double>("A");
    QTest::addColumn<double>("B");
    QTest::addColumn<double>("compenso");
    QTest::addColumn<bool>("onA");
    QTest::addColumn<double>("nettoA");
    QTest::addColumn<double>("nettoB");

    QTest::newRow("on A") << 1.2 << 1.0 << 0.0185 << true << 0.956236 << 0.81228;
    QTest::newRow("on B") << 1.2 << 1.0 << 0.0185 << false << 0.974736 << 0.79378;
    QTest::newRow("0.0037 on A") << 1.2 << 5.9 << 0.0037 << true << 0.971036 << 4.792452;
    QTest::newRow("empty") << 0.0 << 0.0 << 0.0185 << true << -0.0185 << 0.0;
}

// The margin first, the compensation second, and only on the bearer.
void tst_Bundle::coppia()
{
    QFETCH(double, A);
    QFETCH(double, B);
    QFETCH(double, compenso);
    QFETCH(bool, onA);
    QFETCH(double, nettoA);
    QFETCH(double, nettoB);

    const edicola::CoppiaResult r =
        edicola::calcolaCoppia(A, B, compenso, onA ? edicola::Portatore::A : edicola::Portatore::B);
    QCOMPARE(r.Compenso, compenso);
    QVERIFY(qFuzzyCompare(r.NettoA + 1, nettoA + 1));
    QVERIFY(qFuzzyCompare(r.NettoB + 1, nettoB + 1));
    const double bare = onA ? A : B;
    QCOMPARE(onA ? r.NettoA : r.NettoB, edicola::netPrice(bare) - compenso);
    QCOMPARE(onA ? r.NettoB : r.NettoA, edicola::netPrice(onA ? B : A));
}

QTEST_APPLESS_MAIN(tst_Bundle)
#include "tst_bundle.moc"
