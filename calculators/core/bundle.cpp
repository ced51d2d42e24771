#include "bundle.h"

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

} // namespace edicola
