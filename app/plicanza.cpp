#include "app/plicanza.h"

#include "bolla/controllo_bolla.h"
#include "calculators/frmgratuito.h"
#include "calculators/frmnongratuito.h"
#include "calculators/quot_period.h"
#include "calculators/quot_quot.h"
#include "shell/defaultinstances.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QRadioButton>

namespace {

using look::Colour;
using look::kLightYellow;

constexpr look::Font kChoiceFont{"Arial Black", 9.75, false, false, 900};

constexpr Form::Window kWindow{"plicanza", 11280, 8040, Colour::system(look::ActiveCaption)};

// The radio buttons are narrower than their captions; the labels beside them are
// what the user reads, and what names each button to a screen reader. Clicking
// a label selects nothing.
constexpr Control option(const char *name, Control::Twips rect, int tab, const char *kind)
{
    return {.name = name,
            .kind = Control::Radio,
            .caption = name,
            .rect = rect,
            .tab = tab,
            .background = kLightYellow,
            .container = "FrameScelta",
            .labelledBy = kind};
}

constexpr Control kind(const char *name, const char *caption, Control::Twips rect, int tab)
{
    return {.name = name,
            .kind = Control::Label,
            .caption = caption,
            .rect = rect,
            .tab = tab,
            .font = kChoiceFont,
            .background = kLightYellow,
            .container = "FrameScelta"};
}

constexpr Control kControls[] = {
    {"Titolo",
     Control::Label,
     "Corvalde",
     {0, 0, 11295, 855},
     0,
     {"MS Sans Serif", 24},
     Colour::system(look::InactiveCaption),
     Qt::AlignHCenter},
    {"Label1",
     Control::Label,
     "Controllo compensi plicanza inserti",
     {240, 1200, 10935, 735},
     1,
     look::kHeadingFont,
     kLightYellow,
     Qt::AlignHCenter},
    {"FrameScelta",
     Control::Frame,
     "Composizione plicanza",
     {4560, 2520, 4095, 4695},
     2,
     {"MS Sans Serif", 9.75},
     kLightYellow},
    option("Option1", {240, 960, 255, 255}, 3, "Label2"),
    option("Option2", {240, 1320, 255, 375}, 4, "Label3"),
    option("Option3", {240, 1800, 255, 495}, 5, "Label4"),
    option("Option4", {240, 2280, 255, 495}, 6, "Label5"),
    option("Option5", {240, 2880, 255, 255}, 14, "Label6"),
    kind("Label2", "Quotidiano + Inserto gratuito", {600, 960, 3255, 255}, 7),
    kind("Label3", " Inserto a prezzo", {600, 1440, 3255, 255}, 8),
    kind("Label4", "Quotidiano + Quotidiano", {600, 1920, 3255, 255}, 9),
    kind("Label5", "Quotidiano + Periodico", {600, 2400, 3255, 255}, 10),
    kind("Label6", "Periodico    + Periodico", {600, 2880, 3135, 255}, 11),
    {"Image1", Control::Picture, ":/app/image1.gif", {840, 2880, 3000, 3450}},
    {"CmdConferma", Control::Button, "Conferma", {7440, 6360, 1095, 615}, 12},
    {"CmdEsci", Control::Button, "Esci", {9840, 6600, 1095, 615}, 13},
};

} // namespace

plicanza::plicanza()
    : Form(kWindow, kControls)
    , Option1(control<QRadioButton>("Option1"))
    , Option2(control<QRadioButton>("Option2"))
    , Option3(control<QRadioButton>("Option3"))
    , Option4(control<QRadioButton>("Option4"))
    , Option5(control<QRadioButton>("Option5"))
{
    connectEvents();
}

// The kinds in order, the first selected one: Option4 and Option5 share a window.
void plicanza::CmdConferma_Click()
{
    if (Option1->isChecked())
        forms::show(forms::defaultInstance<FrmGratuito>());
    else if (Option2->isChecked())
        forms::show(forms::defaultInstance<FrmNonGratuito>());
    else if (Option3->isChecked())
        forms::show(forms::defaultInstance<Quot_Quot>());
    else if (Option4->isChecked() || Option5->isChecked())
        forms::show(forms::defaultInstance<Quot_Period>());
}

void plicanza::CmdEsci_Click()
{
    close();
}

Controllo_bolla *plicanza::MostraControlloBolla(const QString &dataLinkFile)
{
    const QString file = dataLinkFile.isEmpty() ? bolla::dataLinkFile() : dataLinkFile;
    // A viewer already open reads again, the file now asked for: a new one
    // begins its read as it is made.
    Controllo_bolla *viewer = forms::existing<Controllo_bolla>();
    if (viewer)
        viewer->readAgain(file);
    else
        viewer = forms::defaultInstance<Controllo_bolla>(file);
    forms::show(viewer);
    return viewer;
}

void plicanza::closeEvent(QCloseEvent *event)
{
    Form::closeEvent(event);
    forms::closeAll();
}
