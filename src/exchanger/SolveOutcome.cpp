#include "SolveOutcome.h"

#include "Verdict.h"

QString NoSolutionText()
{
    return QStringLiteral("No solution with this data...");
}

namespace {

// Infeasible findings come first, so the first finding is the one that decides the verdict.
QString FirstFindingText(const QString& lead, const QString& method, const TVerdict& verdict)
{
    return lead + QStringLiteral("  (") + method + QStringLiteral("): ") +
           verdict.Findings().value(0);
}

} // namespace

QString InfeasibleText(const QString& method, const TVerdict& verdict)
{
    return FirstFindingText(QStringLiteral("Infeasible"), method, verdict);
}

QString SolvedStatusText(const QString& method, const TVerdict& verdict)
{
    switch (verdict.Kind()) {
    case TVerdict::vkInfeasible:
        return InfeasibleText(method, verdict);
    case TVerdict::vkWarnings:
        return FirstFindingText(QStringLiteral("Solved with warnings"), method, verdict);
    case TVerdict::vkFeasible:
        break;
    }
    return QStringLiteral("Solved  (") + method + QStringLiteral(")...");
}
