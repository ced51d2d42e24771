#include "calculators/frmgratuito.h"
#include "formtest.h"

#include <QClipboard>
#include <QSignalSpy>

using namespace formtest;

// Empty at first showing and after "Azzera".
const QList<const char *> kFieldsAndResults = {"TxtPrzQ", "TxtPrzOd", "TxtNumIns", "lblCompenso",
                                               "lblNetto"};

class tst_FrmGratuito : public QObject
{
    Q_OBJECT
private:
    FrmGratuito *w = nullptr;
    void paste(const char *field, const QString &clip);

private slots:
    void initTestCase() { setUpApplication(); }
    void init();
    void cleanup() { unloadAll(); }

    void firstShowing();
    void typingIntoPriceField_data();
    void typingIntoPriceField();
    void editingInsideTheText_data();
    void editingInsideTheText();
    void pastingRemovesOneCharacterAtATime_data();
    void pastingRemovesOneCharacterAtATime();
    void countField_data();
    void countField();
    void countFieldSendsTheNextKeyToCalcola();
    void calcola_data();
    void calcola();
    void calcolaWithAPriceNearTheDoubleLimit();
    void calcolaTwiceShowsTheSameFigures();
    void azzera();
    void editingLeavesResultsAlone();
    void enterAndEscapePressNoButton();
};

void tst_FrmGratuito::init()
{
    w = forms::defaultInstance<FrmGratuito>();
    showAndActivate(w);
}

void tst_FrmGratuito::paste(const char *field, const QString &clip)
{
    QLineEdit *edit = child<QLineEdit>(w, field);
    edit->setFocus();
    edit->selectAll();
    QApplication::clipboard()->setText(clip);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

void tst_FrmGratuito::firstShowing()
{
    QCOMPARE(QApplication::focusWidget(), child(w, "TxtPrzQ"));
    QCOMPARE(filled(w, kFieldsAndResults), QStringList());
    QCOMPARE(w->variables().PrzQ, 0.0);
    QCOMPARE(w->variables().NumIns, qint16(0));

    // Tab order: the three fields, then the button trio.
    const char *order[] = {"TxtPrzOd",   "TxtNumIns", "CmdCalcola",
                           "CmdAnnulla", "CmdEsci",   "TxtPrzQ"};
    for (const char *next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(next));
    }
}

void tst_FrmGratuito::typingIntoPriceField_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<double>>("values");

    QTest::newRow("1.20") << "1.20" << QStringList{"1", "1.", "1.2", "1.20"}
                          << QList<double>{1, 1, 1.2, 1.2};
    QTest::newRow("1,20") << "1,20" << QStringList{"1", "1,", "1,2", "1,20"}
                          << QList<double>{1, 1, 1.2, 1.2};
    QTest::newRow("letter into empty") << "a" << QStringList{""} << QList<double>{0};
    QTest::newRow("12 then a letter")
        << "12x" << QStringList{"1", "12", "12"} << QList<double>{1, 12, 12};
    QTest::newRow("minus at the end") << "5-" << QStringList{"5", "5"} << QList<double>{5, 5};
    QTest::newRow("blank at the end") << "1 " << QStringList{"1", "1"} << QList<double>{1, 1};
    QTest::newRow("exponent at the end")
        << "1E3" << QStringList{"1", "1", "13"} << QList<double>{1, 1, 13};
}

void tst_FrmGratuito::typingIntoPriceField()
{
    QFETCH(QString, keys);
    QFETCH(QStringList, texts);
    QFETCH(QList<double>, values);

    QLineEdit *field = child<QLineEdit>(w, "TxtPrzQ");
    for (qsizetype i = 0; i < keys.size(); ++i) {
        type(w, "TxtPrzQ", keys.mid(i, 1));
        QCOMPARE(field->text(), texts[i]);
        QCOMPARE(w->variables().PrzQ, values[i]);
        QCOMPARE(field->cursorPosition(), int(field->text().size()));
        QVERIFY(!field->hasSelectedText());
    }
}

