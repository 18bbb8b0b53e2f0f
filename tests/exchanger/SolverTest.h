#pragma once

#include <QObject>

// Solve: the choice of method from the mask, each method's results, and each
// floating-point fault that ends a solve.
class SolverTest : public QObject
{
    Q_OBJECT

private slots:
    void methods_data();
    void methods();
    void ratingWithoutEnoughTemperaturesComputesNothing_data();
    void ratingWithoutEnoughTemperaturesComputesNothing();
    void effectivenessNtuIgnoresHeldCapacityRates();
    void failures_data();
    void failures();
    void impossibleTemperaturesStopTheSolve_data();
    void impossibleTemperaturesStopTheSolve();
    void failureKeepsTheStepsAlreadyDone();
    void solveOrFaultReturnsTheFault_data();
    void solveOrFaultReturnsTheFault();
    void solveOrFaultAgreesWithSolve_data();
    void solveOrFaultAgreesWithSolve();
    void solvedRecordKeepsItsInvariants_data();
    void solvedRecordKeepsItsInvariants();
};
