#pragma once

#include "MathError.h"

#include <cmath>

// Arithmetic that behaves like a floating-point unit with the division-by-zero,
// invalid-operation and overflow traps on, without depending on the compiler or
// the hardware: each operation checks its result and raises EMathError instead of
// returning an infinity or a NaN. Underflow is silent (a tiny result or 0).
// A non-finite operand counts as an invalid operation.
namespace Checked {

[[noreturn]] void RaiseDivisionFault(double dividend, double divisor);
[[noreturn]] void RaiseResultFault(double a, double b);
[[noreturn]] void RaiseLogFault(double x);
[[noreturn]] void RaiseExpFault(double x);

inline double Add(double a, double b)
{
    const double r = a + b;
    if (!std::isfinite(r)) [[unlikely]]
        RaiseResultFault(a, b);
    return r;
}

inline double Sub(double a, double b)
{
    const double r = a - b;
    if (!std::isfinite(r)) [[unlikely]]
        RaiseResultFault(a, b);
    return r;
}

inline double Mul(double a, double b)
{
    const double r = a * b;
    if (!std::isfinite(r)) [[unlikely]]
        RaiseResultFault(a, b);
    return r;
}

inline double Div(double a, double b)
{
    const double r = a / b;
    if (!std::isfinite(r)) [[unlikely]]
        RaiseDivisionFault(a, b);
    return r;
}

// Natural logarithm: ln 0 is a division by zero, ln of a negative number invalid.
inline double Ln(double x)
{
    if (!(x > 0) || !std::isfinite(x)) [[unlikely]]
        RaiseLogFault(x);
    return std::log(x);
}

inline double Exp(double x)
{
    const double r = std::exp(x);
    if (!std::isfinite(r)) [[unlikely]]
        RaiseExpFault(x);
    return r;
}

} // namespace Checked
