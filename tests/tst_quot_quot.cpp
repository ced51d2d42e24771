#include "calculators/quot_quot.h"
#include "formtest.h"

using namespace formtest;

// Empty at first showing and after "Azzera".
const QList<const char *> kFieldsAndResults = {"TxtPrzQA", "TxtPrzQB", "lblCompenso", "lblNettoA",
                                               "lblNettoB"};

class tst_Quot_Quot : public QObject
{
    Q_OBJECT
private:
    Quot_Quot *w = nullptr;
    void calculate(const QString &A, const QString &B, const char *bearer);
    QStringList results() const;

private slots:
    void initTestCase() { setUpApplication(); }
    void init();
    void cleanup() { unloadAll(); }

    void firstShowing();
    void tabStopsOnTheSelectedRadioButton();
    void captionsAreWhole();
    void calcola_data();
    void calcola();
    void calcolaLeavesTheFocusWhereItWas();
    void calcolaTwiceShowsTheSameFigures();
    void changingTheChoiceChangesNoLabel();
    void azzeraKeepsTheChoice();
    void esciKeepsEverything();
    void closeBoxStartsAfresh();
};

void tst_Quot_Quot::init()
{
    w = forms::defaultInstance<Quot_Quot>();
    showAndActivate(w);
}

void tst_Quot_Quot::calculate(const QString &A, const QString &B, const char *bearer)
{
    // A minus sign stays only when typed in front of the digits.
    for (auto [field, price] : {std::pair{"TxtPrzQA", A}, std::pair{"TxtPrzQB", B}}) {
        type(w, field, QString(price).remove(QLatin1Char('-')));
        if (price.startsWith(QLatin1Char('-'))) {
            child<QLineEdit>(w, field)->setCursorPosition(0);
            type(w, field, "-");
        }
    }
    choose(w, bearer);
    click(w, "CmdCalcola");
}

QStringList tst_Quot_Quot::results() const
{
    return {text(w, "lblCompenso"), text(w, "lblNettoA"), text(w, "lblNettoB")};
}

void tst_Quot_Quot::firstShowing()
{
    QCOMPARE(w->windowTitle(), QStringLiteral("Quotidiano + Quotidiano"));
    QCOMPARE(w->size(), QSize(729, 464));
    QCOMPARE(QApplication::focusWidget(), child(w, "TxtPrzQA"));
    QCOMPARE(filled(w, kFieldsAndResults), QStringList());
    QVERIFY(isChecked(w, "Option1_0"));
    QVERIFY(!isChecked(w, "Option1_1"));
    QCOMPARE(w->variables().PrzQA, 0.0);
    QCOMPARE(w->variables().PrzQB, 0.0);

    QCOMPARE(tabOrder(6), (QStringList{"TxtPrzQB", "CmdCalcola", "CmdAnnulla", "CmdEsci",
                                       "Option1_0", "TxtPrzQA"}));
}

// As the original toolkit does it: the group takes one stop, on its selection,
// whichever way the focus comes in.
void tst_Quot_Quot::tabStopsOnTheSelectedRadioButton()
{
    choose(w, "Option1_1");
    child(w, "TxtPrzQA")->setFocus();
    QCOMPARE(tabOrder(3, Qt::Key_Backtab), (QStringList{"Option1_1", "CmdEsci", "CmdAnnulla"}));
    QCOMPARE(tabOrder(3), (QStringList{"CmdEsci", "Option1_1", "TxtPrzQA"}));
}

void tst_Quot_Quot::captionsAreWhole()
{
    QCOMPARE(clippedCaptions(w), QStringList());
    QCOMPARE(child(w, "Option1_0")->parentWidget(), child(w, "Frame1"));
}

