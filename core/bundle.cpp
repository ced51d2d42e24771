#include "core/bundle.h"

#include <cmath>

namespace edicola {

namespace {

double marginSteps(double t, double rate)
{
    t = t * rate;
    t = t / 100;
    t = t * 19;
    t = t / 100;
    return t;
}

} // namespace

double margin(double price, double rate)
{
    if (std::isfinite(price) && std::isinf(price * rate)) {
        // Scaling by a power of two is exact, so each step rounds as it would
        // with a wider exponent; the final margin is well inside the range.
        int exponent = 0;
        const double fraction = std::frexp(price, &exponent);
        return std::ldexp(marginSteps(fraction, rate), exponent);
    }
    return marginSteps(price, rate);
}

double netPrice(double price, double rate)
{
    return price - margin(price, rate);
}

GratuitoResult calcolaGratuito(double PrzQ, double PrzOd, std::int16_t NumIns)
{
    const double rate = PrzQ >= PrzOd ? kCompensoPieno : kCompensoRidotto;
    GratuitoResult r;
    r.Compenso = double(NumIns) * rate;
    r.Netto = netPrice(PrzOd) - r.Compenso;
    return r;
}

double riaddebito(double PrzQuotRif, double rate)
{
    const double N98 = netPrice(PrzQuotRif, kBaseRate);
    const double ND = netPrice(PrzQuotRif, rate);
    return ND - N98;
}

NonGratuitoResult calcolaNonGratuito(double PrzInserto, double PrzQuotRif, double rate,
                                     bool chkRiaddebito)
{
    NonGratuitoResult r;
    r.Compenso = PrzInserto < kSogliaCompenso ? kCompensoRidotto : 0.0;
    r.defiscalizzato = rate != kBaseRate;
    if (r.defiscalizzato && chkRiaddebito)
        r.Riaddebito = riaddebito(PrzQuotRif, rate);
    r.NettoInserto = (netPrice(PrzInserto, rate) - r.Compenso) + r.Riaddebito;
    return r;
}

CoppiaResult calcolaCoppia(double PrzA, double PrzB, double Compenso, Portatore chi)
{
    CoppiaResult r;
    r.Compenso = Compenso;
    r.NettoA = netPrice(PrzA);
    r.NettoB = netPrice(PrzB);
    (chi == Portatore::A ? r.NettoA : r.NettoB) -= r.Compenso;
    return r;
}

} // namespace edicola
