#include "SolveOutcome.h"

#include "MathError.h"

QString NoSolutionText()
{
    return QStringLiteral("No solution with this data...");
}

QString NoSolutionText(TMathFault fault)
{
    return NoSolutionText() + QStringLiteral(" (") + QString::fromLatin1(MathFaultText(fault)) +
           u')';
}

QString NoSolutionText(const EMathError& error)
{
    return NoSolutionText(error.Fault());
}
