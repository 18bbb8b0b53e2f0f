#include "SolveOutcome.h"

#include "ArrangementError.h"
#include "MathError.h"

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
