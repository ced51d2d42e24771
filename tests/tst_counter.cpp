// What a user at the counter meets, through the real windows: the keyboard as
// on Windows, figures never cut, Qt's own texts in Italian, a focus mark that
// shows, frames in their own colour.

#include "everywindow.h"

#include <QGroupBox>
#include <QMenu>

using namespace formtest;

namespace {

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
    void aCalculationByKeyboardAlone_data();
    void aCalculationByKeyboardAlone();
    void theCountFieldAddsTheNextDigit_data();
    void theCountFieldAddsTheNextDigit();
    void qtTextsAreItalian();
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
        for (const char *key : {"<Return>", "<Enter>", "<Space>"})
            QTest::addRow("%s %s", window, key) << window << key << true;
        QTest::addRow("%s <Esc>", window) << window << "<Esc>" << false;
    }
}

// Each control in turn has the focus in a fresh window; the key presses that
// control if it is a push button, and no button otherwise.
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
    }
    QCOMPARE(pressed, expected);
}

void tst_Counter::aCalculationByKeyboardAlone_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("focus");
    // clang-format off
    QTest::newRow("free insert") << "Option1" << "1.2 <Tab> 1.2 <Tab> 1 <Return>"
        << QStringList{"lblCompenso=0,0185", "lblNetto=0,9562"} << "CmdAnnulla";
    QTest::newRow("free insert, keypad") << "Option1" << "1.2 <Tab> 1.25 <Tab> 2 <Enter>"
        << QStringList{"lblCompenso=0,0074", "lblNetto=1,0080"} << "CmdAnnulla";
    QTest::newRow("paid insert, 96 and the box") << "Option2"
        << "4.50 <Tab> 1.20 <Tab> <Tab> <Tab> <Tab> <Down> <Tab> <Space> <Tab> <Tab> <Tab> <Return>"
        << QStringList{"lblCompensoInserto=0,0037", "lblRiaddebitoDefisc=0,0064", "lblNettoInserto=3,6819"}
        << "CmdAnnulla";
    QTest::newRow("newspaper + newspaper") << "Option3" << "1.2 <Tab> 1 <Tab> <Space>"
        << QStringList{"lblCompenso=0,0185", "lblNettoA=0,9562", "lblNettoB=0,8123"} << "CmdCalcola";
    QTest::newRow("periodical, plain") << "Option4" << "1.2 <Tab> 5.9 <Tab> <Return>"
        << QStringList{"lblCompenso=0,0037", "lblNettoA=0,9710", "lblNettoPer=4,7925"} << "CmdCalcola";
    QTest::newRow("periodical, yellow") << "Option4" << "1.2 <Tab> 5.9 <Tab> <Tab> <Tab> <Tab> <Tab> <Return>"
        << QStringList{"lblCompenso=0,0185", "lblNettoA=0,9562", "lblNettoPer=4,7925"} << "cmdcalcola2";
    // clang-format on
}

void tst_Counter::aCalculationByKeyboardAlone()
{
    QFETCH(QString, option);
    QFETCH(QString, keys);
    QFETCH(QStringList, expected);
    QFETCH(QString, focus);
    const Kind &k = kindOf(option);
    Form *w = k.open();
    showAndActivate(w);

    press(keys);
    QCOMPARE(shown(w, words(k.results)), expected);
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
}

void tst_Counter::theCountFieldAddsTheNextDigit_data()
{
    QTest::addColumn<QString>("back");   // from "Calcola" back into the count field
    QTest::addColumn<QString>("count");  // the field after "1", back, "2"
    QTest::addColumn<QString>("figure"); // the compensation at equal prices
    QTest::newRow("Shift+Tab") << "<Backtab>"
                               << "12"
                               << "0,222";
    QTest::newRow("Tab round the window") << "<Tab> <Tab> <Tab> <Tab> <Tab>"
                                          << "12"
                                          << "0,222";
    QTest::newRow("click after the digit") << "right"
                                           << "12"
                                           << "0,222";
    QTest::newRow("click before the digit") << "left"
                                            << "21"
                                            << "0,3885";
}

void tst_Counter::theCountFieldAddsTheNextDigit()
{
    QFETCH(QString, back);
    QFETCH(QString, count);
    QFETCH(QString, figure);
    Form *w = kindOf("Option1").open();
    showAndActivate(w);
    QLineEdit *field = child<QLineEdit>(w, "TxtNumIns");

    press("<Tab> <Tab> 1");
    QCOMPARE(QApplication::focusWidget()->objectName(), "CmdCalcola");
    if (back.startsWith('<')) {
        press(back);
    } else {
        field->repaint(); // the field as the user sees it before the click
        const int x = back == "left" ? 3 : field->width() - 3;
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(x, field->height() / 2));
    }
    QCOMPARE(QApplication::focusWidget(), field);
    QVERIFY(!field->hasSelectedText());
    press("2 <Return>");
    QCOMPARE(field->text(), count);
    QCOMPARE(text(w, "lblCompenso"), figure);
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

void tst_Counter::theFocusMarkShows_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::newRow("Option1, its caption clipped away") << "plicanza"
                                                       << "Option1";
    QTest::newRow("Conferma") << "plicanza"
                              << "CmdConferma";
    QTest::newRow("the yellow Calcola") << "Quot_Period"
                                        << "cmdcalcola2";
    QTest::newRow("a captioned radio button") << "Quot_Quot"
                                              << "Option1_1";
    QTest::newRow("the check box") << "FrmNonGratuito"
                                   << "ChkRiaddebito";
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
    QTest::newRow("FrameScelta") << "plicanza"
                                 << "FrameScelta";
    QTest::newRow("Defisca") << "FrmNonGratuito"
                             << "Defisca";
    QTest::newRow("Quot_Quot Frame1") << "Quot_Quot"
                                      << "Frame1";
    QTest::newRow("Quot_Period Frame1") << "Quot_Period"
                                        << "Frame1";
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
