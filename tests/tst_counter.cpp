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

    void qtTextsAreItalian();
    void theFocusMarkShows_data();
    void theFocusMarkShows();
    void framesTakeTheirOwnColour_data();
    void framesTakeTheirOwnColour();
};

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
