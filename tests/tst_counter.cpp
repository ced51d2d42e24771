// What a user at the counter meets, through the real windows: the keyboard as
// on Windows, figures never cut, Qt's own texts in Italian, a focus mark that
// shows, frames in their own colour.

#include "everywindow.h"

#include <QCalendarWidget>
#include <QFontDatabase>
#include <QGroupBox>
#include <QMenu>
#include <QMessageBox>
#include <QPaintEngine>
#include <QToolTip>

using namespace formtest;

namespace {

// The text a widget draws, as a user could read it off the screen: each run of
// text, where it stands and in what font. An image only for its size and
// resolution; nothing is painted into it.
class TextRecorder : public QImage, QPaintEngine
{
public:
    struct Run
    {
        QString text;
        QRectF box;
        QFont font;
    };
    QList<Run> runs;

    explicit TextRecorder(QSize size)
        : QImage(size, QImage::Format_RGB32)
        , QPaintEngine(AllFeatures)
    {}
    QPaintEngine *paintEngine() const override { return const_cast<TextRecorder *>(this); }

private:
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &state) override
    {
        if (state.state() & DirtyTransform)
            m_transform = state.transform();
    }
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawPath(const QPainterPath &) override {}
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF &p, const QTextItem &item) override
    {
        const QRectF box(p.x(), p.y() - item.ascent(), item.width(),
                         item.ascent() + item.descent());
        runs.append({item.text(), m_transform.mapRect(box), item.font()});
    }
    Type type() const override { return User; }

    QTransform m_transform;
};

QList<TextRecorder::Run> drawnText(QWidget *w)
{
    TextRecorder recorder(w->size());
    w->render(&recorder);
    return recorder.runs;
}

// The pixels of `after` that differ from `before`.
QList<QPoint> changed(const QImage &before, const QImage &after)
{
    QList<QPoint> points;
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            if (before.pixel(x, y) != after.pixel(x, y))
                points << QPoint(x, y);
        }
    }
    return points;
}

QImage grabbed(QWidget *w)
{
    QCoreApplication::processEvents();
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class tst_Counter : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { setUpApplication(); }
    void cleanup() { closeWindows(); }

    void enterPressesOnlyTheFocusedButton_data();
    void enterPressesOnlyTheFocusedButton();
    void arrowsGoRoundARadioGroup_data();
    void arrowsGoRoundARadioGroup();
    void theCountFieldAddsTheNextDigit_data();
    void theCountFieldAddsTheNextDigit();
    void aFigureIsNeverShownCut_data();
    void aFigureIsNeverShownCut();
    void qtTextsAreItalian();
    void qtWindowsKeepTheSystemFont();
    void theFocusMarkShows_data();
    void theFocusMarkShows();
    void framesTakeTheirOwnColour_data();
    void framesTakeTheirOwnColour();
};

void tst_Counter::enterPressesOnlyTheFocusedButton_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("presses");
    for (const char *window : kWindows) {
        for (const char *key : {"<Return>", "<Num+Enter>", "<Space>"})
            QTest::addRow("%s %s", window, key) << window << key << true;
        QTest::addRow("%s <Esc>", window) << window << "<Esc>" << false;
    }
}

// Each control in turn has the focus in a fresh window; the key presses that
// control if it is a push button, and no button otherwise; Esc leaves the
// window on screen.
void tst_Counter::enterPressesOnlyTheFocusedButton()
{
    QFETCH(QString, window);
    QFETCH(QString, key);
    QFETCH(bool, presses);

    QStringList pressed, expected;
    const int count = int(focusable(openWindow(window)).size());
    for (int i = 0; i < count; ++i) {
        closeWindows();
        Form *w = openWindow(window);
        QWidget *control = focusable(w)[i];
        for (QPushButton *button : w->findChildren<QPushButton *>()) {
            connect(button, &QPushButton::clicked, this, [&, button] {
                pressed << control->objectName() + "->" + button->objectName();
            });
        }
        if (presses && qobject_cast<QPushButton *>(control))
            expected << control->objectName() + "->" + control->objectName();
        control->setFocus(Qt::OtherFocusReason);
        QCOMPARE(QApplication::focusWidget(), control);
        press(key);
        QVERIFY(presses || w->isVisible());
    }
    QCOMPARE(pressed, expected);
}

