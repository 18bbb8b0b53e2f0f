#include "ChartPoint.h"

TChartPoint::TChartPoint(TChartPanel* panel, const TDrawingForm& drawingForm, double x, double y)
    : Panel(panel), X(x), Y(y), m_drawingForm(&drawingForm)
{
}

void TChartPoint::SetStyle(TColor penColour, TColor brushColour, std::uint8_t penStyle,
                           int penWidth, bool convertColour)
{
    PenColour = convertColour ? (*m_drawingForm)(penColour) : penColour;
    BrushColour = convertColour ? (*m_drawingForm)(brushColour) : brushColour;
    PenStyle = penStyle;
    PenWidth = penWidth;
}