void tst_Quot_Quot::calcola_data()
{
    QTest::addColumn<QString>("A");
    QTest::addColumn<QString>("B");
    QTest::addColumn<QByteArray>("bearer");
    QTest::addColumn<QStringList>("shown"); // compensation, net A, net B

    const QByteArray onA = "Option1_0", onB = "Option1_1";
    QTest::newRow("empty, on A") << ""
                                 << "" << onA << QStringList{"0,0185", "-0,0185", "0,0000"};
    QTest::newRow("empty, on B") << ""
                                 << "" << onB << QStringList{"0,0185", "0,0000", "-0,0185"};
    QTest::newRow("1.2 and 1, on A") << "1.2"
                                     << "1" << onA << QStringList{"0,0185", "0,9562", "0,8123"};
    QTest::newRow("1.2 and 1, on B") << "1.2"
                                     << "1" << onB << QStringList{"0,0185", "0,9747", "0,7938"};
    QTest::newRow("grouping") << "1500"
                              << "2" << onA << QStringList{"0,0185", "1.218,4015", "1,6246"};
    QTest::newRow("1.25 on B, half up") << "1.25"
                                        << "" << onB << QStringList{"0,0185", "1,0154", "-0,0185"};
    QTest::newRow("1.25 on A") << "1.25"
                               << "" << onA << QStringList{"0,0185", "0,9969", "0,0000"};
    QTest::newRow("negative price") << "-1"
                                    << "" << onA << QStringList{"0,0185", "-0,8308", "0,0000"};
    QTest::newRow("decimal comma typed") << "1,2"
                                         << "1" << onA << QStringList{"0,0185", "0,9562", "0,8123"};
}

void tst_Quot_Quot::calcola()
{
    QFETCH(QString, A);
    QFETCH(QString, B);
    QFETCH(QByteArray, bearer);
    QFETCH(QStringList, shown);

    calculate(A, B, bearer);
    QCOMPARE(results(), shown);
    QCOMPARE(w->variables().Compenso, 0.0185);
}

// Unlike the insert calculators, "Calcola" sends the focus nowhere.
void tst_Quot_Quot::calcolaLeavesTheFocusWhereItWas()
{
    calculate("1.2", "1", "Option1_0");
    QCOMPARE(QApplication::focusWidget(), child(w, "CmdCalcola"));
    type(w, "TxtPrzQB", "5");
    child<QPushButton>(w, "CmdCalcola")->click();
    QCOMPARE(QApplication::focusWidget(), child(w, "TxtPrzQB"));
    QCOMPARE(text(w, "lblNettoB"), QStringLiteral("12,1842"));
}

void tst_Quot_Quot::calcolaTwiceShowsTheSameFigures()
{
    calculate("1.2", "1", "Option1_1");
    click(w, "CmdCalcola");
    QCOMPARE(results(), (QStringList{"0,0185", "0,9747", "0,7938"}));
}

void tst_Quot_Quot::changingTheChoiceChangesNoLabel()
{
    calculate("1.2", "1", "Option1_0");
    choose(w, "Option1_1");
    type(w, "TxtPrzQA", "5");
    QCOMPARE(results(), (QStringList{"0,0185", "0,9562", "0,8123"}));
    click(w, "CmdCalcola");
    QCOMPARE(results(), (QStringList{"0,0185", "1,0154", "0,7938"}));
}

void tst_Quot_Quot::azzeraKeepsTheChoice()
{
    calculate("1.2", "1", "Option1_1");
    click(w, "CmdAnnulla");
    QCOMPARE(filled(w, kFieldsAndResults), QStringList());
    QVERIFY(isChecked(w, "Option1_1"));
    QCOMPARE(w->variables().PrzQA, 0.0);
    QCOMPARE(w->variables().PrzQB, 0.0);
    QCOMPARE(QApplication::focusWidget(), child(w, "TxtPrzQA"));
    click(w, "CmdCalcola");
    QCOMPARE(results(), (QStringList{"0,0185", "0,0000", "-0,0185"}));
}

void tst_Quot_Quot::esciKeepsEverything()
{
    calculate("1.2", "1", "Option1_1");
    click(w, "CmdEsci");
    QVERIFY(!w->isVisible());
    showAndActivate(forms::defaultInstance<Quot_Quot>());
    QCOMPARE(forms::existing<Quot_Quot>(), w);
    QCOMPARE(text(w, "TxtPrzQA"), QStringLiteral("1.2"));
    QVERIFY(isChecked(w, "Option1_1"));
    QCOMPARE(results(), (QStringList{"0,0185", "0,9747", "0,7938"}));
    QCOMPARE(w->variables().PrzQB, 1.0);
}

void tst_Quot_Quot::closeBoxStartsAfresh()
{
    calculate("1.2", "1", "Option1_1");
    w = reopenAfterCloseBox(w);
    QVERIFY(text(w, "TxtPrzQA").isEmpty());
    QVERIFY(text(w, "lblNettoA").isEmpty());
    QVERIFY(isChecked(w, "Option1_0"));
    click(w, "CmdCalcola");
    QCOMPARE(results(), (QStringList{"0,0185", "-0,0185", "0,0000"}));
}

QTEST_MAIN(tst_Quot_Quot)
#include "tst_quot_quot.moc"