void tst_Counter::arrowsGoRoundARadioGroup_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("went"); // focused and selected after each key
    // clang-format off
    QTest::newRow("plicanza, Option5 last in tab order") << "plicanza" << "Option4" << "<Down> <Down> <Right> <Up> <Left> <Up>"
        << QStringList{"Option5", "Option1", "Option2", "Option1", "Option5", "Option4"};
    QTest::newRow("three rates") << "FrmNonGratuito" << "Option1_0" << "<Right> <Down> <Down> <Left> <Up>"
        << QStringList{"Option1_1", "Option1_2", "Option1_0", "Option1_2", "Option1_1"};
    QTest::newRow("two bearers") << "Quot_Period" << "Option1_0" << "<Left> <Down> <Up>"
        << QStringList{"Option1_1", "Option1_0", "Option1_1"};
    QTest::newRow("plicanza, keypad arrows") << "plicanza" << "Option4" << "<Num+Down> <Num+Down> <Num+Right> <Num+Up> <Num+Left> <Num+Up>"
        << QStringList{"Option5", "Option1", "Option2", "Option1", "Option5", "Option4"};
    // clang-format on
}

// As on Windows: Down and Right go to the next button of the group in tab order,
// Up and Left to the previous one, round from the last to the first; the button
// the focus goes to is selected.
void tst_Counter::arrowsGoRoundARadioGroup()
{
    QFETCH(QString, window);
    QFETCH(QString, from);
    QFETCH(QString, keys);
    QFETCH(QStringList, went);
    Form *w = openWindow(window);
    child(w, from.toLatin1())->setFocus(Qt::OtherFocusReason);
    QStringList focused;
    for (const QString &key : keys.split(' ')) {
        press(key);
        focused << QApplication::focusWidget()->objectName();
        QCOMPARE(selected(w), QStringList{focused.last()});
    }
    QCOMPARE(focused, went);
}

void tst_Counter::theCountFieldAddsTheNextDigit_data()
{
    // From "Calcola" back into the count field, or "" to stay: keys, or a click
    // left or right in the count field or on the control named.
    QTest::addColumn<QString>("back");
    QTest::addColumn<QString>("keys");   // then
    QTest::addColumn<QString>("count");  // the field after "1", back and the keys
    QTest::addColumn<QString>("figure"); // the compensation at equal prices
    // clang-format off
    QTest::newRow("Shift+Tab") << "<Shift+Tab>" << "2 <Return>" << "12" << "0,222";
    QTest::newRow("Tab round the window") << "<Tab> <Tab> <Tab> <Tab> <Tab>" << "2 <Return>" << "12" << "0,222";
    QTest::newRow("click after the digit") << "right" << "2 <Return>" << "12" << "0,222";
    QTest::newRow("click before the digit") << "left" << "2 <Return>" << "21" << "0,3885";
    QTest::newRow("click before, Backspace on Calcola") << "left" << "2 <Backspace> <Return>" << "2" << "0,037";
    QTest::newRow("away by mouse, back by Tab") << "TxtPrzOd <Tab>" << "<Tab> 2 <Return>" << "1" << "0,0185";
    // Typed straight on "Calcola", where the focus went after the first digit.
    QTest::newRow("two digits straight") << "" << "2 <Return>" << "12" << "0,222";
    QTest::newRow("a nine straight") << "" << "9 <Return>" << "19" << "0,3515";
    // Shift goes down on its own before the digit.
    QTest::newRow("a digit with Shift straight") << "" << "<Shift+3> <Return>" << "13" << "0,2405";
    QTest::newRow("three digits straight, keypad") << "" << "<Num+2> <Num+3> <Num+Enter>" << "123" << "2,2755";
    QTest::newRow("Backspace straight") << "" << "2 <Backspace> 5 <Return>" << "15" << "0,2775";
    QTest::newRow("straight beyond 32767") << "" << "2 7 6 8 9 <Return>" << "12768" << "236,208";
    QTest::newRow("a digit once the focus moved on") << "" << "<Tab> <Shift+Tab> 2 <Return>" << "1" << "0,0185";
    QTest::newRow("a digit after another key") << "" << ". 2 <Return>" << "1" << "0,0185";
    // clang-format on
}

void tst_Counter::theCountFieldAddsTheNextDigit()
{
    QFETCH(QString, back);
    QFETCH(QString, keys);
    QFETCH(QString, count);
    QFETCH(QString, figure);
    Form *w = openWindow("FrmGratuito");
    QLineEdit *field = child<QLineEdit>(w, "TxtNumIns");

    press("<Tab> <Tab> 1");
    QCOMPARE(QApplication::focusWidget()->objectName(), "CmdCalcola");
    if (!back.isEmpty()) {
        for (const QString &step : back.split(' ')) {
            if (step.startsWith('<')) {
                press(step);
            } else if (step == "left" || step == "right") {
                field->repaint(); // the field as the user sees it before the click
                const int x = step == "left" ? 3 : field->width() - 3;
                QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(x, field->height() / 2));
            } else {
                QTest::mouseClick(child(w, step.toLatin1()), Qt::LeftButton);
            }
        }
        QCOMPARE(QApplication::focusWidget(), field);
        QVERIFY(!field->hasSelectedText());
    }
    press(keys);
    QCOMPARE(field->text(), count);
    QCOMPARE(text(w, "lblCompenso"), figure);
}

