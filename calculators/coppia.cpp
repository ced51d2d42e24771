#include "calculators/coppia.h"

#include "calculators/calculatorcontrols.h"
#include "calculators/entryfield.h"
#include "core/bundle.h"
#include "shell/regional.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

Coppia::Coppia(const Window &window, std::span<const Control> controls, ProductB b)
    : Form(window, controls)
    , TxtPrzQA(control<QLineEdit>("TxtPrzQA"))
    , txtPrzB(control<QLineEdit>(b.price))
    , Option1(controlArray<QRadioButton>("Option1"))
    , lblCompenso(control<QLabel>("lblCompenso"))
    , lblNettoA(control<QLabel>("lblNettoA"))
    , lblNettoB(control<QLabel>(b.net))
{}

void Coppia::TxtPrzQA_Change()
{
    v.PrzA = priceFieldChanged(TxtPrzQA);
}

void Coppia::prezzoBChanged()
{
    v.PrzB = priceFieldChanged(txtPrzB);
}

void Coppia::calcola(double compenso)
{
    const int index = firstSelected(Option1);
    if (index < 0)
        return;
    const edicola::CoppiaResult r = edicola::calcolaCoppia(
        v.PrzA, v.PrzB, compenso, index == 0 ? edicola::Portatore::A : edicola::Portatore::B);
    v.Compenso = r.Compenso;
    v.NettoA = r.NettoA;
    v.NettoB = r.NettoB;
    lblCompenso->setText(showGeneral(v.Compenso));
    lblNettoA->setText(showAmount(v.NettoA));
    lblNettoB->setText(showAmount(v.NettoB));
}

void Coppia::CmdAnnulla_Click()
{
    empty({TxtPrzQA, txtPrzB, lblCompenso, lblNettoA, lblNettoB});
    TxtPrzQA->setFocus();
}

void Coppia::CmdEsci_Click()
{
    hide();
}
