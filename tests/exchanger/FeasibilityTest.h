#pragma once

#include <QObject>

// The verdict on a solved case: each finding and warning, the cases that have
// none, and the solves with a verdict failing where the results texts fail.
class FeasibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void verdicts_data();
    void verdicts();
    void solveComputesExactlyWhenSolveChangesTheRecord();
    void infeasibleFindingsComeBeforeWarnings();
    void diagnosticOverflowFailsTheSolve();
    void diagnosticLinesShowTheCheckedProducts();
};
