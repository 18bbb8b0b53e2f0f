#pragma once

#include <QObject>

class ChartPaintingTest : public QObject
{
    Q_OBJECT

private slots:
    void frameFillsPanelAndPlot();
    void gridLinesLieAtTheTicks();
    void yGridFollowsAutoScale_data();
    void yGridFollowsAutoScale();
    void equalLimitsDrawNoScales();
    void undefinedRangeDrawsNoScale();
    void labelsAndTitlesAreDrawn();
    void labelsAreOpaqueOverThePlot();
    void logarithmicScaleLabelsEveryMajorTick();
    void axesByAxisType_data();
    void axesByAxisType();
    void lineDrawnTwiceRestoresTheCanvas_data();
    void lineDrawnTwiceRestoresTheCanvas();
    void lineShowsItsOwnColourOnTheGrid();
    void crossingLinesShowTheNotXorCombination();
    void segmentWithBothEndsOutsideIsNotDrawn();
    void segmentWithOneEndInsideIsNotClipped();
    void markerOutOfRangeIsNotDrawn();
    void clearThenRedrawShowsNoLines();
    void gridColorChangeShiftsStoredColours();
};
