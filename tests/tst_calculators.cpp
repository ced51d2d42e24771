#include "calculators/frmgratuito.h"
#include "calculators/frmnongratuito.h"
#include "calculators/quot_period.h"
#include "calculators/quot_quot.h"
#include "formtest.h"

using namespace formtest;

// The four calculator windows driven as a user drives them. A step is
// "Field=text" (typed into the field, one key at a time), or the name of a
// button to click or of a radio button or check box to choose. A shown entry
// is "label=text".
namespace {

struct Kind
{
    const char *window;
    Form *(*open)();
    QList<const char *> fields;
    QList<const char *> results;
    QList<const char *> selected;  // at creation
    const char *focusAfterCalcola; // nullptr: "Calcola" leaves the focus where it was
    const char *azzera;
};

template <class T> Form *open()
{
    return forms::defaultInstance<T>();
}

const Kind kKinds[] = {
    {"FrmGratuito",
     open<FrmGratuito>,
     {"TxtPrzQ", "TxtPrzOd", "TxtNumIns"},
     {"lblCompenso", "lblNetto"},
     {},
     "CmdAnnulla",
     "CmdAnnulla"},
    {"FrmNonGratuito",
     open<FrmNonGratuito>,
     {"TxtPrezzoInserto", "txtPrzQuotRif"},
     {"lblCompensoInserto", "lblRiaddebitoDefisc", "lblNettoInserto"},
     {"Option1_0"},
     "CmdAnnulla",
     "CmdAnnulla"},
    {"Quot_Quot",
     open<Quot_Quot>,
     {"TxtPrzQA", "TxtPrzQB"},
     {"lblCompenso", "lblNettoA", "lblNettoB"},
     {"Option1_0"},
     nullptr,
     "CmdAnnulla"},
    {"Quot_Period",
     open<Quot_Period>,
     {"TxtPrzQA", "TxtPrzPer"},
     {"lblCompenso", "lblNettoA", "lblNettoPer"},
     {"Option1_0"},
     nullptr,
     "CmdAnnulla"},
};

const Kind &kind(const QString &window)
{
    for (const Kind &k : kKinds) {
        if (window == QLatin1String(k.window))
            return k;
    }
    qFatal("no calculator %s", qPrintable(window));
}

void run(QWidget *w, const QStringList &steps)
{
    for (const QString &step : steps) {
        const qsizetype eq = step.indexOf(QLatin1Char('='));
        const QByteArray name = step.left(eq).toLatin1();
        if (eq >= 0) {
            QString keys = step.mid(eq + 1);
            // A minus sign only stays when typed in front of the digits.
            const bool negative = keys.startsWith(QLatin1Char('-'));
            type(w, name, keys.remove(QLatin1Char('-')));
            if (negative) {
                child<QLineEdit>(w, name)->setCursorPosition(0);
                type(w, name, "-");
            }
        } else if (qobject_cast<QPushButton *>(child(w, name))) {
            click(w, name);
        } else {
            choose(w, name);
        }
    }
}

QStringList shown(QWidget *w, const QList<const char *> &labels)
{
    QStringList texts;
    for (const char *label : labels)
        texts << QLatin1String(label) + QLatin1Char('=') + text(w, label);
    return texts;
}

} // namespace

class tst_Calculators : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { setUpApplication(); }
    void cleanup() { unloadAll(); }

    void firstShowing_data();
    void firstShowing();
    void calcola_data();
    void calcola();
    void resultsChangeOnlyOnCalcola_data();
    void resultsChangeOnlyOnCalcola();
    void azzera_data();
    void azzera();
};

void tst_Calculators::firstShowing_data()
{
    QTest::addColumn<QString>("window");
    for (const Kind &k : kKinds)
        QTest::newRow(k.window) << k.window;
}

void tst_Calculators::firstShowing()
{
    QFETCH(QString, window);
    const Kind &k = kind(window);
    Form *w = k.open();
    showAndActivate(w);

    QCOMPARE(filled(w, k.fields + k.results), QStringList());
    QCOMPARE(QApplication::focusWidget(), child(w, k.fields.first()));
    for (QAbstractButton *b : w->findChildren<QAbstractButton *>()) {
        if (!qobject_cast<QPushButton *>(b))
            QCOMPARE(b->isChecked(), k.selected.contains(b->objectName().toLatin1()));
    }
    QCOMPARE(clippedCaptions(w), QStringList());
}

