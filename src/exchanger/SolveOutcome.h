#pragma once

#include "MathError.h"

#include <QString>

// "No solution with this data...", the text every failed solve is reported with.
QString NoSolutionText();
// The same, followed by the fault in parentheses, for the headless outputs.
QString NoSolutionText(TMathFault fault);
QString NoSolutionText(const EMathError& error);
