#include "calculators/frmgratuito.h"
#include "calculators/frmnongratuito.h"
#include "calculators/quot_period.h"
#include "calculators/quot_quot.h"
#include "formtest.h"
#include "shell/plicanza.h"

#include <QRadioButton>

using namespace formtest;

class tst_Plicanza : public QObject
{
    Q_OBJECT
private:
    plicanza *start = nullptr;
    void confirm(const char *option);

private slots:
    void initTestCase() { setUpApplication(); }
    void init();
    void cleanup() { unloadAll(); }

    void atStartOnlyTheStartWindow();
    void confermaWithNothingSelectedDoesNothing();
    void confermaTwiceGivesOneWindow();
    void eachKindShowsItsCalculator_data();
    void eachKindShowsItsCalculator();
    void severalCalculatorsAtOnce();
    void bothPeriodicalKindsShowOneWindow_data();
    void bothPeriodicalKindsShowOneWindow();
    void aDiscardedPeriodicalWindowComesBackAfresh();
    void esciKeepsTheCalculator();
    void closeBoxDiscardsTheCalculator();
    void closingTheStartWindowClosesEverything_data();
    void closingTheStartWindowClosesEverything();
    void clickingAKindsTextSelectsNothing();
    void enterPressesNoButton();
};

void tst_Plicanza::init()
{
    start = forms::defaultInstance<plicanza>();
    showAndActivate(start);
}

void tst_Plicanza::confirm(const char *option)
{
    QTest::mouseClick(child<QRadioButton>(start, option), Qt::LeftButton, {}, QPoint(8, 8));
    QVERIFY(child<QRadioButton>(start, option)->isChecked());
    click(start, "CmdConferma");
}

void tst_Plicanza::atStartOnlyTheStartWindow()
{
    QCOMPARE(forms::loaded(), QList<Form *>{start});
    QCOMPARE(QApplication::focusWidget(), child(start, "Option1"));
    for (const char *name : {"Option1", "Option2", "Option3", "Option4", "Option5"})
        QVERIFY2(!child<QRadioButton>(start, name)->isChecked(), name);
    QVERIFY(!child<QLabel>(start, "Image1")->pixmap().isNull());
    QCOMPARE(child<QLabel>(start, "Image1")->pixmap().size(), QSize(200, 230));
}

void tst_Plicanza::confermaWithNothingSelectedDoesNothing()
{
    click(start, "CmdConferma");
    QCOMPARE(forms::loaded(), QList<Form *>{start});
}

void tst_Plicanza::confermaTwiceGivesOneWindow()
{
    confirm("Option1");
    FrmGratuito *first = forms::existing<FrmGratuito>();
    QVERIFY(first && first->isVisible());
    click(start, "CmdConferma");
    QCOMPARE(forms::existing<FrmGratuito>(), first);
    QCOMPARE(forms::loaded().size(), 2);
    QVERIFY(start->isVisible());
}

void tst_Plicanza::eachKindShowsItsCalculator_data()
{
    QTest::addColumn<QByteArray>("option");
    QTest::addColumn<QByteArray>("window");
    QTest::addColumn<QString>("caption");

    QTest::newRow("Option1") << QByteArray("Option1") << QByteArray("FrmGratuito")
                             << "Inserto gratuito";
    QTest::newRow("Option2") << QByteArray("Option2") << QByteArray("FrmNonGratuito")
                             << "Inserti non gratuiti";
    QTest::newRow("Option3") << QByteArray("Option3") << QByteArray("Quot_Quot")
                             << "Quotidiano + Quotidiano";
    QTest::newRow("Option4") << QByteArray("Option4") << QByteArray("Quot_Period")
                             << "Quotidiano + Periodico / Periodico + Periodico";
    QTest::newRow("Option5") << QByteArray("Option5") << QByteArray("Quot_Period")
                             << "Quotidiano + Periodico / Periodico + Periodico";
}

void tst_Plicanza::eachKindShowsItsCalculator()
{
    QFETCH(QByteArray, option);
    QFETCH(QByteArray, window);
    QFETCH(QString, caption);

    confirm(option);
    QCOMPARE(forms::loaded().size(), 2);
    Form *shown = forms::loaded().last();
    QCOMPARE(QByteArray(shown->metaObject()->className()), window);
    QCOMPARE(shown->windowTitle(), caption);
    QVERIFY(shown->isVisible());
    QVERIFY(!shown->parentWidget());
    QVERIFY(start->isVisible());
}

