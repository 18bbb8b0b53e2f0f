#pragma once

#include "ChartTypes.h"

#include <QImage>

// One point of a chart line: its position in data units and its marker. Colours
// are held in the drawing form that `drawingForm` gives, the owning line's.
// Made by TChartLine::AddPoint.
class TChartPoint
{
public:
    TChartPoint(TChartPanel* panel, const TDrawingForm& drawingForm, double x, double y);

    // Stores the marker colours (in drawing form when `convertColour` is set), style and width.
    void SetStyle(TColor penColour, TColor brushColour, std::uint8_t penStyle, int penWidth,
                  bool convertColour);

    TChartPanel* Panel = nullptr; // the chart it belongs to; not owned
    double X = 0;
    double Y = 0;
    TColor PenColour = 0;
    std::uint8_t PenStyle = psSolid;
    int PenWidth = 1;
    TColor BrushColour = 0;
    std::uint8_t PointType = ptNone;
    const QImage* Glyph = nullptr; // the owning line's glyph
    int Size = 0;
    TPointVec Shape;
    bool Movable = false;

private:
    const TDrawingForm* m_drawingForm = nullptr; // the owning line's
};
