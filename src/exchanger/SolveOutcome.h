#pragma once

#include <QString>

class EMathError;

// "No solution with this data...", the text every failed solve is reported with.
QString NoSolutionText();
// The same, followed by the fault in parentheses, for the headless outputs.
QString NoSolutionText(const EMathError& error);
