#pragma once

#include "calculators/coppia.h"

// Newspaper or periodical A + periodical B: the plain "Calcola" charges 0.0037,
// the yellow one 0.0185, on the product that Option1 picks. Both the fourth and
// the fifth kind of the start window open it.
class Quot_Period : public Coppia
{
    Q_OBJECT
public:
    explicit Quot_Period();

    struct Variables
    {
        double PrzQA = 0;
        double PrzPer = 0;
        double Compenso = 0;
        double NettoA = 0;
        double NettoPer = 0;
    };
    Variables variables() const { return {v.PrzA, v.PrzB, v.Compenso, v.NettoA, v.NettoB}; }

public slots:
    void TxtPrzPer_Change();
    void CmdCalcola_Click();
    void cmdcalcola2_Click();
};
