#include "calculatorkinds.h"

using namespace formtest;

namespace {

// Worked examples: the steps of a user and the texts the labels then show.
struct Example
{
    const char *option;
    const char *name;
    const char *steps;
    const char *shown;
};

// clang-format off
const Example kExamples[] = {
    {"Option1", "all empty", "CmdCalcola", "lblCompenso=0 lblNetto=0,0000"},
    {"Option1", "equal prices", "TxtPrzQ=1.2 TxtPrzOd=1.2 TxtNumIns=1 CmdCalcola", "lblCompenso=0,0185 lblNetto=0,9562"},
    {"Option1", "day above usual", "TxtPrzQ=1.2 TxtPrzOd=1.5 TxtNumIns=2 CmdCalcola", "lblCompenso=0,0074 lblNetto=1,2110"},
    {"Option1", "only the usual price", "TxtPrzQ=1.2 TxtNumIns=1 CmdCalcola", "lblCompenso=0,0185 lblNetto=-0,0185"},
    {"Option1", "grouping", "TxtPrzQ=1500 TxtPrzOd=1500 TxtNumIns=9 CmdCalcola", "lblCompenso=0,1665 lblNetto=1.218,2535"},
    {"Option1", "decimal comma typed", "TxtPrzQ=1,2 TxtPrzOd=1,5 TxtNumIns=2 CmdCalcola", "lblCompenso=0,0074 lblNetto=1,2110"},
    {"Option1", "negative count", "TxtPrzQ=1 TxtPrzOd=1 TxtNumIns=-2 CmdCalcola", "lblCompenso=-0,037 lblNetto=0,8493"},

    {"Option2", "98,80", "TxtPrezzoInserto=4.50 txtPrzQuotRif=1.20 CmdCalcola", "lblCompensoInserto=0,0037 lblRiaddebitoDefisc= lblNettoInserto=3,6516"},
    {"Option2", "98,80 ignores the box", "TxtPrezzoInserto=4.50 txtPrzQuotRif=1.20 ChkRiaddebito CmdCalcola", "lblRiaddebitoDefisc= lblNettoInserto=3,6516"},
    {"Option2", "96, unticked", "TxtPrezzoInserto=4.50 txtPrzQuotRif=1.20 Option1_1 CmdCalcola", "lblCompensoInserto=0,0037 lblRiaddebitoDefisc=0,0000 lblNettoInserto=3,6755"},
    {"Option2", "96, ticked", "TxtPrezzoInserto=4.50 txtPrzQuotRif=1.20 Option1_1 ChkRiaddebito CmdCalcola", "lblCompensoInserto=0,0037 lblRiaddebitoDefisc=0,0064 lblNettoInserto=3,6819"},
    {"Option2", "92, ticked", "TxtPrezzoInserto=6.90 txtPrzQuotRif=1.50 Option1_2 ChkRiaddebito CmdCalcola", "lblCompensoInserto=0 lblRiaddebitoDefisc=0,0194 lblNettoInserto=5,7133"},
    {"Option2", "both empty", "CmdCalcola", "lblCompensoInserto=0,0037 lblNettoInserto=-0,0037"},
    {"Option2", "a re-charge never carries over", "TxtPrezzoInserto=4.50 txtPrzQuotRif=1.20 Option1_1 ChkRiaddebito CmdCalcola ChkRiaddebito CmdCalcola", "lblRiaddebitoDefisc=0,0000 lblNettoInserto=3,6755"},
    // An earlier re-charge beside a net price that no longer includes it would be wrong.
    {"Option2", "98,80 after 96 empties the re-charge", "TxtPrezzoInserto=4.50 txtPrzQuotRif=1.20 Option1_1 ChkRiaddebito CmdCalcola Option1_0 CmdCalcola", "lblRiaddebitoDefisc= lblNettoInserto=3,6516"},
    {"Option2", "98,80 after 92 empties the re-charge", "TxtPrezzoInserto=4.50 txtPrzQuotRif=1.20 Option1_2 ChkRiaddebito CmdCalcola Option1_0 CmdCalcola", "lblRiaddebitoDefisc= lblNettoInserto=3,6516"},

    {"Option3", "empty, on A", "CmdCalcola", "lblCompenso=0,0185 lblNettoA=-0,0185 lblNettoB=0,0000"},
    {"Option3", "empty, on B", "Option1_1 CmdCalcola", "lblNettoA=0,0000 lblNettoB=-0,0185"},
    {"Option3", "on A", "TxtPrzQA=1.2 TxtPrzQB=1 CmdCalcola", "lblCompenso=0,0185 lblNettoA=0,9562 lblNettoB=0,8123"},
    {"Option3", "on B", "TxtPrzQA=1.2 TxtPrzQB=1 Option1_1 CmdCalcola", "lblCompenso=0,0185 lblNettoA=0,9747 lblNettoB=0,7938"},
    {"Option3", "1.25 on B, half up", "TxtPrzQA=1.25 Option1_1 CmdCalcola", "lblNettoA=1,0154"},
    {"Option3", "negative price", "TxtPrzQA=-1 CmdCalcola", "lblNettoA=-0,8308"},

    {"Option4", "empty, plain", "CmdCalcola", "lblCompenso=0,0037 lblNettoA=-0,0037 lblNettoPer=0,0000"},
    {"Option4", "empty, yellow", "cmdcalcola2", "lblCompenso=0,0185 lblNettoA=-0,0185 lblNettoPer=0,0000"},
    {"Option4", "on A, plain", "TxtPrzQA=1.2 TxtPrzPer=5.9 CmdCalcola", "lblCompenso=0,0037 lblNettoA=0,9710 lblNettoPer=4,7925"},
    {"Option4", "on B, plain", "TxtPrzQA=1.2 TxtPrzPer=5.9 Option1_1 CmdCalcola", "lblCompenso=0,0037 lblNettoA=0,9747 lblNettoPer=4,7888"},
    {"Option4", "on A, yellow", "TxtPrzQA=1.2 TxtPrzPer=5.9 cmdcalcola2", "lblCompenso=0,0185 lblNettoA=0,9562 lblNettoPer=4,7925"},
    {"Option4", "plain, then yellow", "TxtPrzQA=1.2 TxtPrzPer=5.9 Option1_1 CmdCalcola cmdcalcola2", "lblCompenso=0,0185 lblNettoA=0,9747 lblNettoPer=4,7740"},
};
// clang-format on

Form *openShown(const Kind &k)
{
    Form *w = k.open();
    showAndActivate(w);
    return w;
}

} // namespace

