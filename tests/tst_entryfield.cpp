#include "calculators/frmgratuito.h"
#include "entryprobe.h"
#include "formtest.h"

#include <QClipboard>
#include <QSignalSpy>

#include <memory>

using namespace formtest;

// Entry-field behaviour: texts and variables on a probe wired to the shared
// reaction, and what a calculator shows of it on the free-insert window.
class tst_EntryField : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<EntryProbe> probe;
    FrmGratuito *w = nullptr;
    void paste(QWidget *form, const char *field, const QString &clip);
    double variable(const QString &field) const
    {
        return field == QLatin1String("TxtNumero") ? probe->Numero : probe->Prezzo;
    }

private slots:
    void initTestCase() { setUpApplication(); }
    void init();
    void cleanup();

    void typingIntoPriceField_data();
    void typingIntoPriceField();
    void editingInsideTheText_data();
    void editingInsideTheText();
    void pasting_data();
    void pasting();
    void aPastedNoBreakSpaceIsABlank();
};

void tst_EntryField::init()
{
    probe = std::make_unique<EntryProbe>();
    w = forms::defaultInstance<FrmGratuito>();
    showAndActivate(probe.get());
}

void tst_EntryField::cleanup()
{
    probe.reset();
    unloadAll();
}

void tst_EntryField::paste(QWidget *form, const char *field, const QString &clip)
{
    showAndActivate(form);
    QLineEdit *edit = child<QLineEdit>(form, field);
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

    // clang-format off
    QTest::newRow("1.20") << "1.20" << QStringList{"1", "1.", "1.2", "1.20"} << QList<double>{1, 1, 1.2, 1.2};
    QTest::newRow("1,20") << "1,20" << QStringList{"1", "1,", "1,2", "1,20"} << QList<double>{1, 1, 1.2, 1.2};
    QTest::newRow("letter into empty") << "a" << QStringList{""} << QList<double>{0};
    QTest::newRow("12 then a letter") << "12x" << QStringList{"1", "12", "12"} << QList<double>{1, 12, 12};
    QTest::newRow("minus at the end") << "5-" << QStringList{"5", "5"} << QList<double>{5, 5};
    QTest::newRow("blank at the end") << "1 " << QStringList{"1", "1"} << QList<double>{1, 1};
    QTest::newRow("exponent at the end") << "1E3" << QStringList{"1", "1", "13"} << QList<double>{1, 1, 13};
    // clang-format on
}

