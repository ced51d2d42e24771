// What a screen reader is told of every window, through Qt's accessibility
// interface.

#include "everywindow.h"

#include <QAccessible>

using namespace formtest;

namespace {

QString said(QObject *control, QAccessible::Text what)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
    return face ? face->text(what) : QString();
}

} // namespace

class tst_Accessibility : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { setUpApplication(); }
    void cleanup() { closeWindows(); }

    void everyControlSaysWhatItIs_data();
    void everyControlSaysWhatItIs();
    void aResultIsReadWithItsPrompt();
};

void tst_Accessibility::everyControlSaysWhatItIs_data()
{
    QTest::addColumn<QString>("window");
    for (const char *window : kWindows)
        QTest::newRow(window) << window;
}

// Every control that takes the focus has a name, no two of a window are told
// alike, and a control named in a label's words is named by the label beside it.
void tst_Accessibility::everyControlSaysWhatItIs()
{
    QFETCH(QString, window);
    Form *w = openWindow(window);

    QStringList told;
    for (QWidget *control : focusable(w)) {
        const QString name = said(control, QAccessible::Name);
        const QString telling = name + " / " + said(control, QAccessible::Description);
        QVERIFY2(!name.trimmed().isEmpty(), qPrintable(control->objectName()));
        QVERIFY2(!told.contains(telling), qPrintable(telling));
        told << telling;
    }
    // A name given in a label's words: those of the label beside it, or over
    // it, in the same frame, which has it as its buddy and is the label a screen
    // reader goes to from it (Qt's grid tells no relations: there, the buddy).
    for (QWidget *control : w->findChildren<QWidget *>()) {
        const QString name = control->accessibleName();
        const QList<QLabel *> labels = w->findChildren<QLabel *>();
        const auto worded = [&](QLabel *label) { return label->text().simplified() == name; };
        if (name.isEmpty() || std::none_of(labels.begin(), labels.end(), worded))
            continue;
        const auto beside = [&](QLabel *label) {
            const QRect l = label->geometry(), c = control->geometry();
            const bool row = l.top() < c.bottom() && c.top() < l.bottom();
            const bool column = l.left() < c.right() && c.left() < l.right();
            return worded(label) && label->parent() == control->parent() && (row || column);
        };
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
        QObjectList related;
        for (const auto &relation : face->relations(QAccessible::Label))
            related << relation.first->object();
        const auto names = [&](QLabel *label) {
            return beside(label) && label->buddy() == control &&
                   (related.contains(label) || face->tableInterface());
        };
        QVERIFY2(std::any_of(labels.begin(), labels.end(), names),
                 qPrintable(control->objectName()));
    }
}

// The figure is the result's value, its prompt its name, as a calculation by
// keyboard leaves them.
void tst_Accessibility::aResultIsReadWithItsPrompt()
{
    Form *w = openWindow("FrmGratuito");
    press("1.2 <Tab> 1.2 <Tab> 1 <Return>");
    QLabel *netto = child<QLabel>(w, "lblNetto");
    QCOMPARE(said(netto, QAccessible::Name), "Prezzo netto");
    QCOMPARE(said(netto, QAccessible::Value), "0,9562");
    QAccessibleTextInterface *text = QAccessible::queryAccessibleInterface(netto)->textInterface();
    QVERIFY(text);
    QCOMPARE(text->text(0, text->characterCount()), "0,9562");
    QCOMPARE(text->text(2, 4), "95");

    w = openWindow("Quot_Period");
    QVERIFY(said(child(w, "cmdcalcola2"), QAccessible::Description)
                .contains("prezzo abituale del solo quotidiano"));
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
