#pragma once

#include "shell/form.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// Insert sold at a price of its own: the compensation below the threshold, the
// net price at the chosen defiscalization rate and, on request, the re-charge of
// the defiscalization difference measured on the reference newspaper.
class FrmNonGratuito : public Form
{
    Q_OBJECT
public:
    explicit FrmNonGratuito();

public slots:
    void TxtPrezzoInserto_Change();
    void txtPrzQuotRif_Change();
    void CmdCalcola_Click();
    void CmdAnnulla_Click();
    void cmdEsci_Click();
    void Option1_Click(int index);

private:
    struct Variables
    {
        double PrzInserto = 0;
        double PrzQuotRif = 0;
        double Compenso = 0;
        double NettoInserto = 0;
        double Riaddebito = 0; // 0 between calculations
    };
    Variables v;
    QLineEdit *TxtPrezzoInserto;
    QLineEdit *txtPrzQuotRif;
    QCheckBox *ChkRiaddebito;
    QList<QRadioButton *> Option1;
    QLabel *lblCompensoInserto;
    QLabel *lblRiaddebitoDefisc;
    QLabel *lblNettoInserto;
    QPushButton *CmdAnnulla;
};