void tst_FrmGratuito::editingInsideTheText_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("ends");
    QTest::addColumn<double>("value");

    QTest::newRow("minus in front") << "5" << 0 << "-"
                                    << "-5" << -5.0;
    QTest::newRow("blank between digits") << "12" << 1 << " "
                                          << "1 2" << 12.0;
    QTest::newRow("letter between digits") << "12" << 1 << "x"
                                           << "1x2" << 1.0;
    QTest::newRow("&H in front") << "1" << 0 << "&HFF"
                                 << "&HFF1" << 4081.0;
    QTest::newRow("exponent inside, beyond the range") << "1309" << 1 << "E"
                                                       << "1E30" << 1e30;
}

void tst_FrmGratuito::editingInsideTheText()
{
    QFETCH(QString, start);
    QFETCH(int, caret);
    QFETCH(QString, keys);
    QFETCH(QString, ends);
    QFETCH(double, value);

    type(w, "TxtPrzOd", start);
    child<QLineEdit>(w, "TxtPrzOd")->setCursorPosition(caret);
    type(w, "TxtPrzOd", keys);
    QCOMPARE(text(w, "TxtPrzOd"), ends);
    QCOMPARE(w->variables().PrzOd, value);

    // Selecting everything and deleting it brings the variable back to 0.
    child<QLineEdit>(w, "TxtPrzOd")->selectAll();
    QTest::keyClick(child(w, "TxtPrzOd"), Qt::Key_Delete);
    QCOMPARE(text(w, "TxtPrzOd"), QString());
    QCOMPARE(w->variables().PrzOd, 0.0);
}

void tst_FrmGratuito::pastingRemovesOneCharacterAtATime_data()
{
    QTest::addColumn<QString>("clip");
    QTest::addColumn<QString>("ends");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("changes");

    QTest::newRow("3,5abc") << "3,5abc"
                            << "3,5" << 3.5 << 4;
    QTest::newRow("letters only") << "abc"
                                  << "" << 0.0 << 4;
    QTest::newRow("beyond the double range") << "9E999"
                                             << "9E99" << 9e99 << 2;
    QTest::newRow("beyond 32 bits behind a blank") << "&H1234567890 "
                                                   << "&H12345678" << 305419896.0 << 4;
}

// The change reaction runs again, nested, for each removal it makes.
void tst_FrmGratuito::pastingRemovesOneCharacterAtATime()
{
    QFETCH(QString, clip);
    QFETCH(QString, ends);
    QFETCH(double, value);
    QFETCH(int, changes);

    type(w, "TxtPrzQ", "7");
    QSignalSpy spy(child<QLineEdit>(w, "TxtPrzQ"), &QLineEdit::textChanged);
    paste("TxtPrzQ", clip);
    QCOMPARE(text(w, "TxtPrzQ"), ends);
    QCOMPARE(w->variables().PrzQ, value);
    QCOMPARE(spy.count(), changes);
    QCOMPARE(child<QLineEdit>(w, "TxtPrzQ")->cursorPosition(), int(ends.size()));
}

void tst_FrmGratuito::countField_data()
{
    QTest::addColumn<QString>("clip");
    QTest::addColumn<QString>("ends");
    QTest::addColumn<int>("value");

    QTest::newRow("3") << "3"
                       << "3" << 3;
    QTest::newRow("trailing point") << "3."
                                    << "3" << 3;
    QTest::newRow("trailing comma") << "3,"
                                    << "3" << 3;
    QTest::newRow("2.5 to even") << "2.5"
                                 << "2.5" << 2;
    QTest::newRow("3.5 to even") << "3.5"
                                 << "3.5" << 4;
    QTest::newRow("2,5 to even") << "2,5"
                                 << "2,5" << 2;
    QTest::newRow("beyond 16 bits") << "40000"
                                    << "4000" << 4000;
    QTest::newRow("exponent beyond 16 bits") << "1E7"
                                             << "1" << 1;
    QTest::newRow("largest") << "32767"
                             << "32767" << 32767;
}

