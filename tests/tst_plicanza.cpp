#include "calculators/frmgratuito.h"
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
    QTest::addColumn<bool>("calculatorHidden");
    QTest::newRow("Esci, calculator shown") << true << false;
    QTest::newRow("Esci, calculator hidden") << true << true;
    QTest::newRow("close box, calculator shown") << false << false;
    QTest::newRow("close box, calculator hidden") << false << true;
}

void tst_Plicanza::closingTheStartWindowClosesEverything()
{
    QFETCH(bool, byEsci);
    QFETCH(bool, calculatorHidden);

    confirm("Option1");
    QPointer<FrmGratuito> w = forms::existing<FrmGratuito>();
    if (calculatorHidden)
        click(w, "CmdEsci");
    QPointer<plicanza> s = start;
    if (byEsci)
        click(start, "CmdEsci");
    else
        start->close();

    QVERIFY(forms::loaded().isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(w.isNull());
    QVERIFY(s.isNull());
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
