#include "calculators/quot_period.h"
#include "formtest.h"

using namespace formtest;

// Empty at first showing and after "Azzera".
const QList<const char *> kFieldsAndResults = {"TxtPrzQA", "TxtPrzPer", "lblCompenso", "lblNettoA",
                                               "lblNettoPer"};

class tst_Quot_Period : public QObject
{
    Q_OBJECT
private:
    Quot_Period *w = nullptr;
    void enter(const QString &A, const QString &B, const char *bearer);
    QStringList results() const;

private slots:
    void initTestCase() { setUpApplication(); }
    void init();
    void cleanup() { unloadAll(); }

    void firstShowing();
    void look();
    void calcola_data();
    void calcola();
    void theYellowButtonAfterThePlainOneRewritesAll();
    void neitherButtonMovesTheFocus_data();
    void neitherButtonMovesTheFocus();
    void changingTheChoiceChangesNoLabel();
    void azzeraKeepsTheChoice();
    void closeBoxStartsAfresh();
};

void tst_Quot_Period::init()
{
    w = forms::defaultInstance<Quot_Period>();
    showAndActivate(w);
}

void tst_Quot_Period::enter(const QString &A, const QString &B, const char *bearer)
{
    type(w, "TxtPrzQA", A);
    type(w, "TxtPrzPer", B);
    choose(w, bearer);
}

QStringList tst_Quot_Period::results() const
{
    return {text(w, "lblCompenso"), text(w, "lblNettoA"), text(w, "lblNettoPer")};
}

void tst_Quot_Period::firstShowing()
{
    QCOMPARE(w->windowTitle(), QStringLiteral("Quotidiano + Periodico / Periodico + Periodico"));
    QCOMPARE(w->size(), QSize(730, 519));
    QCOMPARE(QApplication::focusWidget(), child(w, "TxtPrzQA"));
    QCOMPARE(filled(w, kFieldsAndResults), QStringList());
    QVERIFY(isChecked(w, "Option1_0"));
    QVERIFY(!isChecked(w, "Option1_1"));
    QCOMPARE(w->variables().PrzQA, 0.0);
    QCOMPARE(w->variables().PrzPer, 0.0);

    // The yellow "Calcola" comes last, after the radio group.
    QCOMPARE(tabOrder(7), (QStringList{"TxtPrzPer", "CmdCalcola", "CmdEsci", "CmdAnnulla",
                                       "Option1_0", "cmdcalcola2", "TxtPrzQA"}));
}

void tst_Quot_Period::look()
{
    QCOMPARE(clippedCaptions(w), QStringList());
    QLabel *note = child<QLabel>(w, "Label7");
    QCOMPARE(note->frameShape(), QFrame::Box);
    QCOMPARE(note->frameShadow(), QFrame::Plain);
    QCOMPARE(note->lineWidth(), 1);
    QVERIFY(note->alignment() & Qt::AlignHCenter);
    QCOMPARE(note->palette().color(note->backgroundRole()), QColor(255, 255, 0));
    QPushButton *yellow = child<QPushButton>(w, "cmdcalcola2");
    QCOMPARE(yellow->palette().color(yellow->backgroundRole()), QColor(255, 255, 0));
    QCOMPARE(yellow->geometry(), QRect(496, 280, 73, 49));
}