void tst_Counter::aFigureIsNeverShownCut_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("field"); // set to `input`, then "Calcola"; or a label set to it
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("expected"); // the label's text, a pattern
    QTest::addColumn<bool>("whole");       // whole on screen, or marked as not fitting
    const QString title = QString("Settimanale di enigmistica e passatempi ").repeated(5);
    // clang-format off
    QTest::newRow("eight digits") << "Quot_Quot" << "TxtPrzQA" << "&HFFFFF1" << "lblNettoA" << "13\\.627\\.784,8098" << true;
    QTest::newRow("a price of 1e308") << "Quot_Quot" << "TxtPrzQB" << "1e308" << "lblNettoB" << "81\\.228(\\.000){101},0000" << false;
    QTest::newRow("free insert") << "FrmGratuito" << "TxtPrzOd" << "99999999" << "lblNetto" << "81\\.227\\.999,1877" << true;
    QTest::newRow("viewer, seven digits") << "Controllo_bolla" << "" << "1234567" << "Label3" << "1234567" << true;
    // A title from the database shows as it is, never read as markup.
    QTest::newRow("viewer, a title like markup") << "Controllo_bolla" << "" << "<b>Oggi</b>" << "Label1" << "<b>Oggi</b>" << true;
    QTest::newRow("viewer, a long title") << "Controllo_bolla" << "" << title << "Label1" << title << false;
    // clang-format on
}

// The label keeps the whole figure; on screen it is whole, in a font that may
// be smaller, or it shows no digit at all, and the tooltip says it for as long
// as it is so.
void tst_Counter::aFigureIsNeverShownCut()
{
    QFETCH(QString, window);
    QFETCH(QString, field);
    QFETCH(QString, input);
    QFETCH(QString, label);
    QFETCH(QString, expected);
    QFETCH(bool, whole);
    Form *w = openWindow(window);
    QLabel *shown = child<QLabel>(w, label.toLatin1());
    if (field.isEmpty()) {
        shown->setText(input); // as the viewer's data control sets it
    } else {
        child<QLineEdit>(w, field.toLatin1())->setText(input);
        click(w, "CmdCalcola");
    }
    const QString text = shown->text();
    QVERIFY2(
        QRegularExpression(QRegularExpression::anchoredPattern(expected)).match(text).hasMatch(),
        qPrintable(text));

    const QList<TextRecorder::Run> runs = drawnText(shown);
    QVERIFY(!runs.isEmpty());
    QString drawn;
    for (const TextRecorder::Run &run : runs) {
        drawn += run.text;
        QVERIFY2(QRectF(shown->rect()).adjusted(-0.5, -0.5, 0.5, 0.5).contains(run.box),
                 qPrintable(run.text));
    }
    const bool smaller = runs.first().font.pointSizeF() < shown->font().pointSizeF();
    if (whole) {
        QCOMPARE(drawn, text);
        QCOMPARE(shown->toolTip(), smaller ? text : QString());
    } else {
        // No digit of a figure that could be read as the figure; text stops
        // at an ellipsis.
        const QRegularExpression digit("[0-9]");
        QVERIFY2(text.contains(digit) ? !drawn.contains(digit) : drawn.endsWith(QChar(0x2026)),
                 qPrintable(drawn));
        QVERIFY(drawn != text);
        QCOMPARE(shown->toolTip(), text);
    }
    // A text that fits, or none (as "Azzera" leaves it), takes that tooltip away.
    for (const QString &next : {QString(), QStringLiteral("1")}) {
        shown->setText(text);
        drawnText(shown);
        shown->setText(next);
        drawnText(shown);
        QCOMPARE(shown->toolTip(), QString());
    }
}

// The entry fields' context menu, as the right mouse button opens it.
void tst_Counter::qtTextsAreItalian()
{
    QLineEdit *field = child<QLineEdit>(openWindow("FrmGratuito"), "TxtPrzQ");
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            field->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(field, &event);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QStringList actions;
    for (QAction *action : menu->actions()) {
        if (!action->isSeparator())
            actions << action->text().remove('&').section('\t', 0, 0);
    }
    menu->close();
    QCOMPARE(actions, (QStringList{"Annulla", "Rifai", "Taglia", "Copia", "Incolla", "Elimina",
                                   "Seleziona tutto"}));
}

