#include "ChartPoint.h"

#include "QvChartPanel.h"

TChartPoint::TChartPoint(TChartPanel* panel, double x, double y) : Panel(panel), X(x), Y(y) {}

void TChartPoint::SetStyle(TColor penColour, TColor brushColour, std::uint8_t penStyle,
                           int penWidth, bool convertColour)
{
    PenColour = convertColour ? Panel->DrawingForm(penColour) : penColour;
    BrushColour = convertColour ? Panel->DrawingForm(brushColour) : brushColour;
    PenStyle = penStyle;
    PenWidth = penWidth;
}
