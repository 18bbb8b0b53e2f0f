#pragma once

#include <cmath>
#include <stdexcept>
#include <string>

// Effectiveness–NTU relations written the plain textbook way, in long double,
// apart from the program's own: the independent calculation the arrangement
// tests check the solver against. Only for 0 < cr and moderate ntu.
namespace Reference {

using Real = long double;

inline Real CounterFlow(Real ntu, Real cr)
{
    if (cr == 1)
        return ntu / (1 + ntu);
    const Real d = std::exp(-ntu * (1 - cr));
    return (1 - d) / (1 - cr * d);
}

inline Real CounterFlowNtu(Real e, Real cr)
{
    if (cr == 1)
        return e / (1 - e);
    return std::log((e - 1) / (e * cr - 1)) / (cr - 1);
}

inline Real ParallelFlow(Real ntu, Real cr)
{
    return (1 - std::exp(-ntu * (1 + cr))) / (1 + cr);
}

inline Real OneShellPass(Real ntu, Real cr)
{
    const Real s = std::sqrt(1 + cr * cr);
    const Real x = std::exp(-ntu * s);
    return 2 / (1 + cr + s * (1 + x) / (1 - x));
}

inline Real ShellPasses(Real ntu, Real cr, int n)
{
    const Real e1 = OneShellPass(ntu / n, cr);
    if (cr == 1)
        return n * e1 / (1 + (n - 1) * e1);
    const Real r = std::pow((1 - e1 * cr) / (1 - e1), Real(n));
    return (r - 1) / (r - cr);
}

// P(X > n), X Poisson of mean x, as 1 minus the first n + 1 terms.
inline Real PoissonAbove(int n, Real x)
{
    Real term = std::exp(-x);
    Real sum = term;
    for (int m = 1; m <= n; ++m) {
        term *= x / m;
        sum += term;
    }
    return 1 - sum;
}

inline Real CrossFlowUnmixed(Real ntu, Real cr)
{
    Real sum = 0;
    for (int n = 0; n < 200; ++n)
        sum += PoissonAbove(n, ntu) * PoissonAbove(n, cr * ntu);
    return sum / (cr * ntu);
}

inline Real CmaxMixed(Real ntu, Real cr)
{
    return (1 - std::exp(-cr * (1 - std::exp(-ntu)))) / cr;
}

inline Real CminMixed(Real ntu, Real cr)
{
    return 1 - std::exp(-(1 - std::exp(-cr * ntu)) / cr);
}

// By the key of heatxtype.ini; hotIsCmax decides which stream a mixed one is.
inline Real Effectiveness(const std::string& key, Real ntu, Real cr, bool hotIsCmax)
{
    if (key == "counter-flow")
        return CounterFlow(ntu, cr);
    if (key == "parallel-flow")
        return ParallelFlow(ntu, cr);
    if (key.rfind("shell-and-tube-", 0) == 0)
        return ShellPasses(ntu, cr, std::stoi(key.substr(15)));
    if (key == "cross-flow-unmixed")
        return CrossFlowUnmixed(ntu, cr);
    if (key == "cross-flow-hot-mixed")
        return hotIsCmax ? CmaxMixed(ntu, cr) : CminMixed(ntu, cr);
    if (key == "cross-flow-cold-mixed")
        return hotIsCmax ? CminMixed(ntu, cr) : CmaxMixed(ntu, cr);
    throw std::invalid_argument("no reference for " + key);
}

} // namespace Reference
