#include "CheckedMath.h"

#include <limits>

namespace Checked {

namespace {

thread_local TFaultRecorder* innermost = nullptr;

bool BothFinite(double a, double b)
{
    return std::isfinite(a) && std::isfinite(b);
}

} // namespace

TFaultRecorder::TFaultRecorder() : m_outer(innermost)
{
    innermost = this;
}

TFaultRecorder::~TFaultRecorder()
{
    innermost = m_outer;
}

double TFaultRecorder::Report(TMathFault fault)
{
    if (!innermost)
        throw EMathError(fault);
    if (!innermost->m_fault)
        innermost->m_fault = fault;
    return std::numeric_limits<double>::quiet_NaN();
}

double ReportDivisionFault(double dividend, double divisor)
{
    if (!BothFinite(dividend, divisor) || (divisor == 0 && dividend == 0))
        return TFaultRecorder::Report(TMathFault::mfInvalidOp);
    return TFaultRecorder::Report(divisor == 0 ? TMathFault::mfZeroDivide : TMathFault::mfOverflow);
}

double ReportResultFault(double a, double b)
{
    return TFaultRecorder::Report(BothFinite(a, b) ? TMathFault::mfOverflow
                                                   : TMathFault::mfInvalidOp);
}

double ReportLogFault(double x)
{
    return TFaultRecorder::Report(x == 0 ? TMathFault::mfZeroDivide : TMathFault::mfInvalidOp);
}

double ReportExpFault(double x)
{
    return TFaultRecorder::Report(std::isfinite(x) ? TMathFault::mfOverflow
                                                   : TMathFault::mfInvalidOp);
}

} // namespace Checked
