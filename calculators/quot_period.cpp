#include "calculators/quot_period.h"

#include "calculators/calculatorlayout.h"
#include "core/bundle.h"

using namespace calculatorlayout;

namespace {

constexpr Form::Window kWindow{"Quotidiano + Periodico / Periodico + Periodico", 10950, 7785,
                               kBackground};

constexpr Control kControls[] = {
    titolo({0, 0, 10935, 495}),
    heading("Quotidiano + Periodico / Periodico + Periodico", {0, 480, 10935, 735},
            kHeadingWorkspace),
    prompt("Label2", "Prezzo del quotidiano      o periodico A", {1920, 2040, 2295, 495}),
    entryField("TxtPrzQA", {4680, 2040, 1815, 495}, 0, "Label2"),
    prompt("Label3", "Prezzo del periodico B", {1920, 2760, 2295, 375}),
    entryField("TxtPrzPer", {4680, 2760, 1815, 525}, 1, "Label3"),
    frame("Frame1", "", {1800, 3720, 4695, 855}),
    option("Option1_0", "Compenso sul quotidiano o perodico A", {120, 120, 2175, 615}, 16, "Frame1",
           true),
    option("Option1_1", "Compenso sul periodico B", {2400, 240, 2175, 375}, 17, "Frame1"),
    prompt("Label5", "Compenso per il rivenditore", {1920, 5040, 2055, 495}),
    result("lblCompenso", {4680, 5040, 1815, 495}, kResultBackground, "Label5"),
    prompt("Label6", "Prezzo netto quotidiano       o periodico A", {1920, 6000, 2415, 495}),
    result("lblNettoA", {4680, 5880, 1815, 495}, kNetBackground, "Label6"),
    prompt("Label4", "Prezzo netto periodico B", {1920, 6600, 2415, 375}),
    result("lblNettoPer", {4680, 6480, 1815, 495}, kNetBackground, "Label4"),
    button("CmdCalcola", "Calcola", {7440, 2040, 1095, 735}, 3),
    {.name = "Label7",
     .kind = Control::Label,
     .caption = "Se si tratta di quotidiano + periodico il cui prezzo totale è uguale al prezzo "
                "abituale del solo quotidiano calcola qui",
     .rect = {7440, 3000, 3135, 1095},
     .font = kPromptFont,
     .background = look::kYellow,
     .align = Qt::AlignHCenter,
     .border = true},
    button("cmdcalcola2", "Calcola", {7440, 4200, 1095, 735}, 19, look::kYellow, "Label7"),
    button("CmdEsci", "Esci", {7560, 6240, 1095, 735}, 4),
    button("CmdAnnulla", "Azzera", {9120, 6240, 1095, 735}, 5),
};

} // namespace

Quot_Period::Quot_Period()
    : Coppia(kWindow, kControls, {"TxtPrzPer", "lblNettoPer"})
{
    connectEvents();
}

void Quot_Period::TxtPrzPer_Change()
{
    prezzoBChanged();
}

void Quot_Period::CmdCalcola_Click()
{
    calcola(edicola::kCompensoRidotto);
}

void Quot_Period::cmdcalcola2_Click()
{
    calcola(edicola::kCompensoPieno);
}
