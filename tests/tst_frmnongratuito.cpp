#include "calculators/frmnongratuito.h"
#include "formtest.h"

#include <QCheckBox>
#include <QRadioButton>

using namespace formtest;

// Empty at first showing and after "Azzera".
const QList<const char *> kFieldsAndResults = {"TxtPrezzoInserto", "txtPrzQuotRif",
                                               "lblCompensoInserto", "lblRiaddebitoDefisc",
                                               "lblNettoInserto"};

class tst_FrmNonGratuito : public QObject
{
    Q_OBJECT
private:
    FrmNonGratuito *w = nullptr;
    void calculate(const QString &P, const QString &R, const char *rate, bool box);
    QStringList results() const;

private slots:
    void initTestCase() { setUpApplication(); }
    void init();
    void cleanup() { unloadAll(); }

    void firstShowing();
    void captionsAreWhole();
    void priceFields_data();
    void priceFields();
    void calcola_data();
    void calcola();
    void aFullRateCalculationEmptiesAnEarlierRecharge_data();
    void aFullRateCalculationEmptiesAnEarlierRecharge();
    void theRechargeNeverCarriesOver();
    void calcolaTwiceShowsTheSameFigures();
    void choosingARateOrTickingComputesNothing();
    void theWholeCheckBoxTakesTheClick();
    void azzera();
    void esciKeepsEverything();
    void closeBoxStartsAfresh();
};

void tst_FrmNonGratuito::init()
{
    w = forms::defaultInstance<FrmNonGratuito>();
    showAndActivate(w);
}

void tst_FrmNonGratuito::calculate(const QString &P, const QString &R, const char *rate, bool box)
{
    type(w, "TxtPrezzoInserto", P);
    type(w, "txtPrzQuotRif", R);
    choose(w, rate);
    if (isChecked(w, "ChkRiaddebito") != box)
        choose(w, "ChkRiaddebito");
    click(w, "CmdCalcola");
}

QStringList tst_FrmNonGratuito::results() const
{
    return {text(w, "lblCompensoInserto"), text(w, "lblRiaddebitoDefisc"),
            text(w, "lblNettoInserto")};
}

void tst_FrmNonGratuito::firstShowing()
{
    QCOMPARE(w->windowTitle(), QStringLiteral("Inserti non gratuiti"));
    QCOMPARE(w->size(), QSize(617, 490));
    QCOMPARE(QApplication::focusWidget(), child(w, "TxtPrezzoInserto"));
    QCOMPARE(filled(w, kFieldsAndResults), QStringList());
    QVERIFY(isChecked(w, "Option1_0"));
    QVERIFY(!isChecked(w, "Option1_1"));
    QVERIFY(!isChecked(w, "Option1_2"));
    QVERIFY(!isChecked(w, "ChkRiaddebito"));
    QCOMPARE(w->variables().PrzInserto, 0.0);
    QCOMPARE(w->variables().PrzQuotRif, 0.0);

    // The rate group takes one stop, on the selected rate; the check box comes last.
    QCOMPARE(tabOrder(7), (QStringList{"txtPrzQuotRif", "CmdCalcola", "CmdAnnulla", "cmdEsci",
                                       "Option1_0", "ChkRiaddebito", "TxtPrezzoInserto"}));
}

void tst_FrmNonGratuito::captionsAreWhole()
{
    QCOMPARE(clippedCaptions(w), QStringList());
    QCOMPARE(child(w, "Option1_1")->parentWidget(), child(w, "Defisca"));
}

void tst_FrmNonGratuito::priceFields_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shows");
    QTest::addColumn<double>("value");

    QTest::newRow("insert 4.50") << QByteArray("TxtPrezzoInserto") << "4.50"
                                 << "4.50" << 4.5;
    QTest::newRow("insert 4,50") << QByteArray("TxtPrezzoInserto") << "4,50"
                                 << "4,50" << 4.5;
    QTest::newRow("insert letter") << QByteArray("TxtPrezzoInserto") << "4x"
                                   << "4" << 4.0;
    QTest::newRow("reference 1.20") << QByteArray("txtPrzQuotRif") << "1.20"
                                    << "1.20" << 1.2;
    QTest::newRow("reference blank") << QByteArray("txtPrzQuotRif") << "1 "
                                     << "1" << 1.0;
}