void tst_FrmGratuito::countField()
{
    QFETCH(QString, clip);
    QFETCH(QString, ends);
    QFETCH(int, value);

    paste("TxtNumIns", clip);
    QCOMPARE(text(w, "TxtNumIns"), ends);
    QCOMPARE(int(w->variables().NumIns), value);
    QCOMPARE(QApplication::focusWidget(), child(w, "CmdCalcola"));
}

void tst_FrmGratuito::countFieldSendsTheNextKeyToCalcola()
{
    type(w, "TxtNumIns", "3");
    QCOMPARE(QApplication::focusWidget(), child(w, "CmdCalcola"));
    QTest::keyClicks(QApplication::focusWidget(), "4");
    QCOMPARE(text(w, "TxtNumIns"), QStringLiteral("3"));
    QCOMPARE(w->variables().NumIns, qint16(3));
    QVERIFY(text(w, "lblCompenso").isEmpty());
}

void tst_FrmGratuito::calcola_data()
{
    QTest::addColumn<QString>("przQ");
    QTest::addColumn<QString>("przOd");
    QTest::addColumn<QString>("numIns");
    QTest::addColumn<QString>("compenso");
    QTest::addColumn<QString>("netto");

    QTest::newRow("all empty") << ""
                               << ""
                               << ""
                               << "0"
                               << "0,0000";
    QTest::newRow("equal prices") << "1.2"
                                  << "1.2"
                                  << "1"
                                  << "0,0185"
                                  << "0,9562";
    QTest::newRow("day above usual") << "1.2"
                                     << "1.5"
                                     << "2"
                                     << "0,0074"
                                     << "1,2110";
    QTest::newRow("day below usual") << "1.2"
                                     << "1"
                                     << "5"
                                     << "0,0925"
                                     << "0,7198";
    QTest::newRow("usual 1, day 1.2") << "1"
                                      << "1.2"
                                      << "5"
                                      << "0,0185"
                                      << "0,9562";
    QTest::newRow("3 x 0.0185") << "1"
                                << "1"
                                << "3"
                                << "0,0555"
                                << "0,7568";
    QTest::newRow("only the usual price") << "1.2"
                                          << ""
                                          << "1"
                                          << "0,0185"
                                          << "-0,0185";
    QTest::newRow("only the price of the day") << ""
                                               << "1.2"
                                               << "1"
                                               << "0,0037"
                                               << "0,9710";
    QTest::newRow("grouping") << "1500"
                              << "1500"
                              << "9"
                              << "0,1665"
                              << "1.218,2535";
    QTest::newRow("1.25, no inserts") << "1.25"
                                      << "1.25"
                                      << ""
                                      << "0"
                                      << "1,0154";
    QTest::newRow("1.25 above 1.2, 1") << "1.2"
                                       << "1.25"
                                       << "1"
                                       << "0,0037"
                                       << "1,0117";
    QTest::newRow("1.25 above 1.2, 2") << "1.2"
                                       << "1.25"
                                       << "2"
                                       << "0,0074"
                                       << "1,0080";
    QTest::newRow("1.25 above 1.2, 3") << "1.2"
                                       << "1.25"
                                       << "3"
                                       << "0,0111"
                                       << "1,0043";
    QTest::newRow("1.25 equal, 1") << "1.25"
                                   << "1.25"
                                   << "1"
                                   << "0,0185"
                                   << "0,9969";
    QTest::newRow("decimal comma typed") << "1,2"
                                         << "1,5"
                                         << "2"
                                         << "0,0074"
                                         << "1,2110";
    QTest::newRow("negative count") << "1"
                                    << "1"
                                    << "-2"
                                    << "-0,037"
                                    << "0,8493";
}

