#include "SolveOutcome.h"

#include "ArrangementError.h"
#include "MathError.h"
#include "Verdict.h"

QString NoSolutionText()
{
    return QStringLiteral("No solution with this data...");
}

QString NoSolutionText(const EMathError& error)
{
    return NoSolutionText() + QStringLiteral(" (") + QString::fromLatin1(error.what()) + u')';
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
