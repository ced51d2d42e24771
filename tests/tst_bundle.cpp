#include "core/bundle.h"
#include "core/displayformat.h"
#include "shell/u16string.h"

#include <QtTest>

#include <cfloat>
#include <cmath>

class tst_Bundle : public QObject
{
    Q_OBJECT
private slots:
    void marginBeyondTheProductRange_data();
    void marginBeyondTheProductRange();
    void workedExamples_data();
    void workedExamples();
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

namespace {

enum class Calcolo { Gratuito, NonGratuito, Coppia };

// One calculation and what its labels show under Italian settings, in the order
// of the window's result labels: "-" where the label is left as it was, "*" where
// the row does not look.
struct Example
{
    const char *name;
    Calcolo calcolo;
    double x, y, z; // PrzQ, PrzOd, NumIns | PrzInserto, PrzQuotRif, rate | PrzA, PrzB, Compenso
    bool flag;      // ChkRiaddebito ticked | the compensation on B
    const char *shown;
};

// clang-format off
const Example kExamples[] = {
    {"all empty", Calcolo::Gratuito, 0, 0, 0, false, "0 0,0000"},
    {"equal prices", Calcolo::Gratuito, 1.2, 1.2, 1, false, "0,0185 0,9562"},
    {"day above usual", Calcolo::Gratuito, 1.2, 1.5, 2, false, "0,0074 1,2110"},
    {"day below usual", Calcolo::Gratuito, 1.2, 1, 5, false, "0,0925 0,7198"},
    {"usual 1, day 1.2", Calcolo::Gratuito, 1, 1.2, 5, false, "0,0185 0,9562"},
    {"3 x 0.0185", Calcolo::Gratuito, 1, 1, 3, false, "0,0555 0,7568"},
    {"only the usual price", Calcolo::Gratuito, 1.2, 0, 1, false, "0,0185 -0,0185"},
    {"only the price of the day", Calcolo::Gratuito, 0, 1.2, 1, false, "0,0037 0,9710"},
    {"grouping", Calcolo::Gratuito, 1500, 1500, 9, false, "0,1665 1.218,2535"},
    {"1.25, half up", Calcolo::Gratuito, 1.25, 1.25, 0, false, "0 1,0154"},
    {"1.25 above 1.2, 1", Calcolo::Gratuito, 1.2, 1.25, 1, false, "0,0037 1,0117"},
    {"1.25 above 1.2, 2", Calcolo::Gratuito, 1.2, 1.25, 2, false, "0,0074 1,0080"},
    {"1.25 above 1.2, 3", Calcolo::Gratuito, 1.2, 1.25, 3, false, "0,0111 1,0043"},
    {"1.25 equal, 1", Calcolo::Gratuito, 1.25, 1.25, 1, false, "0,0185 0,9969"},
    {"largest count", Calcolo::Gratuito, 1, 1, 32767, false, "606,1895 -605,3772"},

    {"98,80", Calcolo::NonGratuito, 4.5, 1.2, 98.8, false, "0,0037 - 3,6516"},
    {"98,80 ticked", Calcolo::NonGratuito, 4.5, 1.2, 98.8, true, "0,0037 - 3,6516"},
    {"96, unticked", Calcolo::NonGratuito, 4.5, 1.2, 96, false, "0,0037 0,0000 3,6755"},
    {"96, ticked", Calcolo::NonGratuito, 4.5, 1.2, 96, true, "0,0037 0,0064 3,6819"},
    {"92, unticked", Calcolo::NonGratuito, 6.9, 1.5, 92, false, "0 0,0000 5,6939"},
    {"92, ticked", Calcolo::NonGratuito, 6.9, 1.5, 92, true, "0 0,0194 5,7133"},
    {"5.00 earns nothing", Calcolo::NonGratuito, 5, 1.2, 98.8, false, "0 - 4,0614"},
    {"4.99 earns the compensation", Calcolo::NonGratuito, 4.99, 0, 98.8, false, "0,0037 - 4,0496"},
    {"both empty", Calcolo::NonGratuito, 0, 0, 98.8, false, "0,0037 - -0,0037"},
    {"ticked, no reference price", Calcolo::NonGratuito, 4.5, 0, 96, true, "0,0037 0,0000 3,6755"},
    {"grouping", Calcolo::NonGratuito, 1500, 1.2, 92, true, "0 0,0155 1.237,8155"},
    // Exact re-charges on a half: the two nets, each a double, fall on either side
    // of it, so a margin reckoned in another order, or the algebraic shortcut
    // R * (98.8 - D) * 19 / 10000, shows another last digit.
    {"re-charge on 6.25 at 96", Calcolo::NonGratuito, 5, 6.25, 96, true, "* 0,0333 *"},
    {"re-charge on 1.25 at 92", Calcolo::NonGratuito, 5, 1.25, 92, true, "* 0,0162 *"},
    {"re-charge on 1.25 at 96", Calcolo::NonGratuito, 5, 1.25, 96, true, "* 0,0067 *"},
    {"re-charge on 3.75 at 96", Calcolo::NonGratuito, 5, 3.75, 96, true, "* 0,0199 *"},
    {"re-charge on 3.75 at 92", Calcolo::NonGratuito, 5, 3.75, 92, true, "* 0,0484 *"},

    {"empty, on A", Calcolo::Coppia, 0, 0, 0.0185, false, "0,0185 -0,0185 0,0000"},
    {"empty, on B", Calcolo::Coppia, 0, 0, 0.0185, true, "0,0185 0,0000 -0,0185"},
    {"on A", Calcolo::Coppia, 1.2, 1, 0.0185, false, "0,0185 0,9562 0,8123"},
    {"on B", Calcolo::Coppia, 1.2, 1, 0.0185, true, "0,0185 0,9747 0,7938"},
    {"grouping", Calcolo::Coppia, 1500, 2, 0.0185, false, "0,0185 1.218,4015 1,6246"},
    {"1.25 on B, half up", Calcolo::Coppia, 1.25, 0, 0.0185, true, "0,0185 1,0154 -0,0185"},
    {"1.25 on A", Calcolo::Coppia, 1.25, 0, 0.0185, false, "0,0185 0,9969 0,0000"},
    {"periodical, empty", Calcolo::Coppia, 0, 0, 0.0037, false, "0,0037 -0,0037 0,0000"},
    {"periodical on A", Calcolo::Coppia, 1.2, 5.9, 0.0037, false, "0,0037 0,9710 4,7925"},
    {"periodical on B", Calcolo::Coppia, 1.2, 5.9, 0.0037, true, "0,0037 0,9747 4,7888"},
    {"periodical on A, 0.0185", Calcolo::Coppia, 1.2, 5.9, 0.0185, false, "0,0185 0,9562 4,7925"},
    {"periodical 1.25 on A, half up", Calcolo::Coppia, 1.25, 0, 0.0037, false, "0,0037 1,0117 0,0000"},
};
// clang-format on

QString general(double v)
{
    return toQString(edicola::generalNumber(v, edicola::NumberSettings{}));
}

QString amount(double v)
{
    return toQString(edicola::amount(v, edicola::NumberSettings{}));
}

QStringList shown(const Example &e)
{
    switch (e.calcolo) {
    case Calcolo::Gratuito: {
        const auto r = edicola::calcolaGratuito(e.x, e.y, std::int16_t(e.z));
        return {general(r.Compenso), amount(r.Netto)};
    }
    case Calcolo::NonGratuito: {
        const auto r = edicola::calcolaNonGratuito(e.x, e.y, e.z, e.flag);
        return {general(r.Compenso), r.defiscalizzato ? amount(r.Riaddebito) : "-",
                amount(r.NettoInserto)};
    }
    case Calcolo::Coppia: {
        const auto r = edicola::calcolaCoppia(
            e.x, e.y, e.z, e.flag ? edicola::Portatore::B : edicola::Portatore::A);
        return {general(r.Compenso), amount(r.NettoA), amount(r.NettoB)};
    }
    }
    return {};
}

} // namespace

void tst_Bundle::workedExamples_data()
{
    QTest::addColumn<int>("row");
    for (const Example &e : kExamples)
        QTest::newRow(e.name) << int(&e - kExamples);
}

// The arithmetic of the four windows through the display formats, before any
// window is involved.
void tst_Bundle::workedExamples()
{
    QFETCH(int, row);
    const Example &e = kExamples[row];
    QStringList got = shown(e);
    const QStringList expected = QString::fromLatin1(e.shown).split(QLatin1Char(' '));
    for (qsizetype i = 0; i < expected.size() && i < got.size(); ++i) {
        if (expected[i] == QLatin1String("*"))
            got[i] = expected[i];
    }
    QCOMPARE(got, expected);
}

QTEST_APPLESS_MAIN(tst_Bundle)
#include "tst_bundle.moc"