void tst_Calculators::calcola_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("expected");

    const auto row = [](const char *window, const char *name) -> QTestData & {
        return QTest::addRow("%s: %s", window, name) << QString::fromLatin1(window);
    };
    const char *g = "FrmGratuito";
    row(g, "all empty") << QStringList{"CmdCalcola"}
                        << QStringList{"lblCompenso=0", "lblNetto=0,0000"};
    row(g, "equal prices") << QStringList{"TxtPrzQ=1.2", "TxtPrzOd=1.2", "TxtNumIns=1",
                                          "CmdCalcola"}
                           << QStringList{"lblCompenso=0,0185", "lblNetto=0,9562"};
    row(g, "day above usual") << QStringList{"TxtPrzQ=1.2", "TxtPrzOd=1.5", "TxtNumIns=2",
                                             "CmdCalcola"}
                              << QStringList{"lblCompenso=0,0074", "lblNetto=1,2110"};
    row(g, "day below usual") << QStringList{"TxtPrzQ=1.2", "TxtPrzOd=1", "TxtNumIns=5",
                                             "CmdCalcola"}
                              << QStringList{"lblCompenso=0,0925", "lblNetto=0,7198"};
    row(g, "usual 1, day 1.2") << QStringList{"TxtPrzQ=1", "TxtPrzOd=1.2", "TxtNumIns=5",
                                              "CmdCalcola"}
                               << QStringList{"lblCompenso=0,0185", "lblNetto=0,9562"};
    row(g, "3 x 0.0185") << QStringList{"TxtPrzQ=1", "TxtPrzOd=1", "TxtNumIns=3", "CmdCalcola"}
                         << QStringList{"lblCompenso=0,0555", "lblNetto=0,7568"};
    row(g, "only the usual price") << QStringList{"TxtPrzQ=1.2", "TxtNumIns=1", "CmdCalcola"}
                                   << QStringList{"lblCompenso=0,0185", "lblNetto=-0,0185"};
    row(g, "only the price of the day") << QStringList{"TxtPrzOd=1.2", "TxtNumIns=1", "CmdCalcola"}
                                        << QStringList{"lblCompenso=0,0037", "lblNetto=0,9710"};
    row(g, "grouping") << QStringList{"TxtPrzQ=1500", "TxtPrzOd=1500", "TxtNumIns=9", "CmdCalcola"}
                       << QStringList{"lblCompenso=0,1665", "lblNetto=1.218,2535"};
    row(g, "1.25, half up") << QStringList{"TxtPrzQ=1.25", "TxtPrzOd=1.25", "CmdCalcola"}
                            << QStringList{"lblCompenso=0", "lblNetto=1,0154"};
    for (auto [n, c, net] :
         {std::tuple{"1", "0,0037", "1,0117"}, std::tuple{"2", "0,0074", "1,0080"},
          std::tuple{"3", "0,0111", "1,0043"}}) {
        row(g, qPrintable(QStringLiteral("1.25 above 1.2, %1 inserts").arg(QLatin1String(n))))
            << QStringList{"TxtPrzQ=1.2", "TxtPrzOd=1.25", QStringLiteral("TxtNumIns=") + n,
                           "CmdCalcola"}
            << QStringList{QStringLiteral("lblCompenso=") + c, QStringLiteral("lblNetto=") + net};
    }
    row(g, "1.25 equal, 1 insert")
        << QStringList{"TxtPrzQ=1.25", "TxtPrzOd=1.25", "TxtNumIns=1", "CmdCalcola"}
        << QStringList{"lblCompenso=0,0185", "lblNetto=0,9969"};
    row(g, "decimal comma typed") << QStringList{"TxtPrzQ=1,2", "TxtPrzOd=1,5", "TxtNumIns=2",
                                                 "CmdCalcola"}
                                  << QStringList{"lblCompenso=0,0074", "lblNetto=1,2110"};
    row(g, "negative count") << QStringList{"TxtPrzQ=1", "TxtPrzOd=1", "TxtNumIns=-2", "CmdCalcola"}
                             << QStringList{"lblCompenso=-0,037", "lblNetto=0,8493"};

    const char *n = "FrmNonGratuito";
    const QStringList p450 = {"TxtPrezzoInserto=4.50", "txtPrzQuotRif=1.20"};
    const QStringList p690 = {"TxtPrezzoInserto=6.90", "txtPrzQuotRif=1.50"};
    row(n, "98,80") << p450 + QStringList{"CmdCalcola"}
                    << QStringList{"lblCompensoInserto=0,0037",
                                   "lblRiaddebitoDefisc=", "lblNettoInserto=3,6516"};
    row(n, "98,80 ignores the box")
        << p450 + QStringList{"ChkRiaddebito", "CmdCalcola"}
        << QStringList{"lblRiaddebitoDefisc=", "lblNettoInserto=3,6516"};
    row(n, "96, unticked") << p450 + QStringList{"Option1_1", "CmdCalcola"}
                           << QStringList{"lblCompensoInserto=0,0037", "lblRiaddebitoDefisc=0,0000",
                                          "lblNettoInserto=3,6755"};
    row(n, "96, ticked") << p450 + QStringList{"Option1_1", "ChkRiaddebito", "CmdCalcola"}
                         << QStringList{"lblCompensoInserto=0,0037", "lblRiaddebitoDefisc=0,0064",
                                        "lblNettoInserto=3,6819"};
    row(n, "92, unticked") << p690 + QStringList{"Option1_2", "CmdCalcola"}
                           << QStringList{"lblCompensoInserto=0", "lblRiaddebitoDefisc=0,0000",
                                          "lblNettoInserto=5,6939"};
    row(n, "92, ticked") << p690 + QStringList{"Option1_2", "ChkRiaddebito", "CmdCalcola"}
                         << QStringList{"lblCompensoInserto=0", "lblRiaddebitoDefisc=0,0194",
                                        "lblNettoInserto=5,7133"};
    row(n, "5.00 earns nothing") << QStringList{"TxtPrezzoInserto=5.00", "CmdCalcola"}
                                 << QStringList{"lblCompensoInserto=0", "lblNettoInserto=4,0614"};
    row(n, "4.99 earns the compensation")
        << QStringList{"TxtPrezzoInserto=4.99", "CmdCalcola"}
        << QStringList{"lblCompensoInserto=0,0037", "lblNettoInserto=4,0496"};
    row(n, "both empty") << QStringList{"CmdCalcola"}
                         << QStringList{"lblCompensoInserto=0,0037", "lblNettoInserto=-0,0037"};
    row(n, "ticked, no reference price")
        << QStringList{"TxtPrezzoInserto=4.50", "Option1_1", "ChkRiaddebito", "CmdCalcola"}
        << QStringList{"lblRiaddebitoDefisc=0,0000", "lblNettoInserto=3,6755"};
    // The difference of the two nets, not the shortcut, which shows 0,0200.
    row(n, "re-charge on 3.75 at 96")
        << QStringList{"TxtPrezzoInserto=4.5", "txtPrzQuotRif=3.75", "Option1_1", "ChkRiaddebito",
                       "CmdCalcola"}
        << QStringList{"lblRiaddebitoDefisc=0,0199", "lblNettoInserto=3,6955"};
    row(n, "grouping") << QStringList{"TxtPrezzoInserto=1500", "txtPrzQuotRif=1.2", "Option1_2",
                                      "ChkRiaddebito", "CmdCalcola"}
                       << QStringList{"lblRiaddebitoDefisc=0,0155", "lblNettoInserto=1.237,8155"};
    row(n, "a re-charge never carries over")
        << p450 + QStringList{"Option1_1", "ChkRiaddebito", "CmdCalcola", "ChkRiaddebito",
                              "CmdCalcola"}
        << QStringList{"lblRiaddebitoDefisc=0,0000", "lblNettoInserto=3,6755"};
    // An earlier re-charge left beside a net price that no longer includes it
    // would be plainly wrong.
    for (const char *rate : {"Option1_1", "Option1_2"}) {
        row(n, qPrintable(QStringLiteral("98,80 after %1 empties the re-charge").arg(rate)))
            << p450 + QStringList{rate, "ChkRiaddebito", "CmdCalcola", "Option1_0", "CmdCalcola"}
            << QStringList{"lblRiaddebitoDefisc=", "lblNettoInserto=3,6516"};
    }

    const char *q = "Quot_Quot";
    row(q, "empty, on A") << QStringList{"CmdCalcola"}
                          << QStringList{"lblCompenso=0,0185", "lblNettoA=-0,0185",
                                         "lblNettoB=0,0000"};
    row(q, "empty, on B") << QStringList{"Option1_1", "CmdCalcola"}
                          << QStringList{"lblNettoA=0,0000", "lblNettoB=-0,0185"};
    row(q, "on A") << QStringList{"TxtPrzQA=1.2", "TxtPrzQB=1", "CmdCalcola"}
                   << QStringList{"lblCompenso=0,0185", "lblNettoA=0,9562", "lblNettoB=0,8123"};
    row(q, "on B") << QStringList{"TxtPrzQA=1.2", "TxtPrzQB=1", "Option1_1", "CmdCalcola"}
                   << QStringList{"lblCompenso=0,0185", "lblNettoA=0,9747", "lblNettoB=0,7938"};
    row(q, "grouping") << QStringList{"TxtPrzQA=1500", "TxtPrzQB=2", "CmdCalcola"}
                       << QStringList{"lblNettoA=1.218,4015", "lblNettoB=1,6246"};
    row(q, "1.25 on B, half up") << QStringList{"TxtPrzQA=1.25", "Option1_1", "CmdCalcola"}
                                 << QStringList{"lblNettoA=1,0154"};
    row(q, "1.25 on A") << QStringList{"TxtPrzQA=1.25", "CmdCalcola"}
                        << QStringList{"lblNettoA=0,9969"};
    row(q, "negative price") << QStringList{"TxtPrzQA=-1", "CmdCalcola"}
                             << QStringList{"lblNettoA=-0,8308"};

    const char *p = "Quot_Period";
    row(p, "empty, plain") << QStringList{"CmdCalcola"}
                           << QStringList{"lblCompenso=0,0037", "lblNettoA=-0,0037",
                                          "lblNettoPer=0,0000"};
    row(p, "empty, yellow") << QStringList{"cmdcalcola2"}
                            << QStringList{"lblCompenso=0,0185", "lblNettoA=-0,0185",
                                           "lblNettoPer=0,0000"};
    const QStringList prices = {"TxtPrzQA=1.2", "TxtPrzPer=5.9"};
    row(p, "on A, plain") << prices + QStringList{"CmdCalcola"}
                          << QStringList{"lblCompenso=0,0037", "lblNettoA=0,9710",
                                         "lblNettoPer=4,7925"};
    row(p, "on B, plain") << prices + QStringList{"Option1_1", "CmdCalcola"}
                          << QStringList{"lblCompenso=0,0037", "lblNettoA=0,9747",
                                         "lblNettoPer=4,7888"};
    row(p, "on A, yellow") << prices + QStringList{"cmdcalcola2"}
                           << QStringList{"lblCompenso=0,0185", "lblNettoA=0,9562",
                                          "lblNettoPer=4,7925"};
    row(p, "plain, then yellow") << prices + QStringList{"Option1_1", "CmdCalcola", "cmdcalcola2"}
                                 << QStringList{"lblCompenso=0,0185", "lblNettoA=0,9747",
                                                "lblNettoPer=4,7740"};
    row(p, "1.25 on A, plain, half up")
        << QStringList{"TxtPrzQA=1.25", "CmdCalcola"} << QStringList{"lblNettoA=1,0117"};
}

