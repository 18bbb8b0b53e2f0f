#pragma once

#include <stdexcept>

// The floating-point faults that end a solve; underflow and inexact results are not faults.
enum class TMathFault
{
    mfZeroDivide,
    mfInvalidOp,
    mfOverflow
};

// "Floating point division by zero", "Invalid floating point operation",
// "Floating point overflow".
const char* MathFaultText(TMathFault fault);

// A floating-point fault caught before its non-finite result could be stored.
class EMathError : public std::runtime_error
{
public:
    explicit EMathError(TMathFault fault);

    TMathFault Fault() const { return m_fault; }

private:
    TMathFault m_fault;
};
