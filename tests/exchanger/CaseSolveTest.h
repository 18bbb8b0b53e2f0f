#pragma once

#include <QObject>

// The one solve entry point: a case input in, the solved record with its
// verdict, or the failure as a value, out.
class CaseSolveTest : public QObject
{
    Q_OBJECT
private slots:
    void failureComesBackWithItsKindAndStep_data();
    void failureComesBackWithItsKindAndStep();
    void tableProblemsAreWarnings();
    void maskThatComputesNothingKeepsThePreviousMethod();
};
