#pragma once

#include "ChartPoint.h"
#include "ChartTypes.h"

#include <QImage>
#include <memory>
#include <vector>

// A polyline of the chart: its points in the order added, the pen of its
// segments and the marker its new points get. Colours are held in the drawing
// form that `drawingForm` gives. Made by TChartPanel::AddLine; owns its points
// and its glyph.
class TChartLine
{
public:
    using TChartPointVec = std::vector<std::unique_ptr<TChartPoint>>;

    TChartLine(TChartPanel* panel, TDrawingForm drawingForm, TColor colour, std::uint8_t pointType,
               int size, const TPointVec& shape);
    // Its points refer to its drawing form: it stays where it was made.
    TChartLine(const TChartLine&) = delete;
    TChartLine& operator=(const TChartLine&) = delete;

    // Sets the segment pen and gives it to every point already in the line.
    void SetPen(std::uint8_t style, int width);
    // Sets the marker pen and brush for new points and gives them to every point already in it.
    void SetMarkerStyle(TColor penColour, TColor brushColour, std::uint8_t penStyle, int penWidth);
    // Appends a point at (x, y) in data units with the line's marker.
    TChartPoint* AddPoint(double x, double y);

    const TChartPointVec& Points() const { return m_points; }
    const QImage* Glyph() const { return m_glyph.get(); }
    // Takes a glyph already converted for drawing; new points and Size follow it.
    void SetGlyph(QImage glyph);

    TChartPanel* Panel = nullptr; // the chart it belongs to; not owned
    std::uint8_t PointType = ptNone;
    int Size = 0;
    TPointVec Shape;
    TColor LineColour = 0;
    std::uint8_t PenStyle = psSolid;
    int PenWidth = 1;
    TColor MarkerPenColour = 0;
    TColor MarkerBrushColour = 0;
    std::uint8_t MarkerPenStyle = psSolid;
    int MarkerPenWidth = 1;

private:
    TDrawingForm m_drawingForm;
    TChartPointVec m_points;
    std::unique_ptr<QImage> m_glyph;
};