// The program's font is for its own windows: Qt's menus, tooltips, calendar and
// message boxes keep the system's.
void tst_Counter::qtWindowsKeepTheSystemFont()
{
    QMenu menu;
    QCalendarWidget calendar;
    QMessageBox box;
    QToolTip::showText(QPoint(10, 10), QStringLiteral("Suggerimento"));
    QWidget *tip = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        tip = w->inherits("QTipLabel") ? w : tip;
    QVERIFY(tip);
    const QFont system = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    QVERIFY(system.family() != look::kDefaultFont.toQFont().family());
    for (QWidget *w : {static_cast<QWidget *>(&menu), static_cast<QWidget *>(&calendar),
                       static_cast<QWidget *>(&box), tip}) {
        w->ensurePolished(); // where a kind's font takes effect
        QCOMPARE(w->font().family(), system.family());
        QCOMPARE(w->font().pointSizeF(), system.pointSizeF());
    }
    QToolTip::hideText();
}

void tst_Counter::theFocusMarkShows_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    // clang-format off
    QTest::newRow("Option1, its caption clipped away") << "plicanza" << "Option1";
    QTest::newRow("the yellow Calcola") << "Quot_Period" << "cmdcalcola2";
    QTest::newRow("a captioned radio button") << "Quot_Quot" << "Option1_1";
    QTest::newRow("the check box") << "FrmNonGratuito" << "ChkRiaddebito";
    // clang-format on
}

// Focused, the control gains a dark dotted rectangle round its caption, however
// the focus came.
void tst_Counter::theFocusMarkShows()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    Form *w = openWindow(window);
    QWidget *c = child(w, control.toLatin1());
    QWidget *other =
        focusable(w).constLast() == c ? focusable(w).constFirst() : focusable(w).constLast();
    other->setFocus(Qt::OtherFocusReason);
    const QImage before = grabbed(c);
    c->setFocus(Qt::OtherFocusReason);
    const QImage after = grabbed(c);

    const QList<QPoint> mark = changed(before, after);
    QVERIFY(!mark.isEmpty());
    QRect box;
    for (const QPoint &p : mark) {
        QVERIFY2(qGray(after.pixel(p)) < 96, "a mark that is not dark");
        box |= QRect(p, QSize(1, 1));
    }
    QVERIFY2(box.width() >= 10 && box.height() >= 10, "no rectangle");
    int onTop = 0;
    for (const QPoint &p : mark)
        onTop += p.y() == box.top();
    QVERIFY2(onTop > box.width() / 3 && onTop < box.width() * 2 / 3, "not dotted");
    // The caption's ink, right of where an indicator would be, lies inside.
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 16; x < before.width(); ++x) {
            if (qGray(before.pixel(x, y)) < 96)
                QVERIFY2(box.contains(x, y), "caption outside the mark");
        }
    }
}

void tst_Counter::framesTakeTheirOwnColour_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("frame");
    // Two frames with a caption and one without.
    // clang-format off
    QTest::newRow("FrameScelta") << "plicanza" << "FrameScelta";
    QTest::newRow("Defisca") << "FrmNonGratuito" << "Defisca";
    QTest::newRow("Frame1") << "Quot_Quot" << "Frame1";
    // clang-format on
}

// Inside its line and below its caption, wherever no control stands, a frame
// is light yellow, red 255, green 255, blue 128.
void tst_Counter::framesTakeTheirOwnColour()
{
    QFETCH(QString, window);
    QFETCH(QString, frame);
    auto *box = child<QGroupBox>(openWindow(window), frame.toLatin1());
    const QImage image = grabbed(box);
    const int top = box->title().isEmpty() ? 3 : box->fontMetrics().height() + 2;
    const QRect inside = box->rect().adjusted(3, top, -3, -3);
    int other = 0, counted = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const bool onControl =
                std::any_of(box->children().begin(), box->children().end(), [&](QObject *o) {
                    auto *c = qobject_cast<QWidget *>(o);
                    return c && c->geometry().adjusted(-1, -1, 1, 1).contains(x, y);
                });
            if (onControl)
                continue;
            ++counted;
            other += image.pixelColor(x, y) != QColor(255, 255, 128);
        }
    }
    QVERIFY(counted > 100);
    QCOMPARE(other, 0);
}

QTEST_MAIN(tst_Counter)
#include "tst_counter.moc"
