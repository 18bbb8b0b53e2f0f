#include "MathError.h"

const char* MathFaultText(TMathFault fault)
{
    switch (fault) {
    case TMathFault::mfZeroDivide:
        return "Floating point division by zero";
    case TMathFault::mfInvalidOp:
        return "Invalid floating point operation";
    case TMathFault::mfOverflow:
        return "Floating point overflow";
    }
    return "Floating point fault";
}

EMathError::EMathError(TMathFault fault) : std::runtime_error(MathFaultText(fault)), m_fault(fault)
{
}