class tst_Calculators : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { setUpApplication(); }
    void cleanup() { unloadAll(); }

    void eachKind_data();
    void firstShowing_data() { eachKind_data(); }
    void firstShowing();
    void calcola_data();
    void calcola();
    void resultsChangeOnlyOnCalcola_data() { eachKind_data(); }
    void resultsChangeOnlyOnCalcola();
    void azzera_data() { eachKind_data(); }
    void azzera();
};

void tst_Calculators::eachKind_data()
{
    QTest::addColumn<QString>("option");
    for (const Kind &k : kKinds)
        QTest::newRow(k.option) << k.option;
}

void tst_Calculators::firstShowing()
{
    QFETCH(QString, option);
    const Kind &k = kindOf(option);
    Form *w = openShown(k);

    QCOMPARE(filled(w, words(k.fields) + words(k.results)), QStringList());
    QCOMPARE(QApplication::focusWidget()->objectName(), words(k.fields).first());
    QCOMPARE(selected(w), words(k.selected));
    QCOMPARE(clippedCaptions(w), QStringList());
}

void tst_Calculators::calcola_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("expected");
    for (const Example &e : kExamples)
        QTest::addRow("%s: %s", e.option, e.name) << e.option << words(e.steps) << words(e.shown);
}

void tst_Calculators::calcola()
{
    QFETCH(QString, option);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, expected);
    const Kind &k = kindOf(option);
    Form *w = openShown(k);

    run(w, steps);
    QStringList labels;
    for (const QString &e : expected)
        labels << e.left(e.indexOf(QLatin1Char('=')));
    QCOMPARE(shown(w, labels), expected);
    // Where "Calcola" sends the focus nowhere, it stays on the button clicked last.
    const QString focus = *k.focusAfterCalcola ? QLatin1String(k.focusAfterCalcola) : steps.last();
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
}

// Editing an input or the choice leaves the results as they are; "Calcola"
// again on the same inputs shows the same figures.
void tst_Calculators::resultsChangeOnlyOnCalcola()
{
    QFETCH(QString, option);
    const Kind &k = kindOf(option);
    Form *w = openShown(k);
    const QStringList inputs = words(k.inputs);

    run(w, inputs);
    const QStringList first = shown(w, words(k.results));
    run(w, {inputs.last()});
    QCOMPARE(shown(w, words(k.results)), first);
    run(w, words(k.edits));
    QCOMPARE(shown(w, words(k.results)), first);
    run(w, {inputs.last()});
    QVERIFY(shown(w, words(k.results)) != first);
}

// "Azzera" empties the fields (their variables with them: "Calcola" then shows
// the results of empty fields) and the results, and keeps the choice.
void tst_Calculators::azzera()
{
    QFETCH(QString, option);
    const Kind &k = kindOf(option);
    Form *w = openShown(k);

    run(w, words(k.inputs));
    click(w, "CmdAnnulla");
    QCOMPARE(filled(w, words(k.fields) + words(k.results)), QStringList());
    QCOMPARE(QApplication::focusWidget()->objectName(), words(k.fields).first());
    QCOMPARE(selected(w), words(k.kept));
    run(w, {"CmdCalcola"});
    QCOMPARE(shown(w, words(k.results)), words(k.cleared));
}

QTEST_MAIN(tst_Calculators)
#include "tst_calculators.moc"
