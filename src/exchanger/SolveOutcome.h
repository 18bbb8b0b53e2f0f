#pragma once

#include "MathError.h"

#include <QString>

class EArrangementError;
class TVerdict;

// "No solution with this data...", the text every failed solve is reported with.
QString NoSolutionText();
// The same, followed by the fault in parentheses, for the headless outputs.
QString NoSolutionText(TMathFault fault);
QString NoSolutionText(const EMathError& error);
// The same, followed by what is wrong with the type's arrangement, in parentheses:
// the window's status line and the headless outputs alike.
QString NoSolutionText(const EArrangementError& error);
// "Infeasible  (" + method + "): " + the first finding: the status of a case
// that solved but that its verdict finds infeasible.
QString InfeasibleText(const QString& method, const TVerdict& verdict);
// The status line of a solved case by its verdict: "Solved  (" + method + ")..."
// when feasible, "Solved with warnings  (" + method + "): " + the first warning,
// or InfeasibleText.
QString SolvedStatusText(const QString& method, const TVerdict& verdict);
