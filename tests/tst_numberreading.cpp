#include "core/fieldrule.h"
#include "core/numberreading.h"
#include "shell/u16string.h"

#include <QtTest>

#include <limits>
#include <optional>
#include <random>

using edicola::FieldKind;

namespace {
std::u16string u16(const QString &s)
{
    return s.toStdU16String();
}

// The rule as the nested reactions ran it, one last character at a time (the two
// halves of a surrogate pair in two steps: neither is ever accepted).
std::u16string plainLoop(std::u16string text, FieldKind kind)
{
    while (edicola::mustDropLast(text, kind))
        text.pop_back();
    return text;
}

std::u16string repeated(std::u16string_view piece, int times)
{
    std::u16string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}
} // namespace

Q_DECLARE_METATYPE(FieldKind)

class tst_NumberReading : public QObject
{
    Q_OBJECT
private slots:
    void numericValue_data();
    void numericValue();
    void blanks_data();
    void blanks();
    void outOfRangePrice_data();
    void outOfRangePrice();
    void countValue_data();
    void countValue();
    void fieldRule_data();
    void fieldRule();
    void fieldRuleAsThePlainLoop();
};

void tst_NumberReading::numericValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("1,20 reads the comma as the decimal point") << "1,20" << 1.2;
    QTest::newRow(".5") << ".5" << 0.5;
    QTest::newRow("second point ends") << "1.2.3" << 1.2;
    QTest::newRow("point after comma ends") << "1,2.3" << 1.2;
    QTest::newRow("pasted 3,5abc") << "3,5abc" << 3.5;
    QTest::newRow("minus in front of 5") << "-5" << -5.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("trailing letter") << "12x" << 12.0;
    QTest::newRow("letter between digits") << "1x2" << 1.0;
    QTest::newRow("blank between digits") << "1 2" << 12.0;
    QTest::newRow("tab and line feed ignored") << "\t1\n2 " << 12.0;
    QTest::newRow("blank after sign") << "- 5" << -5.0;
    QTest::newRow("exponent E") << "1.5E3" << 1500.0;
    QTest::newRow("negative exponent") << "25e-1" << 2.5;
    QTest::newRow("exponent D") << "1.5D3" << 1500.0;
    QTest::newRow("negative exponent d") << "25d-1" << 2.5;
    QTest::newRow("exponent without digits") << "3E" << 3.0;
    QTest::newRow("exponent sign without digits") << "3E+" << 3.0;
    QTest::newRow("hex") << "&HFF" << 255.0;
    QTest::newRow("hex 16-bit two's complement") << "&HFFFF" << -1.0;
    QTest::newRow("hex beyond 16 bits is 32-bit") << "&H10000" << 65536.0;
    QTest::newRow("hex 32-bit two's complement") << "&HFFFFFFFF" << -1.0;
    QTest::newRow("hex without digits") << "&H" << 0.0;
    QTest::newRow("octal") << "&O17" << 15.0;
    QTest::newRow("many digits") << "3.14159265358979323846264338327950288" << 3.141592653589793;
    QTest::newRow("largest double")
        << "1.7976931348623157E308" << std::numeric_limits<double>::max();
    QTest::newRow("subnormal") << "1E-310" << 1e-310;
    QTest::newRow("underflow reads as zero") << "1E-400" << 0.0;
    QTest::newRow("huge negative exponent") << "5E-99999999999999999999" << 0.0;
}

void tst_NumberReading::numericValue()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    const std::optional<double> value = edicola::numericValue(u16(text));
    QVERIFY(value.has_value());
    QCOMPARE(*value, expected);
}

void tst_NumberReading::blanks_data()
{
    QTest::addColumn<QChar>("character");
    QTest::addColumn<bool>("blank");

    // Every space separator, and the invisible marks of pasted figures.
    for (char16_t c : {0x20,   0xA0,   0x1680, 0x2000, 0x2001, 0x2002, 0x2003, 0x2004,
                       0x2005, 0x2006, 0x2007, 0x2008, 0x2009, 0x200A, 0x202F, 0x205F,
                       0x3000, 0x200B, 0x200E, 0x200F, 0xFEFF, 0x09,   0x0A})
        QTest::addRow("U+%04X", unsigned(c)) << QChar(c) << true;
    // Their neighbours end the number as any other character does.
    for (char16_t c : {0x0D, 0x0B, 0x85, 0xAD, 0x180E, 0x200C, 0x200D, 0x2028, 0x2060})
        QTest::addRow("U+%04X", unsigned(c)) << QChar(c) << false;
}

void tst_NumberReading::blanks()
{
    QFETCH(QChar, character);
    QFETCH(bool, blank);
    const QString c(character);
    QCOMPARE(edicola::numericValue(u16("1" + c + "234")), blank ? 1234.0 : 1.0);
    QCOMPARE(edicola::numericValue(u16(c + "1.25" + c)), blank ? 1.25 : 0.0);
    QCOMPARE(edicola::numericValue(u16("-5" + c + "E" + c + "2")), blank ? -500.0 : -5.0);
}

