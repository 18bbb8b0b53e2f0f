#pragma once

#include <QObject>

// The platform services: the headless stand-in and the desktop's own through Qt.
class QtPlatformTest : public QObject
{
    Q_OBJECT

private slots:
    void headlessStandInKeepsTheClipboardInTheProcess();
    void qtPlatformInstallsItselfForItsLifetime();
    void qtPlatformClipboardRoundTrip();
    void qtPlatformShowsPlainOkBox();
};
