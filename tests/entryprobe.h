#pragma once

#include "calculators/calculatorlayout.h"
#include "calculators/entryfield.h"

#include <QLineEdit>

// A window with one price field and one count field, wired by name to the shared
// change reaction as the calculators wire theirs, whose variables a test can read:
// the calculators keep theirs to themselves.
class EntryProbe : public Form
{
    Q_OBJECT
public:
    EntryProbe()
        : Form(kWindow, kControls)
        , TxtPrezzo(control<QLineEdit>("TxtPrezzo"))
        , TxtNumero(control<QLineEdit>("TxtNumero"))
    {
        connectEvents();
    }

    double Prezzo = 0;
    qint16 Numero = 0;

public slots:
    void TxtPrezzo_Change() { Prezzo = priceFieldChanged(TxtPrezzo); }
    void TxtNumero_Change() { Numero = countFieldChanged(TxtNumero); }

private:
    static constexpr Form::Window kWindow{"Prova", 6000, 2000, calculatorlayout::kBackground};
    static constexpr Control kControls[] = {
        calculatorlayout::prompt("LblPrezzo", "Prezzo", {240, 240, 1815, 495}),
        calculatorlayout::entryField("TxtPrezzo", {2280, 240, 1815, 495}, 0, "LblPrezzo"),
        calculatorlayout::prompt("LblNumero", "Numero", {240, 960, 1815, 495}),
        calculatorlayout::countField("TxtNumero", {2280, 960, 1815, 495}, 1, "LblNumero"),
    };

    QLineEdit *TxtPrezzo;
    QLineEdit *TxtNumero;
};