void tst_EntryField::typingIntoPriceField()
{
    QFETCH(QString, keys);
    QFETCH(QStringList, texts);
    QFETCH(QList<double>, values);

    QLineEdit *field = child<QLineEdit>(probe.get(), "TxtPrezzo");
    for (qsizetype i = 0; i < keys.size(); ++i) {
        type(probe.get(), "TxtPrezzo", keys.mid(i, 1));
        QCOMPARE(field->text(), texts[i]);
        QCOMPARE(probe->Prezzo, values[i]);
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

    // clang-format off
    QTest::newRow("minus in front") << "5" << 0 << "-" << "-5" << -5.0;
    QTest::newRow("blank between digits") << "12" << 1 << " " << "1 2" << 12.0;
    QTest::newRow("letter between digits") << "12" << 1 << "x" << "1x2" << 1.0;
    QTest::newRow("&H in front") << "1" << 0 << "&HFF" << "&HFF1" << 4081.0;
    QTest::newRow("exponent inside, beyond the range") << "1309" << 1 << "E" << "1E30" << 1e30;
    // clang-format on
}

void tst_EntryField::editingInsideTheText()
{
    QFETCH(QString, start);
    QFETCH(int, caret);
    QFETCH(QString, keys);
    QFETCH(QString, ends);
    QFETCH(double, value);

    QLineEdit *field = child<QLineEdit>(probe.get(), "TxtPrezzo");
    type(probe.get(), "TxtPrezzo", start);
    field->setCursorPosition(caret);
    type(probe.get(), "TxtPrezzo", keys);
    QCOMPARE(field->text(), ends);
    QCOMPARE(probe->Prezzo, value);

    // Selecting everything and deleting it brings the variable back to 0.
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QCOMPARE(field->text(), QString());
    QCOMPARE(probe->Prezzo, 0.0);
}

void tst_EntryField::pasting_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("clip");
    QTest::addColumn<QString>("ends");
    QTest::addColumn<double>("value");

    const auto row = [](const char *field, const char *clip, const char *ends, double value) {
        QTest::addRow("%s %s", field, clip) << field << clip << ends << value;
    };
    row("TxtPrezzo", "3,5abc", "3,5", 3.5);
    row("TxtPrezzo", "abc", "", 0.0);
    row("TxtPrezzo", "9E999", "9E99", 9e99);                      // beyond the double range
    row("TxtPrezzo", "&H1234567890 ", "&H12345678", 305419896.0); // beyond 32 bits
    row("TxtNumero", "3.", "3", 3);
    row("TxtNumero", "3,", "3", 3);
    row("TxtNumero", "2.5", "2.5", 2);
    row("TxtNumero", "40000", "4000", 4000);
    row("TxtNumero", "1E7", "1", 1);
    row("TxtNumero", "32767", "32767", 32767);
    // A leading U+FEFF or U+FFFE is text like any other, not a byte-order mark:
    // only the removed character goes.
    QTest::newRow("TxtPrezzo U+FEFF 1.25x")
        << "TxtPrezzo" << QStringLiteral("\uFEFF1.25x") << QStringLiteral("\uFEFF1.25") << 1.25;
    QTest::newRow("TxtPrezzo U+FFFE 12x")
        << "TxtPrezzo" << QStringLiteral("\uFFFE12x") << QStringLiteral("\uFFFE12") << 0.0;
    QTest::newRow("TxtNumero U+FEFF 12.")
        << "TxtNumero" << QStringLiteral("\uFEFF12.") << QStringLiteral("\uFEFF12") << 12.0;

    // As long as a field takes. 310 ones read beyond the double range, 309 do not;
    // a count of five nines is beyond 32767, of four it is not.
    const QString ones(309, QLatin1Char('1'));
    QTest::newRow("TxtPrezzo 32767 letters")
        << "TxtPrezzo" << QString(32767, QLatin1Char('x')) << QString() << 0.0;
    QTest::newRow("TxtPrezzo 32767 ones")
        << "TxtPrezzo" << QString(32767, QLatin1Char('1')) << ones << ones.toDouble();
    QTest::newRow("TxtNumero 32767 nines")
        << "TxtNumero" << QString(32767, QLatin1Char('9')) << "9999" << 9999.0;
}

// Whatever the rule removes goes in one change, whose reaction finds nothing more
// to take. The free-insert window's count field ends with the same text and sends
// the focus to "Calcola".
void tst_EntryField::pasting()
{
    QFETCH(QString, field);
    QFETCH(QString, clip);
    QFETCH(QString, ends);
    QFETCH(double, value);

    const QByteArray name = field.toLatin1();
    QLineEdit *edit = child<QLineEdit>(probe.get(), name);
    type(probe.get(), name, "7");
    QSignalSpy changes(edit, &QLineEdit::textChanged);
    paste(probe.get(), name, clip);
    QCOMPARE(edit->text(), ends);
    QCOMPARE(variable(field), value);
    QCOMPARE(changes.count(), ends == clip ? 1 : 2);
    QCOMPARE(edit->cursorPosition(), int(ends.size()));

    if (field == QLatin1String("TxtNumero")) {
        paste(w, "TxtNumIns", clip);
        QCOMPARE(text(w, "TxtNumIns"), ends);
        QCOMPARE(QApplication::focusWidget(), child(w, "CmdCalcola"));
    }
}

// A price pasted from a web page or a spreadsheet: what the field shows is what
// "Calcola" reckons with (1.25 above a usual price of 0, no inserts). The other
// invisible characters are the reading's, in tst_numberreading.
void tst_EntryField::aPastedNoBreakSpaceIsABlank()
{
    paste(w, "TxtPrzOd", QStringLiteral("\u00A01.25"));
    QCOMPARE(text(w, "TxtPrzOd"), QStringLiteral("\u00A01.25"));
    click(w, "CmdCalcola");
    QCOMPARE(text(w, "lblNetto"), QStringLiteral("1,0154"));
}

QTEST_MAIN(tst_EntryField)
#include "tst_entryfield.moc"
