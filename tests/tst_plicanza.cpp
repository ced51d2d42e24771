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
    void lifecycle_data();
    void lifecycle();
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
    return loaded(kindOf(QLatin1String(option)));
}

// Nothing is chosen at start, so "Conferma" shows nothing.
void tst_Plicanza::atStartOnlyTheStartWindow()
{
    QCOMPARE(QApplication::focusWidget(), child(start, "Option1"));
    QCOMPARE(selected(start), QStringList());
    QCOMPARE(child<QLabel>(start, "Image1")->pixmap().size(), QSize(200, 230));
    click(start, "CmdConferma");
    QCOMPARE(forms::loaded(), QList<Form *>{start});
}

// "Conferma" shows the kind's calculator modeless, with no owner, beside the
// start window, and never a second copy; a minimised one comes back. "Esci" hides it and keeps it
// as it was; its close box discards it, and the next "Conferma" starts afresh. The two periodical
// kinds share one.
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
    QVERIFY(w && w->isVisible() && !w->parentWidget() && !w->isModal());
    run(w, words(k.inputs));
    const QStringList before = shown(w, everything) + selected(w);

    QCOMPARE(confirm(again), w); // while on screen
    w->showMinimized();
    QCOMPARE(confirm(again), w);
    QVERIFY(!w->isMinimized());
    QVERIFY(QTest::qWaitForWindowActive(w));
    QVERIFY(start->isVisible());
    QCOMPARE(forms::loaded(), (QList<Form *>{start, w}));
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
    QCOMPARE(clippedCaptions(fresh), QStringList());
    run(fresh, {"CmdCalcola"});
    QCOMPARE(shown(fresh, words(k.results)), words(k.fresh));
}

void tst_Plicanza::closingTheStartWindowClosesEverything_data()
{
    QTest::addColumn<bool>("byEsci");
    QTest::addColumn<QStringList>("hidden"); // the kinds whose calculator is left with Esci
    QTest::newRow("Esci, some hidden") << true << QStringList{"Option2", "Option4"};
    QTest::newRow("close box, all hidden")
        << false << QStringList{"Option1", "Option2", "Option3", "Option4"};
}

// Four calculators beside the start window, each keeping its own figures, the
// hidden ones too; closing the start window closes them all.
void tst_Plicanza::closingTheStartWindowClosesEverything()
{
    QFETCH(bool, byEsci);
    QFETCH(QStringList, hidden);

    QList<QPointer<Form>> windows{start};
    QList<QStringList> figures;
    for (const Kind &k : kKinds) {
        windows << confirm(k.option);
        run(windows.last(), words(k.inputs));
        figures << shown(windows.last(), words(k.results));
        if (hidden.contains(QLatin1String(k.option)))
            click(windows.last(), k.esci);
    }
    QCOMPARE(forms::loaded().size(), 5);
    for (int i = 0; i < int(std::size(kKinds)); ++i) {
        QCOMPARE(windows[i + 1]->isVisible(), !hidden.contains(QLatin1String(kKinds[i].option)));
        QCOMPARE(shown(windows[i + 1], words(kKinds[i].results)), figures[i]);
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
