#include "app/plicanza.h"
#include "calculatorkinds.h"

#include <QRadioButton>

using namespace formtest;

class tst_Plicanza : public QObject
{
    Q_OBJECT
private:
    plicanza *start = nullptr;
    Form *confirm(const char *option);

private slots:
    void initTestCase() { setUpApplication(); }
    void init();
    void cleanup() { unloadAll(); }

    void atStartOnlyTheStartWindow();
    void confermaWithNothingSelectedDoesNothing();
    void eachKindShowsItsCalculator_data();
    void eachKindShowsItsCalculator();
    void lifecycle_data();
    void lifecycle();
    void severalCalculatorsAtOnce();
    void closingTheStartWindowClosesEverything_data();
    void closingTheStartWindowClosesEverything();
    void clickingAKindsTextSelectsNothing();
};

void tst_Plicanza::init()
{
    start = forms::defaultInstance<plicanza>();
    showAndActivate(start);
}

// Chooses a kind, presses "Conferma", and gives the window it showed.
Form *tst_Plicanza::confirm(const char *option)
{
    QTest::mouseClick(child<QRadioButton>(start, option), Qt::LeftButton, {}, QPoint(8, 8));
    if (!child<QRadioButton>(start, option)->isChecked())
        qFatal("%s not selected", option);
    click(start, "CmdConferma");
    return kindOf(QLatin1String(option)).loaded();
}

void tst_Plicanza::atStartOnlyTheStartWindow()
{
    QCOMPARE(forms::loaded(), QList<Form *>{start});
    QCOMPARE(QApplication::focusWidget(), child(start, "Option1"));
    QCOMPARE(selected(start), QStringList());
    QCOMPARE(child<QLabel>(start, "Image1")->pixmap().size(), QSize(200, 230));
}

void tst_Plicanza::confermaWithNothingSelectedDoesNothing()
{
    click(start, "CmdConferma");
    QCOMPARE(forms::loaded(), QList<Form *>{start});
}

void tst_Plicanza::eachKindShowsItsCalculator_data()
{
    QTest::addColumn<QByteArray>("option");
    QTest::addColumn<QByteArray>("window");
    QTest::newRow("Option1") << QByteArray("Option1") << QByteArray("FrmGratuito");
    QTest::newRow("Option2") << QByteArray("Option2") << QByteArray("FrmNonGratuito");
    QTest::newRow("Option3") << QByteArray("Option3") << QByteArray("Quot_Quot");
    QTest::newRow("Option4") << QByteArray("Option4") << QByteArray("Quot_Period");
    QTest::newRow("Option5") << QByteArray("Option5") << QByteArray("Quot_Period");
}

// Modeless, with no owner, beside the start window; a second "Conferma" gives
// no second copy.
void tst_Plicanza::eachKindShowsItsCalculator()
{
    QFETCH(QByteArray, option);
    QFETCH(QByteArray, window);

    Form *shown = confirm(option);
    QCOMPARE(QByteArray(shown->metaObject()->className()), window);
    QVERIFY(shown->isVisible() && !shown->parentWidget() && !shown->isModal());
    QVERIFY(start->isVisible());
    QCOMPARE(confirm(option), shown);
    QCOMPARE(forms::loaded(), (QList<Form *>{start, shown}));
}

// "Esci" hides a calculator and keeps it as it was; its close box discards it,
// and the next "Conferma" starts afresh. The two periodical kinds share one.
void tst_Plicanza::lifecycle_data()
{
    QTest::addColumn<QByteArray>("option");
    QTest::addColumn<QByteArray>("again");
    for (const Kind &k : kKinds)
        QTest::newRow(k.option) << QByteArray(k.option) << QByteArray(k.option);
    QTest::newRow("Option4, then Option5") << QByteArray("Option4") << QByteArray("Option5");
    QTest::newRow("Option5, then Option4") << QByteArray("Option5") << QByteArray("Option4");
}

void tst_Plicanza::lifecycle()
{
    QFETCH(QByteArray, option);
    QFETCH(QByteArray, again);
    const Kind &k = kindOf(option);
    const QStringList everything = words(k.fields) + words(k.results);

    Form *w = confirm(option);
    run(w, words(k.inputs));
    const QStringList before = shown(w, everything) + selected(w);

    QCOMPARE(confirm(again), w); // while on screen
    click(w, k.esci);
    QVERIFY(!w->isVisible());
    QCOMPARE(confirm(again), w);
    QCOMPARE(shown(w, everything) + selected(w), before);

    w->close();
    // No event loop has run yet: the closed window must not come back.
    QVERIFY(!forms::loaded().contains(w));
    Form *fresh = confirm(again);
    QVERIFY(fresh && fresh->isVisible());
    QCOMPARE(filled(fresh, everything), QStringList());
    QCOMPARE(selected(fresh), words(k.selected));
    run(fresh, {"CmdCalcola"});
    QCOMPARE(shown(fresh, words(k.results)), words(k.fresh));
}

// Four calculators beside the start window, each keeping its own figures.
void tst_Plicanza::severalCalculatorsAtOnce()
{
    QList<QStringList> figures;
    for (const Kind &k : kKinds) {
        Form *w = confirm(k.option);
        run(w, words(k.inputs));
        figures << shown(w, words(k.results));
    }
    QCOMPARE(forms::loaded().size(), 5);
    for (int i = 0; i < int(std::size(kKinds)); ++i) {
        Form *w = forms::loaded()[i + 1];
        QVERIFY(w->isVisible());
        QCOMPARE(shown(w, words(kKinds[i].results)), figures[i]);
    }
}

void tst_Plicanza::closingTheStartWindowClosesEverything_data()
{
    QTest::addColumn<bool>("byEsci");
    QTest::addColumn<QStringList>("hidden"); // the kinds whose calculator is left with Esci

    const QStringList none, some{"Option2", "Option4"},
        all{"Option1", "Option2", "Option3", "Option4"};
    QTest::newRow("Esci, all shown") << true << none;
    QTest::newRow("Esci, some hidden") << true << some;
    QTest::newRow("close box, all hidden") << false << all;
}

void tst_Plicanza::closingTheStartWindowClosesEverything()
{
    QFETCH(bool, byEsci);
    QFETCH(QStringList, hidden);

    QList<QPointer<Form>> windows{start};
    for (const Kind &k : kKinds) {
        windows << confirm(k.option);
        if (hidden.contains(QLatin1String(k.option)))
            click(windows.last(), k.esci);
    }
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
    QCOMPARE(selected(start), QStringList());
}

QTEST_MAIN(tst_Plicanza)
#include "tst_plicanza.moc"