void tst_Quot_Period::calcola_data()
{
    QTest::addColumn<QString>("A");
    QTest::addColumn<QString>("B");
    QTest::addColumn<QByteArray>("bearer");
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QStringList>("shown"); // compensation, net A, net B

    const QByteArray onA = "Option1_0", onB = "Option1_1";
    const QByteArray plain = "CmdCalcola", yellow = "cmdcalcola2";
    QTest::newRow("empty, plain") << ""
                                  << "" << onA << plain
                                  << QStringList{"0,0037", "-0,0037", "0,0000"};
    QTest::newRow("empty, yellow")
        << ""
        << "" << onA << yellow << QStringList{"0,0185", "-0,0185", "0,0000"};
    QTest::newRow("1.2 and 5.9 on A, plain")
        << "1.2"
        << "5.9" << onA << plain << QStringList{"0,0037", "0,9710", "4,7925"};
    QTest::newRow("1.2 and 5.9 on B, plain")
        << "1.2"
        << "5.9" << onB << plain << QStringList{"0,0037", "0,9747", "4,7888"};
    QTest::newRow("1.2 and 5.9 on A, yellow")
        << "1.2"
        << "5.9" << onA << yellow << QStringList{"0,0185", "0,9562", "4,7925"};
    QTest::newRow("1.25 on A, plain, half up")
        << "1.25"
        << "" << onA << plain << QStringList{"0,0037", "1,0117", "0,0000"};
    // With 0.0185 the figures are those of newspaper + newspaper.
    QTest::newRow("as Quot_Quot, on B")
        << "1.2"
        << "1" << onB << yellow << QStringList{"0,0185", "0,9747", "0,7938"};
    QTest::newRow("grouping, yellow")
        << "1500"
        << "2" << onA << yellow << QStringList{"0,0185", "1.218,4015", "1,6246"};
}

void tst_Quot_Period::calcola()
{
    QFETCH(QString, A);
    QFETCH(QString, B);
    QFETCH(QByteArray, bearer);
    QFETCH(QByteArray, button);
    QFETCH(QStringList, shown);

    enter(A, B, bearer);
    click(w, button);
    QCOMPARE(results(), shown);
}

void tst_Quot_Period::theYellowButtonAfterThePlainOneRewritesAll()
{
    enter("1.2", "5.9", "Option1_1");
    click(w, "CmdCalcola");
    QCOMPARE(w->variables().Compenso, 0.0037);
    click(w, "cmdcalcola2");
    QCOMPARE(results(), (QStringList{"0,0185", "0,9747", "4,7740"}));
    QCOMPARE(w->variables().Compenso, 0.0185);
}

void tst_Quot_Period::neitherButtonMovesTheFocus_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::newRow("plain") << QByteArray("CmdCalcola");
    QTest::newRow("yellow") << QByteArray("cmdcalcola2");
}

void tst_Quot_Period::neitherButtonMovesTheFocus()
{
    QFETCH(QByteArray, button);
    enter("1.2", "5.9", "Option1_0");
    child<QLineEdit>(w, "TxtPrzPer")->setFocus();
    child<QPushButton>(w, button)->click();
    QCOMPARE(QApplication::focusWidget(), child(w, "TxtPrzPer"));
    click(w, button);
    QCOMPARE(QApplication::focusWidget(), child(w, button));
}

void tst_Quot_Period::changingTheChoiceChangesNoLabel()
{
    enter("1.2", "5.9", "Option1_0");
    click(w, "CmdCalcola");
    choose(w, "Option1_1");
    QCOMPARE(results(), (QStringList{"0,0037", "0,9710", "4,7925"}));
}

void tst_Quot_Period::azzeraKeepsTheChoice()
{
    enter("1.2", "5.9", "Option1_1");
    click(w, "cmdcalcola2");
    click(w, "CmdAnnulla");
    QCOMPARE(filled(w, kFieldsAndResults), QStringList());
    QVERIFY(isChecked(w, "Option1_1"));
    QCOMPARE(w->variables().PrzPer, 0.0);
    QCOMPARE(QApplication::focusWidget(), child(w, "TxtPrzQA"));
}

void tst_Quot_Period::closeBoxStartsAfresh()
{
    enter("1.2", "5.9", "Option1_1");
    click(w, "CmdCalcola");
    w = reopenAfterCloseBox(w);
    QVERIFY(text(w, "TxtPrzPer").isEmpty());
    QVERIFY(isChecked(w, "Option1_0"));
    click(w, "CmdCalcola");
    QCOMPARE(results(), (QStringList{"0,0037", "-0,0037", "0,0000"}));
}

QTEST_MAIN(tst_Quot_Period)
#include "tst_quot_period.moc"
