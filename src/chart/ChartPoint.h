#pragma once

#include "ChartTypes.h"

#include <QImage>

// One point of a chart line: its position in data units and its marker. Colours
// are held in the panel's drawing form. Made by TChartLine::AddPoint.
class TChartPoint
{
public:
    TChartPoint(TChartPanel* panel, double x, double y);

    // Stores the marker colours (in drawing form when `convertColour` is set), style and width.
    void SetStyle(TColor penColour, TColor brushColour, std::uint8_t penStyle, int penWidth,
                  bool convertColour);

    TChartPanel* Panel; // not owned
    double X;
    double Y;
    TColor PenColour = 0;
    std::uint8_t PenStyle = psSolid;
    int PenWidth = 1;
    TColor BrushColour = 0;
    std::uint8_t PointType = ptNone;
    const QImage* Glyph = nullptr; // the owning line's glyph
    int Size = 0;
    TPointVec Shape;
    bool Movable = false;
};
