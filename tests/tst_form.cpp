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
constexpr Control kControls[] = {
    {.name = "TxtField",
     .kind = Control::TextBox,
     .caption = "",
     .rect = {0, 0, 1500, 300},
     .tab = 0},
    {.name = "CmdGo",
     .kind = Control::Button,
     .caption = "Go",
     .rect = {0, 400, 1500, 300},
     .tab = 1},
    {.name = "Frame", .kind = Control::Frame, .caption = "", .rect = {0, 800, 3000, 1200}},
    // Indexes in table order 1, 0, 2: the array is in index order all the same.
    {.name = "Option1_1",
     .kind = Control::Radio,
     .caption = "one",
     .rect = {0, 400, 1500, 300},
     .tab = 2,
     .container = "Frame"},
    {.name = "Option1_0",
     .kind = Control::Radio,
     .caption = "zero",
     .rect = {0, 0, 1500, 300},
     .tab = 3,
     .container = "Frame"},
    {.name = "Option1_2",
     .kind = Control::Radio,
     .caption = "two",
     .rect = {0, 800, 1500, 300},
     .tab = 4,
     .container = "Frame",
     .checked = true},
    {.name = "ChkBox",
     .kind = Control::Check,
     .caption = "A caption long enough to take three lines here",
     .rect = {0, 2100, 1500, 735},
     .tab = 5,
     .checked = true},
    {.name = "Note",
     .kind = Control::Label,
     .caption = "boxed",
     .rect = {0, 3000, 1500, 300},
     .border = true},
};
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
    void tabStopsOnTheSelectedRadioButton();
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

void tst_Form::tabStopsOnTheSelectedRadioButton()
{
    QCOMPARE(tabOrder(4), (QStringList{"CmdGo", "Option1_2", "ChkBox", "TxtField"}));
    QCOMPARE(tabOrder(3, Qt::Key_Backtab), (QStringList{"ChkBox", "Option1_2", "CmdGo"}));
}

QTEST_MAIN(tst_Form)
#include "tst_form.moc"
