#include "everywindow.h"

using namespace formtest;

namespace {

// The arithmetic's worked examples are checked in the core (tst_bundle); here a
// user's steps prove each window's wiring: which field feeds which variable,
// which choice gives which rate or bearer, which label shows which format.
struct Example
{
    const char *option;
    const char *name;
    const char *steps;
    const char *shown;
};

// clang-format off
const Example kExamples[] = {
    {"Option1", "day above usual", "TxtPrzQ=1.2 TxtPrzOd=1.5 TxtNumIns=2 CmdCalcola", "lblCompenso=0,0074 lblNetto=1,2110"},
    {"Option1", "negative count", "TxtPrzQ=1 TxtPrzOd=1 TxtNumIns=-2 CmdCalcola", "lblCompenso=-0,037 lblNetto=0,8493"},

    {"Option2", "98,80", "TxtPrezzoInserto=4.50 txtPrzQuotRif=1.20 CmdCalcola", "lblCompensoInserto=0,0037 lblRiaddebitoDefisc= lblNettoInserto=3,6516"},
    {"Option2", "96, ticked", "TxtPrezzoInserto=4.50 txtPrzQuotRif=1.20 Option1_1 ChkRiaddebito CmdCalcola", "lblCompensoInserto=0,0037 lblRiaddebitoDefisc=0,0064 lblNettoInserto=3,6819"},
    {"Option2", "92, ticked", "TxtPrezzoInserto=6.90 txtPrzQuotRif=1.50 Option1_2 ChkRiaddebito CmdCalcola", "lblCompensoInserto=0 lblRiaddebitoDefisc=0,0194 lblNettoInserto=5,7133"},
    {"Option2", "a re-charge never carries over", "TxtPrezzoInserto=4.50 txtPrzQuotRif=1.20 Option1_1 ChkRiaddebito CmdCalcola ChkRiaddebito CmdCalcola", "lblRiaddebitoDefisc=0,0000 lblNettoInserto=3,6755"},
    // An earlier re-charge beside a net price that no longer includes it would be wrong.
    {"Option2", "98,80 after 96 empties the re-charge", "TxtPrezzoInserto=4.50 txtPrzQuotRif=1.20 Option1_1 ChkRiaddebito CmdCalcola Option1_0 CmdCalcola", "lblRiaddebitoDefisc= lblNettoInserto=3,6516"},

    {"Option3", "on B", "TxtPrzQA=1.2 TxtPrzQB=1 Option1_1 CmdCalcola", "lblCompenso=0,0185 lblNettoA=0,9747 lblNettoB=0,7938"},

    {"Option4", "on B, plain", "TxtPrzQA=1.2 TxtPrzPer=5.9 Option1_1 CmdCalcola", "lblCompenso=0,0037 lblNettoA=0,9747 lblNettoPer=4,7888"},
    {"Option4", "plain, then yellow", "TxtPrzQA=1.2 TxtPrzPer=5.9 Option1_1 CmdCalcola cmdcalcola2", "lblCompenso=0,0185 lblNettoA=0,9747 lblNettoPer=4,7740"},

    // By keyboard alone, from the field that has the focus when the window opens;
    // two different prices, so that fields in the wrong tab order show.
    {"Option1", "by keyboard, keypad Enter", "1.2 <Tab> 1.25 <Tab> 2 <Num+Enter>", "lblCompenso=0,0074 lblNetto=1,0080"},
    {"Option2", "by keyboard, 96 and the box", "4.50 <Tab> 1.20 <Tab> <Tab> <Tab> <Tab> <Down> <Tab> <Space> <Tab> <Tab> <Tab> <Return>", "lblCompensoInserto=0,0037 lblRiaddebitoDefisc=0,0064 lblNettoInserto=3,6819"},
    {"Option3", "by keyboard", "1.2 <Tab> 1 <Tab> <Space>", "lblCompenso=0,0185 lblNettoA=0,9562 lblNettoB=0,8123"},
    {"Option4", "by keyboard, plain", "1.2 <Tab> 5.9 <Tab> <Return>", "lblCompenso=0,0037 lblNettoA=0,9710 lblNettoPer=4,7925"},
    {"Option4", "by keyboard, yellow", "1.2 <Tab> 5.9 <Tab> <Tab> <Tab> <Tab> <Tab> <Return>", "lblCompenso=0,0185 lblNettoA=0,9562 lblNettoPer=4,7925"},
};
// clang-format on

} // namespace

class tst_Calculators : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { setUpApplication(); }
    void cleanup() { unloadAll(); }

    void eachKind_data();
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
    Form *w = openWindow(k.window);
    QString clicked;
    for (QPushButton *b : w->findChildren<QPushButton *>())
        connect(b, &QPushButton::clicked, w, [&clicked, b] { clicked = b->objectName(); });

    run(w, steps);
    QStringList labels;
    for (const QString &e : expected)
        labels << e.left(e.indexOf(QLatin1Char('=')));
    QCOMPARE(shown(w, labels), expected);
    // Where "Calcola" sends the focus nowhere, it stays on the button pressed last.
    const QString focus = *k.focusAfterCalcola ? QLatin1String(k.focusAfterCalcola) : clicked;
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
}

// Editing an input or the choice leaves the results as they are; "Calcola"
// again on the same inputs shows the same figures.
void tst_Calculators::resultsChangeOnlyOnCalcola()
{
    QFETCH(QString, option);
    const Kind &k = kindOf(option);
    Form *w = openWindow(k.window);
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
    Form *w = openWindow(k.window);

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
