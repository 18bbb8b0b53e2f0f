#pragma once

#include <QObject>

class ChartModelTest : public QObject
{
    Q_OBJECT

private slots:
    void defaults();
    void setRangeWidensEqualLimits_data();
    void setRangeWidensEqualLimits();
    void ticksAreAtLeastTwo();
    void logarithmicLimitsReplaceNonPositiveValues();
    void scaleTypeKeepsTheRangeInDataUnits();
    void autoScaleYOnLogarithmicAxisLeavesTicks();
    void addLineStoresTheDrawingForm();
    void addPointTakesTheLineMarker();
    void lineAndPointsConvertThroughTheDrawingFormTheyAreGiven();
    void setPenAndMarkerStyleReachExistingPoints();
    void glyphSetsTheMarkerSize();
    void lineWithoutMarkersHasNoMovablePoints();
    void fontsAreCopied();
    void clearReleasesLinesAndForgetsTheHit();
    void systemColorsResolveThroughThePalette();
};
