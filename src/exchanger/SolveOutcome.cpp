#include "SolveOutcome.h"

#include "ArrangementError.h"
#include "MathError.h"
#include "Verdict.h"

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

QString NoSolutionText(const EArrangementError& error)
{
    return NoSolutionText() + QStringLiteral(" (") + QString::fromUtf8(error.what()) + u')';
}

QString InfeasibleText(const QString& method, const TVerdict& verdict)
{
    return QStringLiteral("Infeasible  (") + method + QStringLiteral("): ") +
           verdict.Findings().value(0);
}