void tst_NumberReading::outOfRangePrice_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("exponent beyond the range") << "1E309";
    QTest::newRow("huge exponent") << "1E99999999999999999999";
    QTest::newRow("400 digits") << QString(400, QLatin1Char('9'));
    QTest::newRow("hex beyond 32 bits") << "&H100000000";
}

void tst_NumberReading::outOfRangePrice()
{
    QFETCH(QString, text);
    QVERIFY(!edicola::numericValue(u16(text)).has_value());
}

void tst_NumberReading::countValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // -99999: no value

    QTest::newRow("empty") << "" << 0;
    QTest::newRow("3") << "3" << 3;
    QTest::newRow("2.5 to even") << "2.5" << 2;
    QTest::newRow("3.5 to even") << "3.5" << 4;
    QTest::newRow("-2.5 to even") << "-2.5" << -2;
    QTest::newRow("2,5 to even") << "2,5" << 2;
    QTest::newRow("largest") << "32767" << 32767;
    QTest::newRow("smallest") << "-32768" << -32768;
    QTest::newRow("32767.5 rounds out of range") << "32767.5" << -99999;
    QTest::newRow("32768") << "32768" << -99999;
    QTest::newRow("hex -1") << "&HFFFF" << -1;
    QTest::newRow("hex 32-bit") << "&H10000" << -99999;
    QTest::newRow("price out of range") << "1E400" << -99999;
}

void tst_NumberReading::countValue()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    const auto value = edicola::countValue(u16(text));
    if (expected == -99999) {
        QVERIFY(!value.has_value());
    } else {
        QVERIFY(value.has_value());
        QCOMPARE(int(*value), expected);
    }
}

void tst_NumberReading::fieldRule_data()
{
    QTest::addColumn<FieldKind>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("removed");

    const FieldKind price = FieldKind::Price;
    const FieldKind count = FieldKind::Count;
    // clang-format off
    QTest::newRow("price: empty") << price << "" << "" << false;
    QTest::newRow("price: minus in front stays") << price << "-5" << "-5" << false;
    QTest::newRow("price: out of range shortened") << price << "1E999" << "1E99" << true;
    QTest::newRow("price: out of range behind a letter") << price << "1E400x" << "1E40" << true;
    QTest::newRow("price: hex beyond 32 bits") << price << "&H123456789" << "&H12345678" << true;
    QTest::newRow("price: underflow is in range") << price << "1E-999" << "1E-999" << false;
    QTest::newRow("count: 2.5 stays") << count << "2.5" << "2.5" << false;
    QTest::newRow("count: below -32768") << count << "-99999" << "-9999" << true;
    QTest::newRow("count: exponent") << count << "1E10" << "1E1" << true;
    QTest::newRow("count: 32767.5") << count << "32767.5" << "32767" << true;
    // clang-format on
}

void tst_NumberReading::fieldRule()
{
    QFETCH(FieldKind, kind);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QFETCH(bool, removed);

    const edicola::FieldOutcome outcome = edicola::applyFieldRule(u16(text), kind);
    QCOMPARE(toQString(outcome.text), expected);
    QCOMPARE(outcome.removed, removed);
    QVERIFY(!edicola::mustDropLast(outcome.text, kind));
}

// The rule's outcome, found without reading every prefix, is the plain loop's: on
// texts made at random (always the same) of the pieces readings are made of, and
// on long ones around the edges of the range.
void tst_NumberReading::fieldRuleAsThePlainLoop()
{
    static const std::u16string_view pieces[] = {
        u"0",  u"1",  u"5",  u"9",  u".",  u",",  u"E",     u"d",      u"-",          u"+",
        u"&H", u"&o", u"F",  u"7",  u"x",  u" ",  u"\t",    u"\u00A0", u"\U0001F600", u"000",
        u"99", u"E3", u"E-", u"1E", u"30", u"65", u"32768", u"FFFF",   u"E308"};
    std::mt19937 random(2024);
    std::vector<std::u16string> texts;
    for (int i = 0; i < 6000; ++i) {
        std::u16string text;
        for (int n = int(random() % 10); n > 0; --n)
            text += pieces[random() % std::size(pieces)];
        texts.push_back(text);
    }
    for (int digits = 300; digits <= 320; digits += 4) {
        for (const std::u16string_view tail : {u"", u".5x", u"E-5", u"E-12", u"D+1 ", u"e-400"}) {
            texts.push_back(repeated(u"1", digits) + std::u16string(tail));
            texts.push_back(u"-0." + repeated(u"0", digits) + u"7" + std::u16string(tail));
            texts.push_back(repeated(u"9 ", digits / 2) + std::u16string(tail));
        }
        texts.push_back(u"&H" + repeated(u"0", digits) + u"FFFFFFFF1");
        texts.push_back(u"&O" + repeated(u"0", digits) + u"377777777771");
    }
    for (const std::u16string &text : texts) {
        for (const FieldKind kind : {FieldKind::Price, FieldKind::Count}) {
            const edicola::FieldOutcome outcome = edicola::applyFieldRule(text, kind);
            const std::u16string expected = plainLoop(text, kind);
            if (outcome.text != expected || outcome.removed != (expected != text))
                QFAIL(qPrintable(toQString(text)));
        }
    }
}

QTEST_APPLESS_MAIN(tst_NumberReading)
#include "tst_numberreading.moc"
