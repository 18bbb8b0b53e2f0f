#pragma once

#include <QString>

class TVerdict;

// "No solution with this data...", the text every failed solve is reported with.
QString NoSolutionText();
// "Infeasible  (" + method + "): " + the first finding: the status of a case
// that solved but that its verdict finds infeasible.
QString InfeasibleText(const QString& method, const TVerdict& verdict);
// The status line of a solved case by its verdict: "Solved  (" + method + ")..."
// when feasible, "Solved with warnings  (" + method + "): " + the first warning,
// or InfeasibleText.
QString SolvedStatusText(const QString& method, const TVerdict& verdict);