// Four calculators beside the start window, each with its own figures; the start
// window stays usable, and Conferma brings back the one on screen as it is.
void tst_Plicanza::severalCalculatorsAtOnce()
{
    confirm("Option1");
    FrmGratuito *gratuito = forms::existing<FrmGratuito>();
    type(gratuito, "TxtPrzOd", "1.2");
    type(gratuito, "TxtNumIns", "1");
    click(gratuito, "CmdCalcola");

    confirm("Option2");
    FrmNonGratuito *nonGratuito = forms::existing<FrmNonGratuito>();
    type(nonGratuito, "TxtPrezzoInserto", "4.50");
    click(nonGratuito, "CmdCalcola");

    confirm("Option3");
    Quot_Quot *quotQuot = forms::existing<Quot_Quot>();
    type(quotQuot, "TxtPrzQA", "1.2");
    type(quotQuot, "TxtPrzQB", "1");
    click(quotQuot, "CmdCalcola");

    confirm("Option4");
    Quot_Period *quotPeriod = forms::existing<Quot_Period>();
    type(quotPeriod, "TxtPrzQA", "1.2");
    type(quotPeriod, "TxtPrzPer", "5.9");
    click(quotPeriod, "CmdCalcola");

    QCOMPARE(forms::loaded().size(), 5);
    for (Form *w : forms::loaded())
        QVERIFY2(w->isVisible(), w->metaObject()->className());

    confirm("Option1");
    QCOMPARE(forms::existing<FrmGratuito>(), gratuito);
    QCOMPARE(forms::loaded().size(), 5);
    QCOMPARE(text(gratuito, "lblNetto"), QStringLiteral("0,9710"));
    QCOMPARE(text(nonGratuito, "lblNettoInserto"), QStringLiteral("3,6516"));
    QCOMPARE(text(quotQuot, "lblNettoB"), QStringLiteral("0,8123"));
    QCOMPARE(text(quotPeriod, "lblNettoPer"), QStringLiteral("4,7925"));
}

void tst_Plicanza::bothPeriodicalKindsShowOneWindow_data()
{
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("second");
    QTest::addColumn<bool>("leftWithEsci");

    QTest::newRow("4 then 5, on screen") << QByteArray("Option4") << QByteArray("Option5") << false;
    QTest::newRow("4 then 5, after Esci") << QByteArray("Option4") << QByteArray("Option5") << true;
    QTest::newRow("5 then 4, after Esci") << QByteArray("Option5") << QByteArray("Option4") << true;
}

void tst_Plicanza::bothPeriodicalKindsShowOneWindow()
{
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);
    QFETCH(bool, leftWithEsci);

    confirm(first);
    Quot_Period *w = forms::existing<Quot_Period>();
    type(w, "TxtPrzQA", "1.2");
    type(w, "TxtPrzPer", "5.9");
    choose(w, "Option1_1");
    click(w, "cmdcalcola2");
    if (leftWithEsci)
        click(w, "CmdEsci");

    confirm(second);
    QCOMPARE(forms::existing<Quot_Period>(), w);
    QCOMPARE(forms::loaded().size(), 2);
    QVERIFY(w->isVisible());
    QCOMPARE(text(w, "TxtPrzQA"), QStringLiteral("1.2"));
    QCOMPARE(text(w, "TxtPrzPer"), QStringLiteral("5.9"));
    QVERIFY(isChecked(w, "Option1_1"));
    QCOMPARE(text(w, "lblCompenso"), QStringLiteral("0,0185"));
    QCOMPARE(text(w, "lblNettoA"), QStringLiteral("0,9747"));
    QCOMPARE(text(w, "lblNettoPer"), QStringLiteral("4,7740"));
    QCOMPARE(w->variables().PrzPer, 5.9);
}

void tst_Plicanza::aDiscardedPeriodicalWindowComesBackAfresh()
{
    confirm("Option4");
    Quot_Period *w = forms::existing<Quot_Period>();
    type(w, "TxtPrzQA", "1.2");
    choose(w, "Option1_1");
    click(w, "CmdCalcola");
    w->close();
    QVERIFY(!forms::existing<Quot_Period>());

    confirm("Option5");
    Quot_Period *fresh = forms::existing<Quot_Period>();
    QVERIFY(fresh && fresh->isVisible());
    QVERIFY(text(fresh, "TxtPrzQA").isEmpty());
    QVERIFY(text(fresh, "lblNettoA").isEmpty());
    QVERIFY(isChecked(fresh, "Option1_0"));
    click(fresh, "CmdCalcola");
    QCOMPARE(text(fresh, "lblCompenso"), QStringLiteral("0,0037"));
    QCOMPARE(text(fresh, "lblNettoA"), QStringLiteral("-0,0037"));
    QCOMPARE(text(fresh, "lblNettoPer"), QStringLiteral("0,0000"));
}

