#pragma once

#include <array>
#include <cstdint>

namespace edicola {

// Margin rates, in percent: the margin is 19 % of the part of the price given
// by the base rate (98.8 %, or a lower defiscalization rate).
inline constexpr double kBaseRate = 98.8;

// Compensations per insert or per bundle.
inline constexpr double kCompensoPieno = 0.0185;
inline constexpr double kCompensoRidotto = 0.0037;

// ((P * rate) / 100) * 19 / 100, one double operation at a time in this order.
// Where P * rate alone would overflow, it is carried at a scaled exponent so
// that the digits are those of an unbounded exponent range.
double margin(double price, double rate);

// P - margin(P, rate)
double netPrice(double price, double rate = kBaseRate);

// Newspaper with free inserts.
struct GratuitoResult
{
    double Compenso = 0;
    double Netto = 0;
};
GratuitoResult calcolaGratuito(double PrzQ, double PrzOd, std::int16_t NumIns);

// Insert sold at a price of its own: compensation only below the threshold, the
// margin at a chosen defiscalization rate, and on request a re-charge.
inline constexpr double kSogliaCompenso = 5.00;
inline constexpr std::array<double, 3> kDefiscalizzazione = {kBaseRate, 96, 92};

// How much larger the reference newspaper's net is at `rate` than at 98.8 %: the
// difference of the two nets, each held as a double. Not the algebraic shortcut
// R * (98.8 - rate) * 19 / 10000, whose last digits differ.
double riaddebito(double PrzQuotRif, double rate);

struct NonGratuitoResult
{
    double Compenso = 0;
    double Riaddebito = 0;
    double NettoInserto = 0;
    bool defiscalizzato = false; // a rate below 98.8 %: the re-charge has a figure to show
};
NonGratuitoResult calcolaNonGratuito(double PrzInserto, double PrzQuotRif, double rate,
                                     bool chkRiaddebito);

// Two products sold together, one compensation per bundle on the one that bears
// it: newspaper + newspaper, newspaper or periodical + periodical.
enum class Portatore { A, B };
struct CoppiaResult
{
    double Compenso = 0;
    double NettoA = 0;
    double NettoB = 0;
};
CoppiaResult calcolaCoppia(double PrzA, double PrzB, double Compenso, Portatore chi);

} // namespace edicola