void tst_FrmGratuito::calcola()
{
    QFETCH(QString, przQ);
    QFETCH(QString, przOd);
    QFETCH(QString, numIns);
    QFETCH(QString, compenso);
    QFETCH(QString, netto);

    type(w, "TxtPrzQ", przQ);
    type(w, "TxtPrzOd", przOd);
    if (numIns.startsWith(QLatin1Char('-'))) {
        // A minus sign only stays when typed in front of the digits.
        type(w, "TxtNumIns", numIns.mid(1));
        child<QLineEdit>(w, "TxtNumIns")->setCursorPosition(0);
        type(w, "TxtNumIns", "-");
    } else {
        type(w, "TxtNumIns", numIns);
    }
    click(w, "CmdCalcola");
    QCOMPARE(text(w, "lblCompenso"), compenso);
    QCOMPARE(text(w, "lblNetto"), netto);
    QCOMPARE(QApplication::focusWidget(), child(w, "CmdAnnulla"));
}

// 1E308 x 98.8 overflows; the margin is still found and the net price shown.
void tst_FrmGratuito::calcolaWithAPriceNearTheDoubleLimit()
{
    type(w, "TxtPrzOd", "1308");
    child<QLineEdit>(w, "TxtPrzOd")->setCursorPosition(1);
    type(w, "TxtPrzOd", "E");
    QCOMPARE(w->variables().PrzOd, 1e308);
    click(w, "CmdCalcola");
    QCOMPARE(text(w, "lblNetto"), "81.228" + QString(".000").repeated(101) + ",0000");
}

void tst_FrmGratuito::calcolaTwiceShowsTheSameFigures()
{
    type(w, "TxtPrzQ", "1.2");
    type(w, "TxtPrzOd", "1.5");
    type(w, "TxtNumIns", "2");
    click(w, "CmdCalcola");
    click(w, "CmdCalcola");
    QCOMPARE(text(w, "lblCompenso"), QStringLiteral("0,0074"));
    QCOMPARE(text(w, "lblNetto"), QStringLiteral("1,2110"));
}

void tst_FrmGratuito::azzera()
{
    type(w, "TxtPrzQ", "1.2");
    type(w, "TxtPrzOd", "1.5");
    type(w, "TxtNumIns", "2");
    click(w, "CmdCalcola");
    click(w, "CmdAnnulla");
    QCOMPARE(filled(w, kFieldsAndResults), QStringList());
    QCOMPARE(w->variables().PrzQ, 0.0);
    QCOMPARE(w->variables().PrzOd, 0.0);
    QCOMPARE(w->variables().NumIns, qint16(0));
    QCOMPARE(QApplication::focusWidget(), child(w, "TxtPrzQ"));

    click(w, "CmdCalcola");
    QCOMPARE(text(w, "lblCompenso"), QStringLiteral("0"));
    QCOMPARE(text(w, "lblNetto"), QStringLiteral("0,0000"));
}

void tst_FrmGratuito::editingLeavesResultsAlone()
{
    type(w, "TxtPrzOd", "1.2");
    type(w, "TxtNumIns", "1");
    click(w, "CmdCalcola");
    type(w, "TxtPrzOd", "5");
    QCOMPARE(text(w, "lblNetto"), QStringLiteral("0,9710"));
}

void tst_FrmGratuito::enterAndEscapePressNoButton()
{
    type(w, "TxtPrzOd", "1.2");
    QTest::keyClick(child(w, "TxtPrzOd"), Qt::Key_Return);
    QTest::keyClick(child(w, "TxtPrzOd"), Qt::Key_Escape);
    QVERIFY(text(w, "lblNetto").isEmpty());
    QVERIFY(w->isVisible());
    QCOMPARE(text(w, "TxtPrzOd"), QStringLiteral("1.2"));
}

QTEST_MAIN(tst_FrmGratuito)
#include "tst_frmgratuito.moc"