void tst_Plicanza::esciKeepsTheCalculator()
{
    confirm("Option1");
    FrmGratuito *w = forms::existing<FrmGratuito>();
    type(w, "TxtPrzQ", "1.2");
    type(w, "TxtPrzOd", "1.5");
    type(w, "TxtNumIns", "2");
    click(w, "CmdCalcola");
    click(w, "CmdEsci");
    QVERIFY(!w->isVisible());
    QCOMPARE(forms::existing<FrmGratuito>(), w);

    click(start, "CmdConferma");
    QVERIFY(w->isVisible());
    QCOMPARE(text(w, "TxtPrzOd"), QStringLiteral("1.5"));
    QCOMPARE(text(w, "lblNetto"), QStringLiteral("1,2110"));
    QCOMPARE(w->variables().PrzOd, 1.5);
}

void tst_Plicanza::closeBoxDiscardsTheCalculator()
{
    confirm("Option1");
    FrmGratuito *w = forms::existing<FrmGratuito>();
    type(w, "TxtPrzQ", "1.2");
    type(w, "TxtNumIns", "5");
    click(w, "CmdCalcola");
    w->close();
    // No event loop has run yet: the closed window must not come back.
    QVERIFY(!forms::existing<FrmGratuito>());

    click(start, "CmdConferma");
    FrmGratuito *fresh = forms::existing<FrmGratuito>();
    QVERIFY(fresh && fresh->isVisible());
    QVERIFY(text(fresh, "TxtPrzQ").isEmpty());
    QVERIFY(text(fresh, "lblNetto").isEmpty());
    click(fresh, "CmdCalcola");
    QCOMPARE(text(fresh, "lblCompenso"), QStringLiteral("0"));
    QCOMPARE(text(fresh, "lblNetto"), QStringLiteral("0,0000"));
}

void tst_Plicanza::closingTheStartWindowClosesEverything_data()
{
    QTest::addColumn<bool>("byEsci");
    QTest::addColumn<QStringList>("hidden"); // the kinds whose calculator is left with Esci

    const QStringList none, some{"Option2", "Option4"},
        all{"Option1", "Option2", "Option3", "Option4"};
    QTest::newRow("Esci, all shown") << true << none;
    QTest::newRow("Esci, some hidden") << true << some;
    QTest::newRow("Esci, all hidden") << true << all;
    QTest::newRow("close box, all shown") << false << none;
    QTest::newRow("close box, some hidden") << false << some;
    QTest::newRow("close box, all hidden") << false << all;
}

void tst_Plicanza::closingTheStartWindowClosesEverything()
{
    QFETCH(bool, byEsci);
    QFETCH(QStringList, hidden);

    QList<QPointer<Form>> windows{start};
    for (const char *option : {"Option1", "Option2", "Option3", "Option4"}) {
        confirm(option);
        Form *calculator = forms::loaded().last();
        windows << calculator;
        if (hidden.contains(QLatin1String(option))) {
            const char *esci = qobject_cast<FrmNonGratuito *>(calculator) ? "cmdEsci" : "CmdEsci";
            click(calculator, esci);
            QVERIFY(!calculator->isVisible());
        }
    }
    QCOMPARE(forms::loaded().size(), 5);

    if (byEsci)
        click(start, "CmdEsci");
    else
        start->close();

    QVERIFY(forms::loaded().isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const QPointer<Form> &w : windows)
        QVERIFY(w.isNull());
    for (QWidget *top : QApplication::topLevelWidgets())
        QVERIFY(!top->isVisible());
}

void tst_Plicanza::clickingAKindsTextSelectsNothing()
{
    QTest::mouseClick(child(start, "Label4"), Qt::LeftButton);
    QVERIFY(!child<QRadioButton>(start, "Option3")->isChecked());
    click(start, "CmdConferma");
    QCOMPARE(forms::loaded().size(), 1);
}

void tst_Plicanza::enterPressesNoButton()
{
    QRadioButton *option = child<QRadioButton>(start, "Option1");
    option->setChecked(true);
    option->setFocus();
    QTest::keyClick(option, Qt::Key_Return);
    QTest::keyClick(option, Qt::Key_Escape);
    QCOMPARE(forms::loaded().size(), 1);
    QVERIFY(start->isVisible());
}

QTEST_MAIN(tst_Plicanza)
#include "tst_plicanza.moc"
