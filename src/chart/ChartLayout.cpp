#include "ChartLayout.h"

#include <cmath>

namespace {

long double PixelsPerUnit(int length, const TAxisLimits& axis)
{
    const long double range = axis.MaxS == axis.MinS ? 1.0L : axis.MaxS - axis.MinS;
    return length / range;
}

// Truncates towards zero. Positions far outside the drawing area are held to a
// range that integer pixel arithmetic cannot overflow; NaN counts as far away.
int TruncPixels(long double offset)
{
    constexpr long double Far = 1e7L;
    if (!(offset > -Far))
        return int(-Far);
    if (offset > Far)
        return int(Far);
    return int(std::trunc(offset));
}

} // namespace

TChartLayout::TChartLayout(QSize drawSize, QMargins margins, const TAxisLimits& x,
                           const TAxisLimits& y)
    : m_x(x), m_y(y), m_plotRect{margins.left(), margins.top(), drawSize.width() - margins.right(),
                                 drawSize.height() - margins.bottom()}
{
    m_xScale = PixelsPerUnit(PlotWidth(), m_x);
    m_yScale = PixelsPerUnit(PlotHeight(), m_y);
}

int TChartLayout::XPixel(double storedX) const
{
    return m_plotRect.Left + TruncPixels((storedX - m_x.MinS) * m_xScale);
}

int TChartLayout::YPixel(double storedY) const
{
    return m_plotRect.Bottom - TruncPixels((storedY - m_y.MinS) * m_yScale);
}

QPoint TChartLayout::DataToPixel(double x, double y) const
{
    return {XPixel(m_x.Transform.Forward(x)), YPixel(m_y.Transform.Forward(y))};
}

TDoublePoint TChartLayout::PixelToData(int px, int py) const
{
    TDoublePoint data;
    if (m_xScale != 0)
        data.X = m_x.Transform.Inverse(double((px - m_plotRect.Left) / m_xScale + m_x.MinS));
    if (m_yScale != 0)
        data.Y = m_y.Transform.Inverse(double((m_plotRect.Bottom - py) / m_yScale + m_y.MinS));
    return data;
}

bool TChartLayout::PointInPlot(QPoint pixel) const
{
    return m_plotRect.Contains(pixel);
}

bool TChartLayout::InRange(double x, double y) const
{
    const double tx = m_x.Transform.Forward(x);
    const double ty = m_y.Transform.Forward(y);
    return tx >= m_x.MinS && tx <= m_x.MaxS && ty >= m_y.MinS && ty <= m_y.MaxS;
}