void tst_Calculators::calcola()
{
    QFETCH(QString, window);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, expected);
    const Kind &k = kind(window);
    Form *w = k.open();
    showAndActivate(w);

    run(w, steps);
    QList<const char *> labels;
    for (const char *label : k.results) {
        if (expected.join(QLatin1Char('\n')).contains(QLatin1String(label) + QLatin1Char('=')))
            labels << label;
    }
    QCOMPARE(shown(w, labels), expected);

    // Where "Calcola" sends the focus nowhere, it stays on the button clicked last.
    const QString focus = k.focusAfterCalcola ? QLatin1String(k.focusAfterCalcola) : steps.last();
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
}

// Editing an input or the choice leaves the results as they are; "Calcola"
// again on the same inputs shows the same figures.
void tst_Calculators::resultsChangeOnlyOnCalcola_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("edits");

    QTest::newRow("FrmGratuito") << "FrmGratuito"
                                 << QStringList{"TxtPrzOd=1.2", "TxtNumIns=1", "CmdCalcola"}
                                 << QStringList{"TxtPrzOd=5", "TxtNumIns=3"};
    QTest::newRow("FrmNonGratuito")
        << "FrmNonGratuito" << QStringList{"TxtPrezzoInserto=4.5", "Option1_1", "CmdCalcola"}
        << QStringList{"TxtPrezzoInserto=9", "Option1_2", "ChkRiaddebito"};
    QTest::newRow("Quot_Quot") << "Quot_Quot" << QStringList{"TxtPrzQA=1.2", "CmdCalcola"}
                               << QStringList{"TxtPrzQB=5", "Option1_1"};
    QTest::newRow("Quot_Period") << "Quot_Period" << QStringList{"TxtPrzQA=1.2", "cmdcalcola2"}
                                 << QStringList{"TxtPrzQA=5", "Option1_1"};
}

