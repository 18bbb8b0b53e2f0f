#pragma once

#include <QObject>

// The interactive program from module start-up to shutdown: the window opens
// solved, closing it stores the last case and writes the units settings, and
// the process-wide case is released; "--quit-after-start" ends it once solved.
class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void programOpensSolvedAndStoresOnClose();
    void quitAfterStartEndsSolvedWithoutStoring_data();
    void quitAfterStartEndsSolvedWithoutStoring();
    void exceptionInEventHandlerIsShown();
    void actionErrorsAreShownWithTheirText();
    void corruptedFileGivesTheDefaults_data();
    void corruptedFileGivesTheDefaults();
    void caseFileOnTheCommandLineOpensSolved();
};
