#pragma once

#include <QObject>

// The remembered last case without a window: what is written to the
// program's settings store and what comes back, with the window's current
// case standing in for whatever the store lacks.
class LastCaseTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void writtenCaseReadsBack();
    void storeHoldsTheDocumentedSectionsNamesAndKinds();
    void readTakesWhatTheStoreLacksFromCurrent_data();
    void readTakesWhatTheStoreLacksFromCurrent();
    void emptyValueKeepsTheOneStoredBefore();
};
