#pragma once

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

} // namespace edicola
