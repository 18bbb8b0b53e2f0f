#include "HeatTransfer.h"

#include "CheckedMath.h"

#include <cmath>

using Checked::Add;
using Checked::Div;
using Checked::Exp;
using Checked::Ln;
using Checked::Mul;
using Checked::Sub;

namespace {

// Where a textbook form takes the logarithm of a ratio within this of 1, or
// subtracts an exponential within this of 1 from 1, its rounding error of about
// 1e-16 is magnified by up to 1/NearOne: above it, the error stays below 1e-13.
constexpr double NearOne = 1e-3;

// 1 - exp(-x): by expm1 where exp(-x) is near 1 and the difference would cancel.
double OneMinusExp(double x)
{
    if (x >= 0 && x < NearOne)
        return -std::expm1(-x);
    return Sub(1, Exp(-x));
}

// (dt1 - dt2)/ln(dt1/dt2) as difference/log1p(difference/dt2): accurate however
// close the two end differences are.
double NearlyEqualEndsLmtd(double difference, double dt2)
{
    const double x = Div(difference, dt2);
    if (x == 0)
        return dt2; // the difference is below the smallest ratio a double holds
    return Div(difference, std::log1p(x));
}

// x = 1 - exp(-ntu (1 - cr)) by expm1, and 1 - cr exp(-ntu (1 - cr)) written as
// (1 - cr) + cr x, so that neither difference cancels as cr approaches 1.
double NearlyBalancedEffectiveness(double cr, double ntu, double exponent)
{
    if (exponent == 0)
        return Div(ntu, Add(ntu, 1)); // cr is 1 (or ntu 0)
    const double x = -std::expm1(-exponent);
    return Div(x, Add(Sub(1, cr), Mul(cr, x)));
}

} // namespace

double Lmtd(double thi, double tho, double tci, double tco)
{
    const double dt1 = Sub(thi, tco);
    const double dt2 = Sub(tho, tci);
    if (dt1 == 0 || dt2 == 0)
        return 0;
    const double difference = Sub(dt1, dt2);
    if (difference == 0)
        return dt1;
    const double r = Div(dt1, dt2);
    if (!(r > 0))
        return 0;
    if (std::abs(difference) < NearOne * std::abs(dt2))
        return NearlyEqualEndsLmtd(difference, dt2);
    return Div(difference, Ln(r));
}

double Effectiveness(double cr, double ntu)
{
    if (cr == 0)
        return OneMinusExp(ntu);
    return Checked::OrElse(
        [&] { return cr == 1 ? Div(ntu, Add(1, ntu)) : CounterflowEffectiveness(cr, ntu); },
        [&] { return Div(ntu, Add(ntu, 0.5)); });
}

double CounterflowEffectiveness(double cr, double ntu)
{
    const double exponent = Mul(ntu, Sub(1, cr));
    if (exponent >= 0 && exponent < NearOne)
        return NearlyBalancedEffectiveness(cr, ntu, exponent);
    const double d = Exp(-exponent);
    const double t = Mul(cr, d);
    if (std::abs(t - 1) < 1e-9)
        return Div(ntu, Add(ntu, 1));
    return Div(Sub(1, d), Sub(1, t));
}

double NtuFromEffectiveness(double cr, double e)
{
    if (cr == 1)
        return e == 1 ? 100 : Div(e, Sub(1, e));
    if (e >= 1)
        return 10;
    if (cr == 0)
        return e >= 0 && e < NearOne ? -std::log1p(-e) : -Ln(Sub(1, e));
    const double t = Mul(e, cr);
    if (t == 1)
        return Div(Mul(0.5, e), Sub(1, e));
    if (cr > 0 && cr < 1 && e >= 0) {
        // (1 - e)/(1 - e cr) = 1/(1 + y) with y = e (1 - cr)/(1 - e), and
        // 1 - e cr = (1 - e) + e (1 - cr): both without cancelling. The textbook
        // ln((1 - e)/(1 - t)) errs by about 1e-16/((1 - t) |ln|) relative.
        const double oneMinusE = Sub(1, e);
        const double excess = Mul(e, Sub(1, cr));
        const double logRatio = std::log1p(Div(excess, oneMinusE)); // -ln((1 - e)/(1 - t))
        if (Add(oneMinusE, excess) * logRatio < NearOne)
            return Div(logRatio, Sub(1, cr));
    }
    return Div(Ln(Div(Sub(1, e), std::abs(Sub(1, t)))), Sub(cr, 1));
}
