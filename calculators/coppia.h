#pragma once

#include "shell/form.h"

class QLabel;
class QLineEdit;
class QRadioButton;

// A bundle of two products, A and B, sold together, with one compensation per
// bundle on the product that the radio-button array Option1 picks (index 0: A,
// index 1: B): newspaper + newspaper (Quot_Quot) and newspaper or periodical +
// periodical (Quot_Period) run this one procedure. They differ in their control
// tables, in the names of B's price field and net-price label, and in the
// compensation each of their "Calcola" buttons charges.
class Coppia : public Form
{
    Q_OBJECT
public:
    // Control names of product B.
    struct ProductB
    {
        const char *price;
        const char *net;
    };

public slots:
    void TxtPrzQA_Change();
    void CmdAnnulla_Click();
    void CmdEsci_Click();

protected:
    Coppia(const Window &window, std::span<const Control> controls, ProductB b);

    // The change reaction of B's price field.
    void prezzoBChanged();
    // "Calcola" with the compensation C: the bearer's net is (P - margin) - C, the
    // other's P - margin; the three labels show them and the focus stays put.
    void calcola(double compenso);

private:
    // The window variables, under names common to both windows (PrzB is
    // Quot_Quot's PrzQB and Quot_Period's PrzPer, NettoB their NettoB and NettoPer).
    struct Values
    {
        double PrzA = 0;
        double PrzB = 0;
        double Compenso = 0;
        double NettoA = 0;
        double NettoB = 0;
    };
    Values v;

    QLineEdit *TxtPrzQA;
    QLineEdit *txtPrzB;
    QList<QRadioButton *> Option1;
    QLabel *lblCompenso;
    QLabel *lblNettoA;
    QLabel *lblNettoB;
};
