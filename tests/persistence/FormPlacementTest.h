#pragma once

#include <QObject>

class FormPlacementTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void saveWritesEveryValue();
    void restoreBringsBackPositionAndSize();
    void restoreWithoutSizeKeepsTheSize();
    void missingValuesLeaveTheWindowAlone();
    void offScreenPlacesArePulledBack_data();
    void offScreenPlacesArePulledBack();
    void visibility_data();
    void visibility();
    void winState_data();
    void winState();
    void maximisedWindowKeepsItsNormalPlace();
    void minimisedOrMaximisedWindowReturnsToItsFrame_data();
    void minimisedOrMaximisedWindowReturnsToItsFrame();
};
