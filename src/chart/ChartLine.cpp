#include "ChartLine.h"

#include "ScaleSteps.h"

namespace {

int GlyphSize(const QImage& glyph)
{
    return int(TScaleSteps::Round((glyph.width() + glyph.height()) * 0.5));
}

} // namespace

TChartLine::TChartLine(TChartPanel* panel, TDrawingForm drawingForm, TColor colour,
                       std::uint8_t pointType, int size, const TPointVec& shape)
    : Panel(panel), PointType(pointType), Size(size), Shape(shape), LineColour(drawingForm(colour)),
      m_drawingForm(std::move(drawingForm))
{
}

void TChartLine::SetPen(std::uint8_t style, int width)
{
    PenStyle = style;
    PenWidth = width;
    for (const auto& point : m_points) {
        point->PenStyle = style;
        point->PenWidth = width;
    }
}

void TChartLine::SetMarkerStyle(TColor penColour, TColor brushColour, std::uint8_t penStyle,
                                int penWidth)
{
    MarkerPenColour = m_drawingForm(penColour);
    MarkerBrushColour = m_drawingForm(brushColour);
    MarkerPenStyle = penStyle;
    MarkerPenWidth = penWidth;
    for (const auto& point : m_points)
        point->SetStyle(penColour, brushColour, penStyle, penWidth, true);
}

void TChartLine::SetGlyph(QImage glyph)
{
    m_glyph = std::make_unique<QImage>(std::move(glyph));
    Size = GlyphSize(*m_glyph);
}

TChartPoint* TChartLine::AddPoint(double x, double y)
{
    auto point = std::make_unique<TChartPoint>(Panel, m_drawingForm, x, y);
    point->PenColour = LineColour;
    point->BrushColour = LineColour;
    point->PointType = PointType;
    point->Size = m_glyph ? GlyphSize(*m_glyph) : Size;
    point->Shape = Shape;
    point->Glyph = m_glyph.get();
    point->Movable = PointType != ptNone;
    point->SetStyle(MarkerPenColour, MarkerBrushColour, MarkerPenStyle, MarkerPenWidth, false);
    m_points.push_back(std::move(point));
    return m_points.back().get();
}
