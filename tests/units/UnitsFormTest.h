#pragma once

#include <QObject>

// The units pop-up list: its contents, size, window style and the three ways it closes.
class UnitsFormTest : public QObject
{
    Q_OBJECT

private slots:
    void listsUnitsWithCurrentSelected();
    void heightFollowsItemCount_data();
    void heightFollowsItemCount();
    void widthFitsWidestName();
    void noneTypeGivesEmptyList();
    void shownModallyAtComputedSize();
    void borderlessAndOnTop();
    void closesOnKey_data();
    void closesOnKey();
    void mousePressSelectsItemAndCloses();
    void mousePressBelowItemsKeepsSelection();
};
