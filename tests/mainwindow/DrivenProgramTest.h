#pragma once

#include <QObject>

// The window program as its own process, as the desktop and the system see
// it: the titles an X display holds for its windows, and a file size limit
// (ulimit -f) that makes Save and the settings written on close fail.
class DrivenProgramTest : public QObject
{
    Q_OBJECT

private slots:
    void desktopShowsEachWindowsOwnCaption();
    void fileSizeLimitFailsSavesWithoutEndingTheProgram();
    void openOfAHugeFileIsRefusedInBoundedMemory();
};
