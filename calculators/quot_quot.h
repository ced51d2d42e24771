#pragma once

#include "calculators/coppia.h"

// Newspaper + newspaper: one compensation of 0.0185 per bundle, on the newspaper
// that Option1 picks.
class Quot_Quot : public Coppia
{
    Q_OBJECT
public:
    explicit Quot_Quot();

    struct Variables
    {
        double PrzQA = 0;
        double PrzQB = 0;
        double Compenso = 0;
        double NettoA = 0;
        double NettoB = 0;
    };
    Variables variables() const { return {v.PrzA, v.PrzB, v.Compenso, v.NettoA, v.NettoB}; }

public slots:
    void TxtPrzQB_Change();
    void CmdCalcola_Click();
};
