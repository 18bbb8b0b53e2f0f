#pragma once

#include <QObject>

// The headless solver's commands, outputs and exit codes, run in process.
class HeadlessSolverTest : public QObject
{
    Q_OBJECT

private slots:
    void recognisesItsCommands_data();
    void recognisesItsCommands();
    void tellsOptionsFromValues_data();
    void tellsOptionsFromValues();
    void exitCodesAndMessages_data();
    void exitCodesAndMessages();
    void solvePrintsTheResultsText();
    void jsonHoldsEveryFieldAtFullPrecision();
    void jsonEscapesTexts();
    void batchReadsAFile();
    void helpTellsTheVerdictsAndExitStatuses();
    void verdictReachesEveryOutputAlike_data();
    void verdictReachesEveryOutputAlike();
};
