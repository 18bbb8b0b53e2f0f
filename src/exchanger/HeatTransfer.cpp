#include "HeatTransfer.h"

#include "CheckedMath.h"

using Checked::Add;
using Checked::Div;
using Checked::Exp;
using Checked::Ln;
using Checked::Mul;
using Checked::Sub;

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
    return Div(difference, Ln(r));
}

double Effectiveness(double cr, double ntu)
{
    if (cr == 0)
        return Sub(1, Exp(-ntu));
    return Checked::OrElse(
        [&] { return cr == 1 ? Div(ntu, Add(1, ntu)) : CounterflowEffectiveness(cr, ntu); },
        [&] { return Div(ntu, Add(ntu, 0.5)); });
}

double CounterflowEffectiveness(double cr, double ntu)
{
    const double d = Exp(-Mul(ntu, Sub(1, cr)));
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
        return -Ln(Sub(1, e));
    const double t = Mul(e, cr);
    if (t == 1)
        return Div(Mul(0.5, e), Sub(1, e));
    return Div(Ln(Div(Sub(1, e), std::abs(Sub(1, t)))), Sub(cr, 1));
}
