#pragma once

#include <QObject>

class ScaleStepsTest : public QObject
{
    Q_OBJECT

private slots:
    void roundIsHalfToEven_data();
    void roundIsHalfToEven();
    void roundToStep_data();
    void roundToStep();
    void rangeStep_data();
    void rangeStep();
    void tickStep_data();
    void tickStep();
    void logFloor_data();
    void logFloor();
    void logStart_data();
    void logStart();
    void nextLogTickStopsAtEachPowerPassed_data();
    void nextLogTickStopsAtEachPowerPassed();
    void valueInListComparesExactly();
};
