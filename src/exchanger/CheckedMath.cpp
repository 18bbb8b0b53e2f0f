#include "CheckedMath.h"

namespace Checked {

namespace {

bool BothFinite(double a, double b)
{
    return std::isfinite(a) && std::isfinite(b);
}

} // namespace

void RaiseDivisionFault(double dividend, double divisor)
{
    if (!BothFinite(dividend, divisor) || (divisor == 0 && dividend == 0))
        throw EMathError(TMathFault::mfInvalidOp);
    throw EMathError(divisor == 0 ? TMathFault::mfZeroDivide : TMathFault::mfOverflow);
}

void RaiseResultFault(double a, double b)
{
    throw EMathError(BothFinite(a, b) ? TMathFault::mfOverflow : TMathFault::mfInvalidOp);
}

void RaiseLogFault(double x)
{
    throw EMathError(x == 0 ? TMathFault::mfZeroDivide : TMathFault::mfInvalidOp);
}

void RaiseExpFault(double x)
{
    throw EMathError(std::isfinite(x) ? TMathFault::mfOverflow : TMathFault::mfInvalidOp);
}

} // namespace Checked
