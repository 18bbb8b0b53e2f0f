#pragma once

#include <QObject>

class ChartMouseTest : public QObject
{
    Q_OBJECT

private slots:
    void readoutShowsThePositionInDataUnits_data();
    void readoutShowsThePositionInDataUnits();
    void readoutIsPlacedInItsCorner_data();
    void readoutIsPlacedInItsCorner();
    void readoutUsesTheGivenFormats();
    void redrawRemovesTheReadout();
    void noReadoutWhenSwitchedOff();
    void handCursorOverMovablePoints();
    void dragMovesThePoint();
    void vetoStopsTheDrag();
    void movesOutsideThePlotAreIgnoredWhileDragging();
    void lineWithoutMarkersCannotBeDragged();
    void clearInsideTheMoveHandlerEndsTheDrag();
};