void tst_FrmNonGratuito::priceFields()
{
    QFETCH(QByteArray, field);
    QFETCH(QString, keys);
    QFETCH(QString, shows);
    QFETCH(double, value);

    type(w, field, keys);
    QCOMPARE(text(w, field), shows);
    const FrmNonGratuito::Variables &v = w->variables();
    QCOMPARE(field == "TxtPrezzoInserto" ? v.PrzInserto : v.PrzQuotRif, value);
}

void tst_FrmNonGratuito::calcola_data()
{
    QTest::addColumn<QString>("P");
    QTest::addColumn<QString>("R");
    QTest::addColumn<QByteArray>("rate");
    QTest::addColumn<bool>("box");
    QTest::addColumn<QStringList>("shown"); // compensation, re-charge, net price

    const QByteArray r98 = "Option1_0", r96 = "Option1_1", r92 = "Option1_2";
    QTest::newRow("4.50, 98,80, unticked")
        << "4.50"
        << "1.20" << r98 << false << QStringList{"0,0037", "", "3,6516"};
    QTest::newRow("4.50, 98,80, ticked")
        << "4.50"
        << "1.20" << r98 << true << QStringList{"0,0037", "", "3,6516"};
    QTest::newRow("4.50, 96, unticked")
        << "4.50"
        << "1.20" << r96 << false << QStringList{"0,0037", "0,0000", "3,6755"};
    QTest::newRow("4.50, 96, ticked")
        << "4.50"
        << "1.20" << r96 << true << QStringList{"0,0037", "0,0064", "3,6819"};
    QTest::newRow("6.90, 92, unticked")
        << "6.90"
        << "1.50" << r92 << false << QStringList{"0", "0,0000", "5,6939"};
    QTest::newRow("6.90, 92, ticked")
        << "6.90"
        << "1.50" << r92 << true << QStringList{"0", "0,0194", "5,7133"};
    QTest::newRow("5.00, 98,80") << "5.00"
                                 << "1.20" << r98 << true << QStringList{"0", "", "4,0614"};
    QTest::newRow("empty, 98,80") << ""
                                  << "" << r98 << false << QStringList{"0,0037", "", "-0,0037"};
    // Edge cases.
    QTest::newRow("4.99 earns the compensation")
        << "4.99"
        << "" << r98 << false << QStringList{"0,0037", "", "4,0496"};
    QTest::newRow("ticked, empty reference")
        << "4.50"
        << "" << r96 << true << QStringList{"0,0037", "0,0000", "3,6755"};
    QTest::newRow("both empty at 96")
        << ""
        << "" << r96 << false << QStringList{"0,0037", "0,0000", "-0,0037"};
    // The difference of the two nets, not the shortcut (which shows 0,0200).
    QTest::newRow("reference 3.75 at 96")
        << "4.5"
        << "3.75" << r96 << true << QStringList{"0,0037", "0,0199", "3,6955"};
    QTest::newRow("reference 1.25 at 96")
        << "4.5"
        << "1.25" << r96 << true << QStringList{"0,0037", "0,0067", "3,6822"};
    QTest::newRow("grouping") << "1500"
                              << "1.2" << r92 << true << QStringList{"0", "0,0155", "1.237,8155"};
    QTest::newRow("decimal comma typed")
        << "4,50"
        << "1,20" << r96 << true << QStringList{"0,0037", "0,0064", "3,6819"};
}

void tst_FrmNonGratuito::calcola()
{
    QFETCH(QString, P);
    QFETCH(QString, R);
    QFETCH(QByteArray, rate);
    QFETCH(bool, box);
    QFETCH(QStringList, shown);

    calculate(P, R, rate, box);
    QCOMPARE(results(), shown);
    QCOMPARE(QApplication::focusWidget(), child(w, "CmdAnnulla"));
    QCOMPARE(w->variables().Riaddebito, 0.0);
}

void tst_FrmNonGratuito::aFullRateCalculationEmptiesAnEarlierRecharge_data()
{
    QTest::addColumn<QByteArray>("earlier");
    QTest::newRow("after 96") << QByteArray("Option1_1");
    QTest::newRow("after 92") << QByteArray("Option1_2");
}

