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

public slots:
    void TxtPrzPer_Change();
    void CmdCalcola_Click();
    void cmdcalcola2_Click();
};
