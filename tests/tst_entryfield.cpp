#include "calculators/frmgratuito.h"
#include "formtest.h"

#include <QClipboard>
#include <QSignalSpy>

using namespace formtest;

// Empty at first showing and after "Azzera".
const QList<const char *> kFieldsAndResults = {"TxtPrzQ", "TxtPrzOd", "TxtNumIns", "lblCompenso",
                                               "lblNetto"};

// Entry-field behaviour, shown on the free-insert window: its two price fields
// and its count field.
class tst_EntryField : public QObject
{
    Q_OBJECT
private:
    FrmGratuito *w = nullptr;
    void paste(const char *field, const QString &clip);

private slots:
    void initTestCase() { setUpApplication(); }
    void init();
    void cleanup() { unloadAll(); }

    void typingIntoPriceField_data();
    void typingIntoPriceField();
    void editingInsideTheText_data();
    void editingInsideTheText();
    void pastingRemovesOneCharacterAtATime_data();
    void pastingRemovesOneCharacterAtATime();
    void countField_data();
    void countField();
    void countFieldSendsTheNextKeyToCalcola();
    void calcolaWithAPriceNearTheDoubleLimit();
    void enterAndEscapePressNoButton();
};

void tst_EntryField::init()
{
    w = forms::defaultInstance<FrmGratuito>();
    showAndActivate(w);
}

void tst_EntryField::paste(const char *field, const QString &clip)
{
    QLineEdit *edit = child<QLineEdit>(w, field);
    edit->setFocus();
    edit->selectAll();
    QApplication::clipboard()->setText(clip);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

void tst_EntryField::typingIntoPriceField_data()
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

void tst_EntryField::typingIntoPriceField()
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

void tst_EntryField::editingInsideTheText_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("ends");
    QTest::addColumn<double>("value");

    static const struct
    {
        const char *name, *start;
        int caret;
        const char *keys, *ends;
        double value;
    } rows[] = {
        {"minus in front", "5", 0, "-", "-5", -5.0},
        {"blank between digits", "12", 1, " ", "1 2", 12.0},
        {"letter between digits", "12", 1, "x", "1x2", 1.0},
        {"&H in front", "1", 0, "&HFF", "&HFF1", 4081.0},
        {"exponent inside, beyond the range", "1309", 1, "E", "1E30", 1e30},
    };
    for (const auto &r : rows)
        QTest::newRow(r.name) << r.start << r.caret << r.keys << r.ends << r.value;
}

void tst_EntryField::editingInsideTheText()
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

void tst_EntryField::pastingRemovesOneCharacterAtATime_data()
{
    QTest::addColumn<QString>("clip");
    QTest::addColumn<QString>("ends");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("changes");

    static const struct
    {
        const char *clip, *ends;
        double value;
        int changes;
    } rows[] = {
        {"3,5abc", "3,5", 3.5, 4},
        {"abc", "", 0.0, 4},
        {"9E999", "9E99", 9e99, 2},                      // beyond the double range
        {"&H1234567890 ", "&H12345678", 305419896.0, 4}, // beyond 32 bits
    };
    for (const auto &r : rows)
        QTest::newRow(r.clip) << r.clip << r.ends << r.value << r.changes;
}

// The change reaction runs again, nested, for each removal it makes.
void tst_EntryField::pastingRemovesOneCharacterAtATime()
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

void tst_EntryField::countField_data()
{
    QTest::addColumn<QString>("clip");
    QTest::addColumn<QString>("ends");
    QTest::addColumn<int>("value");

    static const struct
    {
        const char *clip, *ends;
        int value;
    } rows[] = {
        {"3", "3", 3},           {"3.", "3", 3},    {"3,", "3", 3},
        {"2.5", "2.5", 2},       {"3.5", "3.5", 4}, {"2,5", "2,5", 2},
        {"40000", "4000", 4000}, {"1E7", "1", 1},   {"32767", "32767", 32767},
    };
    for (const auto &r : rows)
        QTest::newRow(r.clip) << r.clip << r.ends << r.value;
}

void tst_EntryField::countField()
{
    QFETCH(QString, clip);
    QFETCH(QString, ends);
    QFETCH(int, value);

    paste("TxtNumIns", clip);
    QCOMPARE(text(w, "TxtNumIns"), ends);
    QCOMPARE(int(w->variables().NumIns), value);
    QCOMPARE(QApplication::focusWidget(), child(w, "CmdCalcola"));
}

void tst_EntryField::countFieldSendsTheNextKeyToCalcola()
{
    type(w, "TxtNumIns", "3");
    QCOMPARE(QApplication::focusWidget(), child(w, "CmdCalcola"));
    QTest::keyClicks(QApplication::focusWidget(), "4");
    QCOMPARE(text(w, "TxtNumIns"), QStringLiteral("3"));
    QCOMPARE(w->variables().NumIns, qint16(3));
    QVERIFY(text(w, "lblCompenso").isEmpty());
}

// 1E308 x 98.8 overflows; the margin is still found and the net price shown.
void tst_EntryField::calcolaWithAPriceNearTheDoubleLimit()
{
    type(w, "TxtPrzOd", "1308");
    child<QLineEdit>(w, "TxtPrzOd")->setCursorPosition(1);
    type(w, "TxtPrzOd", "E");
    QCOMPARE(w->variables().PrzOd, 1e308);
    click(w, "CmdCalcola");
    QCOMPARE(text(w, "lblNetto"), "81.228" + QString(".000").repeated(101) + ",0000");
}

void tst_EntryField::enterAndEscapePressNoButton()
{
    type(w, "TxtPrzOd", "1.2");
    QTest::keyClick(child(w, "TxtPrzOd"), Qt::Key_Return);
    QTest::keyClick(child(w, "TxtPrzOd"), Qt::Key_Escape);
    QVERIFY(text(w, "lblNetto").isEmpty());
    QVERIFY(w->isVisible());
    QCOMPARE(text(w, "TxtPrzOd"), QStringLiteral("1.2"));
}

QTEST_MAIN(tst_EntryField)
#include "tst_entryfield.moc"