// An earlier re-charge left beside a net price that no longer includes it would
// be plainly wrong.
void tst_FrmNonGratuito::aFullRateCalculationEmptiesAnEarlierRecharge()
{
    QFETCH(QByteArray, earlier);

    calculate("4.50", "1.20", earlier, true);
    QVERIFY(!text(w, "lblRiaddebitoDefisc").isEmpty());
    QVERIFY(text(w, "lblRiaddebitoDefisc") != QLatin1String("0,0000"));
    choose(w, "Option1_0");
    click(w, "CmdCalcola");
    QCOMPARE(results(), (QStringList{"0,0037", "", "3,6516"}));
}

void tst_FrmNonGratuito::theRechargeNeverCarriesOver()
{
    calculate("4.50", "1.20", "Option1_1", true);
    QCOMPARE(text(w, "lblNettoInserto"), QStringLiteral("3,6819"));
    choose(w, "ChkRiaddebito");
    click(w, "CmdCalcola");
    QCOMPARE(results(), (QStringList{"0,0037", "0,0000", "3,6755"}));
}

void tst_FrmNonGratuito::calcolaTwiceShowsTheSameFigures()
{
    calculate("6.90", "1.50", "Option1_2", true);
    click(w, "CmdCalcola");
    QCOMPARE(results(), (QStringList{"0", "0,0194", "5,7133"}));
}

void tst_FrmNonGratuito::choosingARateOrTickingComputesNothing()
{
    calculate("4.50", "1.20", "Option1_1", true);
    type(w, "TxtPrezzoInserto", "9");
    choose(w, "Option1_2");
    QVERIFY(isChecked(w, "Option1_2"));
    QVERIFY(!isChecked(w, "Option1_1"));
    choose(w, "ChkRiaddebito");
    QCOMPARE(results(), (QStringList{"0,0037", "0,0064", "3,6819"}));
}

// The caption wraps onto a second line; a click there ticks the box too.
void tst_FrmNonGratuito::theWholeCheckBoxTakesTheClick()
{
    QCheckBox *box = child<QCheckBox>(w, "ChkRiaddebito");
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 10, box->height() - 8));
    QVERIFY(box->isChecked());
}

void tst_FrmNonGratuito::azzera()
{
    calculate("4.50", "1.20", "Option1_1", true);
    click(w, "CmdAnnulla");
    QCOMPARE(filled(w, kFieldsAndResults), QStringList());
    QVERIFY(!isChecked(w, "ChkRiaddebito"));
    QVERIFY(isChecked(w, "Option1_1"));
    QCOMPARE(w->variables().PrzInserto, 0.0);
    QCOMPARE(w->variables().PrzQuotRif, 0.0);
    QCOMPARE(QApplication::focusWidget(), child(w, "TxtPrezzoInserto"));

    click(w, "CmdCalcola");
    QCOMPARE(results(), (QStringList{"0,0037", "0,0000", "-0,0037"}));
}

void tst_FrmNonGratuito::esciKeepsEverything()
{
    calculate("4.50", "1.20", "Option1_1", true);
    click(w, "cmdEsci");
    QVERIFY(!w->isVisible());
    showAndActivate(forms::defaultInstance<FrmNonGratuito>());
    QCOMPARE(forms::existing<FrmNonGratuito>(), w);
    QCOMPARE(text(w, "TxtPrezzoInserto"), QStringLiteral("4.50"));
    QCOMPARE(text(w, "txtPrzQuotRif"), QStringLiteral("1.20"));
    QVERIFY(isChecked(w, "Option1_1"));
    QVERIFY(isChecked(w, "ChkRiaddebito"));
    QCOMPARE(results(), (QStringList{"0,0037", "0,0064", "3,6819"}));
    QCOMPARE(w->variables().PrzInserto, 4.5);
}

void tst_FrmNonGratuito::closeBoxStartsAfresh()
{
    calculate("4.50", "1.20", "Option1_2", true);
    w = reopenAfterCloseBox(w);
    QVERIFY(text(w, "TxtPrezzoInserto").isEmpty());
    QVERIFY(text(w, "lblNettoInserto").isEmpty());
    QVERIFY(isChecked(w, "Option1_0"));
    QVERIFY(!isChecked(w, "ChkRiaddebito"));
    click(w, "CmdCalcola");
    QCOMPARE(results(), (QStringList{"0,0037", "", "-0,0037"}));
}

QTEST_MAIN(tst_FrmNonGratuito)
#include "tst_frmnongratuito.moc"
