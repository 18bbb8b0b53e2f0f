#pragma once

#include <QObject>

// The list of recent case files without a window: its order, its limit, and
// what the program's settings store keeps of it.
class RecentFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void newestComesFirst_data();
    void newestComesFirst();
    void oldestGoesBeyondEight();
    void removeDropsOnlyThatFile();
    void writtenListReadsBackFromTheStore();
    void readSkipsEmptyAndRepeatedEntries();
    void shorterListReplacesLongerOne();
};
