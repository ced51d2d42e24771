#include "calculators/quot_quot.h"

#include "calculators/calculatorlayout.h"
#include "core/bundle.h"

using namespace calculatorlayout;

namespace {

constexpr Form::Window kWindow{"Quotidiano + Quotidiano", 10935, 6960, kBackground};

constexpr Control kControls[] = {
    titolo({0, 0, 10935, 495}),
    heading("Quotidiano + Quotidiano", {0, 480, 10935, 735}, kHeadingWorkspace),
    prompt("Label2", "Prezzo del quotidiano A", {1680, 2040, 2295, 495}),
    entryField("TxtPrzQA", {4800, 2040, 1815, 495}, 0, "Label2"),
    prompt("Label3", "Prezzo del quotidiano B", {1680, 2760, 2295, 375}),
    entryField("TxtPrzQB", {4800, 2760, 1815, 525}, 1, "Label3"),
    frame("Frame1", "", {1680, 3480, 4935, 855}),
    option("Option1_0", "Compenso sul quotidiano A", {120, 120, 2295, 615}, 17, "Frame1", true),
    option("Option1_1", "Compenso sul quotidiano B", {2520, 240, 2295, 375}, 16, "Frame1"),
    prompt("Label5", "Compenso per il rivenditore", {1680, 4440, 2055, 495}),
    result("lblCompenso", {4800, 4440, 1815, 495}, kResultBackground, "Label5"),
    prompt("Label6", "Prezzo netto quotidiano A", {1680, 5400, 2415, 375}),
    result("lblNettoA", {4800, 5280, 1815, 495}, kNetBackground, "Label6"),
    prompt("Label4", "Prezzo netto quotidiano B", {1680, 6000, 2415, 375}),
    result("lblNettoB", {4800, 5880, 1815, 495}, kNetBackground, "Label4"),
    button("CmdCalcola", "Calcola", {7560, 2040, 1095, 735}, 2),
    button("CmdAnnulla", "Azzera", {7560, 3120, 1095, 735}, 3),
    button("CmdEsci", "Esci", {7560, 4920, 1095, 735}, 4),
};

} // namespace

Quot_Quot::Quot_Quot()
    : Coppia(kWindow, kControls, {"TxtPrzQB", "lblNettoB"})
{
    connectEvents();
}

void Quot_Quot::TxtPrzQB_Change()
{
    prezzoBChanged();
}

void Quot_Quot::CmdCalcola_Click()
{
    calcola(edicola::kCompensoPieno);
}
