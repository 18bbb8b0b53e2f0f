#pragma once

#include <QObject>

// The solve where its numbers used to fail: balanced streams, pinches and
// crosses in both directions, an effectiveness at an arrangement's limit, and
// the design warnings of an arrangement. Through the solver and through the
// three headless outputs of the built program alike.
class SolverEdgesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void balancedCasesKeepTheirIdentities();
    void designWarningsOfAnArrangement_data();
    void designWarningsOfAnArrangement();
    void valuesNotReachedAreBlankInEveryOutput();
    void casesThroughEveryOutput_data();
    void casesThroughEveryOutput();

private:
    QString m_program;
};
