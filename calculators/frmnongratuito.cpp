#include "calculators/frmnongratuito.h"

#include "calculators/calculatorcontrols.h"
#include "calculators/calculatorlayout.h"
#include "calculators/entryfield.h"
#include "core/bundle.h"
#include "shell/regional.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace calculatorlayout;

namespace {

constexpr Form::Window kWindow{"Inserti non gratuiti", 9255, 7350, kBackground};

// Option1_0 .. Option1_2 stand for the rates of edicola::kDefiscalizzazione.
constexpr Control kControls[] = {
    titolo({-840, 0, 10935, 495}),
    heading("Inserto Non gratuito", {0, 480, 10095, 735}, look::kLightYellow),
    prompt("Label3", "Prezzo  Inserto a pagamento", {1920, 1920, 2175, 495}),
    entryField("TxtPrezzoInserto", {4560, 1920, 1455, 495}, 1, "Label3"),
    button("CmdCalcola", "Calcola", {6960, 1800, 855, 615}, 3),
    prompt("Label2", "Prezzo Quotidiano di riferimento ", {1920, 2760, 2175, 495}),
    entryField("txtPrzQuotRif", {4560, 2760, 1455, 495}, 2, "Label2"),
    button("CmdAnnulla", "Azzera", {6960, 2640, 855, 615}, 4),
    checkBox("ChkRiaddebito", "Riaddebito differenza defiscalizzazione", {2040, 3600, 2055, 735},
             10),
    frame("Defisca", "Defiscalizzazione", {4560, 3600, 1455, 1455}),
    option("Option1_0", "98,80 %", {120, 360, 975, 195}, 6, "Defisca", true),
    option("Option1_1", "96,00 %", {120, 720, 975, 255}, 7, "Defisca"),
    option("Option1_2", "92,00 %", {120, 1080, 975, 195}, 8, "Defisca"),
    prompt("Label5", "Compenso per il rivenditore", {1920, 5280, 2055, 495}),
    result("lblCompensoInserto", {4560, 5280, 1455, 495}, kResultBackground, "Label5"),
    prompt("Label7", "Riaddebito differenza defiscalizzazione", {1920, 5880, 2055, 495}),
    result("lblRiaddebitoDefisc", {4560, 5880, 1455, 495}, kResultBackground, "Label7"),
    prompt("Label6", "Prezzo netto", {1920, 6600, 2055, 375}),
    result("lblNettoInserto", {4560, 6480, 1455, 495}, kNetBackground, "Label6"),
    button("cmdEsci", "Esci", {6960, 6240, 855, 615}, 5),
};

} // namespace

FrmNonGratuito::FrmNonGratuito()
    : Form(kWindow, kControls)
    , TxtPrezzoInserto(control<QLineEdit>("TxtPrezzoInserto"))
    , txtPrzQuotRif(control<QLineEdit>("txtPrzQuotRif"))
    , ChkRiaddebito(control<QCheckBox>("ChkRiaddebito"))
    , Option1(controlArray<QRadioButton>("Option1"))
    , lblCompensoInserto(control<QLabel>("lblCompensoInserto"))
    , lblRiaddebitoDefisc(control<QLabel>("lblRiaddebitoDefisc"))
    , lblNettoInserto(control<QLabel>("lblNettoInserto"))
    , CmdAnnulla(control<QPushButton>("CmdAnnulla"))
{
    connectEvents();
}

void FrmNonGratuito::TxtPrezzoInserto_Change()
{
    v.PrzInserto = priceFieldChanged(TxtPrezzoInserto);
}

void FrmNonGratuito::txtPrzQuotRif_Change()
{
    v.PrzQuotRif = priceFieldChanged(txtPrzQuotRif);
}

void FrmNonGratuito::CmdCalcola_Click()
{
    if (const int index = firstSelected(Option1); index >= 0) {
        const edicola::NonGratuitoResult r = edicola::calcolaNonGratuito(
            v.PrzInserto, v.PrzQuotRif, edicola::kDefiscalizzazione[std::size_t(index)],
            ChkRiaddebito->isChecked());
        v.Compenso = r.Compenso;
        v.Riaddebito = r.Riaddebito;
        v.NettoInserto = r.NettoInserto;
        lblCompensoInserto->setText(showGeneral(v.Compenso));
        // At 98,80 % there is no re-charge: an earlier one must not stay on show
        // beside a net price that no longer includes it.
        lblRiaddebitoDefisc->setText(r.defiscalizzato ? showAmount(v.Riaddebito) : QString());
        lblNettoInserto->setText(showAmount(v.NettoInserto));
    }
    v.Riaddebito = 0;
    CmdAnnulla->setFocus();
}

void FrmNonGratuito::CmdAnnulla_Click()
{
    empty({TxtPrezzoInserto, lblCompensoInserto, lblNettoInserto, lblRiaddebitoDefisc,
           txtPrzQuotRif});
    ChkRiaddebito->setChecked(false);
    v.Riaddebito = 0;
    TxtPrezzoInserto->setFocus();
}

void FrmNonGratuito::cmdEsci_Click()
{
    hide();
}

// The radio group changes the selection by itself; the rate is read by "Calcola".
void FrmNonGratuito::Option1_Click(int) {}
