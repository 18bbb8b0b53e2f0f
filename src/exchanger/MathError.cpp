#include "MathError.h"

namespace {

const char* FaultText(TMathFault fault)
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

} // namespace

EMathError::EMathError(TMathFault fault) : std::runtime_error(FaultText(fault)), m_fault(fault) {}
