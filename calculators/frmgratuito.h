#pragma once

#include "shell/form.h"

class CountBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Newspaper with free inserts: the compensation for the inserts and the
// newspaper's net price on the day.
class FrmGratuito : public Form
{
    Q_OBJECT
public:
    explicit FrmGratuito();

public slots:
    void TxtPrzQ_Change();
    void TxtPrzOd_Change();
    void TxtNumIns_Change();
    void CmdCalcola_Click();
    void CmdAnnulla_Click();
    void CmdEsci_Click();

private:
    struct Variables
    {
        double PrzQ = 0;
        double PrzOd = 0;
        qint16 NumIns = 0;
        double Compenso = 0;
        double Netto = 0;
    };
    Variables v;
    QLineEdit *TxtPrzQ;
    QLineEdit *TxtPrzOd;
    CountBox *TxtNumIns;
    QLabel *lblCompenso;
    QLabel *lblNetto;
    QPushButton *CmdCalcola;
    QPushButton *CmdAnnulla;
};
