#pragma once

#include "MathError.h"

#include <cmath>
#include <optional>

// Arithmetic that behaves like a floating-point unit with the division-by-zero,
// invalid-operation and overflow traps on, without depending on the compiler or
// the hardware: each operation checks its result and raises EMathError instead of
// returning an infinity or a NaN. Underflow is silent (a tiny result or 0).
// A non-finite operand counts as an invalid operation.
//
// While a TFaultRecorder is alive on the thread, a fault is recorded there
// instead of raised and the operation returns NaN, which every later operation
// takes as an invalid operand. A computation that falls back when a step
// faults does so with OrElse, which works either way; a try block would not see
// a recorded fault.
namespace Checked {

// Records the first fault of the operations run during its life on this thread.
// Recorders nest: the innermost one records.
class TFaultRecorder
{
public:
    TFaultRecorder();
    ~TFaultRecorder();
    TFaultRecorder(const TFaultRecorder&) = delete;
    TFaultRecorder& operator=(const TFaultRecorder&) = delete;

    const std::optional<TMathFault>& Fault() const { return m_fault; }

    // Raises `fault`, or records it in the innermost recorder and returns NaN.
    static double Report(TMathFault fault);

private:
    TFaultRecorder* m_outer = nullptr;
    std::optional<TMathFault> m_fault;
};

double ReportDivisionFault(double dividend, double divisor);
double ReportResultFault(double a, double b);
double ReportLogFault(double x);
double ReportExpFault(double x);

inline double Add(double a, double b)
{
    const double r = a + b;
    if (!std::isfinite(r)) [[unlikely]]
        return ReportResultFault(a, b);
    return r;
}

inline double Sub(double a, double b)
{
    const double r = a - b;
    if (!std::isfinite(r)) [[unlikely]]
        return ReportResultFault(a, b);
    return r;
}

inline double Mul(double a, double b)
{
    const double r = a * b;
    if (!std::isfinite(r)) [[unlikely]]
        return ReportResultFault(a, b);
    return r;
}

inline double Div(double a, double b)
{
    const double r = a / b;
    if (!std::isfinite(r)) [[unlikely]]
        return ReportDivisionFault(a, b);
    return r;
}

// Natural logarithm: ln 0 is a division by zero, ln of a negative number invalid.
inline double Ln(double x)
{
    if (!(x > 0) || !std::isfinite(x)) [[unlikely]]
        return ReportLogFault(x);
    return std::log(x);
}

inline double Exp(double x)
{
    const double r = std::exp(x);
    if (!std::isfinite(r)) [[unlikely]]
        return ReportExpFault(x);
    return r;
}

// Runs compute() under a TFaultRecorder and gives the first fault it met, none
// when it met none. What compute() raises past that fault, in code a raised
// fault would have stopped short of, counts as that fault.
template <typename Compute> std::optional<TMathFault> FirstFault(Compute compute)
{
    const TFaultRecorder recorder;
    try {
        compute();
    } catch (...) {
        if (recorder.Fault())
            return recorder.Fault();
        throw;
    }
    return recorder.Fault();
}

// compute(), or fallback() when a step of compute() faults. compute() must have
// no effect but its result: it may run on past its fault.
template <typename Compute, typename Fallback> double OrElse(Compute compute, Fallback fallback)
{
    double result = 0;
    bool faulted = false;
    {
        const TFaultRecorder recorder;
        result = compute();
        faulted = recorder.Fault().has_value();
    }
    return faulted ? fallback() : result;
}

} // namespace Checked
