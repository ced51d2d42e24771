#pragma once

#include "calculators/coppia.h"

// Newspaper + newspaper: one compensation of 0.0185 per bundle, on the newspaper
// that Option1 picks.
class Quot_Quot : public Coppia
{
    Q_OBJECT
public:
    explicit Quot_Quot();

public slots:
    void TxtPrzQB_Change();
    void CmdCalcola_Click();
};
