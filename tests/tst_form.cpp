#include "formtest.h"
#include "shell/form.h"

#include <QRadioButton>

using namespace formtest;

// A window that records the events its controls raise.
class Probe : public Form
{
    Q_OBJECT
public:
    Probe();
    QStringList events;

public slots:
    void CmdGo_Click() { events << QStringLiteral("CmdGo"); }
    void Option1_Click(int index) { events << QStringLiteral("Option1 %1").arg(index); }
    void ChkBox_Click() { events << QStringLiteral("ChkBox"); }
    void TxtField_Change() { events << QStringLiteral("TxtField ") + text(this, "TxtField"); }
};

namespace {
// clang-format off
constexpr Control kControls[] = {
    {"TxtField", Control::TextBox, "", {0, 0, 1500, 300}, 0},
    {"CmdGo", Control::Button, "Go", {0, 400, 1500, 300}, 1},
    {"Frame", Control::Frame, "", {0, 800, 3000, 1200}},
    // Indexes in table order 1, 0, 2: the array is in index order all the same.
    {"Option1_1", Control::Radio, "one", {0, 400, 1500, 300}, 2, {}, {}, Qt::AlignLeft, "Frame"},
    {"Option1_0", Control::Radio, "zero", {0, 0, 1500, 300}, 3, {}, {}, Qt::AlignLeft, "Frame"},
    {"Option1_2", Control::Radio, "two", {0, 800, 1500, 300}, 4, {}, {}, Qt::AlignLeft, "Frame", false, true},
    {"ChkBox", Control::Check, "A caption long enough to take three lines here", {0, 2100, 1500, 735}, 5, {}, {}, Qt::AlignLeft, nullptr, false, true},
    {"Note", Control::Label, "boxed", {0, 3000, 1500, 300}, -1, {}, {}, Qt::AlignLeft, nullptr, true},
};
// clang-format on
} // namespace

Probe::Probe()
    : Form({"Probe", 3000, 3600, {}}, kControls)
{
    connectEvents();
}

class tst_Form : public QObject
{
    Q_OBJECT
private:
    Probe *w = nullptr;

private slots:
    void initTestCase() { setUpApplication(); }
    void init();
    void cleanup();

    void eventsReachTheirReactionsByName();
    void aWrappedCaptionIsWholeAndTakesTheClick();
    void aRadioGroupByKeyboard();
};

void tst_Form::init()
{
    w = new Probe;
    showAndActivate(w);
}

void tst_Form::cleanup()
{
    delete w;
}

void tst_Form::eventsReachTheirReactionsByName()
{
    type(w, "TxtField", "ab");
    click(w, "CmdGo");
    choose(w, "Option1_0");
    choose(w, "Option1_1");
    choose(w, "ChkBox");
    QCOMPARE(w->events, (QStringList{"TxtField a", "TxtField ab", "CmdGo", "Option1 0", "Option1 1",
                                     "ChkBox"}));
}

void tst_Form::aWrappedCaptionIsWholeAndTakesTheClick()
{
    QCOMPARE(clippedCaptions(w), QStringList());
    QCOMPARE(child<QLabel>(w, "Note")->frameShape(), QFrame::Box);
    QAbstractButton *box = child<QAbstractButton>(w, "ChkBox");
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 4, box->height() - 4));
    QVERIFY(!box->isChecked());
}

// Tab stops on the selected button of the group; the arrows go round the group
// in tab order (1, 0, 2), not in index or screen order, selecting as they go.
void tst_Form::aRadioGroupByKeyboard()
{
    QCOMPARE(tabOrder(4), (QStringList{"CmdGo", "Option1_2", "ChkBox", "TxtField"}));
    QCOMPARE(tabOrder(3, Qt::Key_Backtab), (QStringList{"ChkBox", "Option1_2", "CmdGo"}));
    QCOMPARE(tabOrder(1), QStringList{"Option1_2"});
    QStringList went;
    for (const char *key : {"<Down>", "<Right>", "<Up>", "<Left>", "<Left>"}) {
        press(key);
        went << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(went, (QStringList{"Option1_1", "Option1_0", "Option1_1", "Option1_2", "Option1_0"}));
    QCOMPARE(w->events,
             (QStringList{"Option1 1", "Option1 0", "Option1 1", "Option1 2", "Option1 0"}));
}

QTEST_MAIN(tst_Form)
#include "tst_form.moc"
