#pragma once

#include "AxisTransform.h"
#include "ChartTypes.h"

#include <QMargins>
#include <QPoint>
#include <QSize>

// The stored limits of one axis (decimal logarithms on a logarithmic axis) and its transform.
struct TAxisLimits
{
    TAxisTransform Transform;
    double MinS = 0.0;
    double MaxS = 0.0;

    double Min() const { return Transform.Inverse(MinS); }
    double Max() const { return Transform.Inverse(MaxS); }
};

// Where the plot rectangle lies in the drawing area and how data positions map to its pixels.
class TChartLayout
{
public:
    TChartLayout() = default;
    // `margins` are the left, top, right and bottom margins around the plot rectangle.
    TChartLayout(QSize drawSize, QMargins margins, const TAxisLimits& x, const TAxisLimits& y);

    const TRect& PlotRect() const { return m_plotRect; }
    int PlotWidth() const { return m_plotRect.Width(); }
    int PlotHeight() const { return m_plotRect.Height(); }
    long double XScale() const { return m_xScale; } // pixels per stored X unit
    long double YScale() const { return m_yScale; }

    QPoint DataToPixel(double x, double y) const;
    TDoublePoint PixelToData(int px, int py) const;
    // Edges included.
    bool PointInPlot(QPoint pixel) const;
    // Both transformed coordinates within the stored limits, ends included.
    bool InRange(double x, double y) const;

    int XPixel(double storedX) const;
    int YPixel(double storedY) const;

private:
    TAxisLimits m_x;
    TAxisLimits m_y;
    TRect m_plotRect;
    long double m_xScale = 0;
    long double m_yScale = 0;
};