void tst_Calculators::resultsChangeOnlyOnCalcola()
{
    QFETCH(QString, window);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, edits);
    const Kind &k = kind(window);
    Form *w = k.open();
    showAndActivate(w);

    run(w, steps);
    const QStringList first = shown(w, k.results);
    run(w, {steps.last()});
    QCOMPARE(shown(w, k.results), first);
    run(w, edits);
    QCOMPARE(shown(w, k.results), first);
    run(w, {steps.last()});
    QVERIFY(shown(w, k.results) != first);
}

// "Azzera" empties the fields (their variables with them: "Calcola" then shows
// the results of empty fields) and the results, and keeps the choice.
void tst_Calculators::azzera_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("kept");
    QTest::addColumn<QStringList>("afterwards");

    QTest::newRow("FrmGratuito") << "FrmGratuito"
                                 << QStringList{"TxtPrzQ=1", "TxtPrzOd=1.5", "TxtNumIns=2",
                                                "CmdCalcola"}
                                 << QStringList{}
                                 << QStringList{"lblCompenso=0", "lblNetto=0,0000"};
    QTest::newRow("FrmNonGratuito")
        << "FrmNonGratuito"
        << QStringList{"TxtPrezzoInserto=6", "txtPrzQuotRif=1.2", "Option1_1", "ChkRiaddebito",
                       "CmdCalcola"}
        << QStringList{"Option1_1"}
        << QStringList{"lblCompensoInserto=0,0037", "lblRiaddebitoDefisc=0,0000",
                       "lblNettoInserto=-0,0037"};
    QTest::newRow("Quot_Quot") << "Quot_Quot"
                               << QStringList{"TxtPrzQA=1.2", "TxtPrzQB=1", "Option1_1",
                                              "CmdCalcola"}
                               << QStringList{"Option1_1"}
                               << QStringList{"lblCompenso=0,0185", "lblNettoA=0,0000",
                                              "lblNettoB=-0,0185"};
    QTest::newRow("Quot_Period") << "Quot_Period"
                                 << QStringList{"TxtPrzQA=1.2", "TxtPrzPer=5.9", "Option1_1",
                                                "cmdcalcola2"}
                                 << QStringList{"Option1_1"}
                                 << QStringList{"lblCompenso=0,0037", "lblNettoA=0,0000",
                                                "lblNettoPer=-0,0037"};
}

void tst_Calculators::azzera()
{
    QFETCH(QString, window);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, kept);
    QFETCH(QStringList, afterwards);
    const Kind &k = kind(window);
    Form *w = k.open();
    showAndActivate(w);

    run(w, steps);
    click(w, k.azzera);
    QCOMPARE(filled(w, k.fields + k.results), QStringList());
    QCOMPARE(QApplication::focusWidget(), child(w, k.fields.first()));
    for (QAbstractButton *b : w->findChildren<QAbstractButton *>()) {
        if (!qobject_cast<QPushButton *>(b))
            QCOMPARE(b->isChecked(), kept.contains(b->objectName()));
    }
    run(w, {"CmdCalcola"});
    QCOMPARE(shown(w, k.results), afterwards);
}

QTEST_MAIN(tst_Calculators)
#include "tst_calculators.moc"
