#pragma once

#include <QObject>

// The batch solver's CSV output and the line reader and CSV writer under it.
class BatchSolverTest : public QObject
{
    Q_OBJECT

private slots:
    void lineReader_data();
    void lineReader();
    void lineReaderDropsOverlongLines_data();
    void lineReaderDropsOverlongLines();
    void overlongLineGetsAStatusAndTheBatchGoesOn();
    void csvQuotesOnlyWhereNeeded();
    void csvNumbersAreTheRoundTripTexts();
    void csvFieldsCrossBufferBoundariesWhole();
    void csvRefusedWriteIsReported();
    void rowsMatchDirectSolvesExactly();
    void badLinesGiveAStatusAndTheBatchGoesOn_data();
    void badLinesGiveAStatusAndTheBatchGoesOn();
    void emptyInputGivesTheHeaderOnly();
    void eachLineStartsFromTheInitialCase();
    void namesWithCommasAreQuoted();
};
