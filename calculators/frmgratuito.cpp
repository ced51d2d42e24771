#include "calculators/frmgratuito.h"

#include "calculators/calculatorcontrols.h"
#include "calculators/calculatorlayout.h"
#include "calculators/entryfield.h"
#include "core/bundle.h"
#include "shell/countbox.h"
#include "shell/regional.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace calculatorlayout;

namespace {

constexpr Form::Window kWindow{"Inserto gratuito", 10050, 6780, kBackground};

constexpr Control kControls[] = {
    titolo({0, 0, 10935, 495}),
    heading("Quotidiano + Inserto gratuito", {0, 480, 10935, 735}, look::kLightYellow),
    prompt("Label2", "Prezzo abituale del quotidiano", {1920, 2040, 2055, 495}),
    entryField("TxtPrzQ", {4680, 2040, 1815, 495}, 1, "Label2"),
    prompt("Label3", "Prezzo del giorno", {1920, 2760, 2055, 375}),
    entryField("TxtPrzOd", {4680, 2760, 1815, 405}, 2, "Label3"),
    prompt("Label4", "N.inserti", {1920, 3480, 2055, 375}),
    countField("TxtNumIns", {4680, 3480, 1815, 495}, 3, "Label4"),
    prompt("Label5", "Compenso per il rivenditore", {1920, 4320, 2055, 495}),
    result("lblCompenso", {4680, 4320, 1815, 495}, kResultBackground, "Label5"),
    prompt("Label6", "Prezzo netto", {1920, 5160, 2055, 375}),
    result("lblNetto", {4680, 5160, 1815, 495}, kNetBackground, "Label6"),
    button("CmdCalcola", "Calcola", {7560, 2040, 1095, 735}, 10),
    button("CmdAnnulla", "Azzera", {7560, 3120, 1095, 735}, 11),
    button("CmdEsci", "Esci", {7560, 4920, 1095, 735}, 12),
};

} // namespace

FrmGratuito::FrmGratuito()
    : Form(kWindow, kControls)
    , TxtPrzQ(control<QLineEdit>("TxtPrzQ"))
    , TxtPrzOd(control<QLineEdit>("TxtPrzOd"))
    , TxtNumIns(control<CountBox>("TxtNumIns"))
    , lblCompenso(control<QLabel>("lblCompenso"))
    , lblNetto(control<QLabel>("lblNetto"))
    , CmdCalcola(control<QPushButton>("CmdCalcola"))
    , CmdAnnulla(control<QPushButton>("CmdAnnulla"))
{
    connectEvents();
}

void FrmGratuito::TxtPrzQ_Change()
{
    v.PrzQ = priceFieldChanged(TxtPrzQ);
}

void FrmGratuito::TxtPrzOd_Change()
{
    v.PrzOd = priceFieldChanged(TxtPrzOd);
}

void FrmGratuito::TxtNumIns_Change()
{
    v.NumIns = countFieldChanged(TxtNumIns);
    TxtNumIns->passFocusTo(CmdCalcola);
}

void FrmGratuito::CmdCalcola_Click()
{
    const edicola::GratuitoResult r = edicola::calcolaGratuito(v.PrzQ, v.PrzOd, v.NumIns);
    v.Compenso = r.Compenso;
    v.Netto = r.Netto;
    lblCompenso->setText(showGeneral(v.Compenso));
    lblNetto->setText(showAmount(v.Netto));
    CmdAnnulla->setFocus();
}

void FrmGratuito::CmdAnnulla_Click()
{
    empty({TxtPrzOd, lblCompenso, lblNetto, TxtPrzQ, TxtNumIns});
    TxtPrzQ->setFocus();
}

void FrmGratuito::CmdEsci_Click()
{
    hide();
}
