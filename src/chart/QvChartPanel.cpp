#include "QvChartPanel.h"

#include "AutoScale.h"
#include "ChartColor.h"
#include "Format.h"
#include "LinearScale.h"
#include "LogScale.h"
#include "ScaleSteps.h"
#include "TickLabel.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace {

constexpr TColor GridLineColor = 0xEBE2E0;
constexpr int HitDistance = 3;

bool IsLogX(TScaleType type)
{
    return type == stlnXY || type == stlnXlnY;
}

bool IsLogY(TScaleType type)
{
    return type == stXlnY || type == stlnXlnY;
}

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

// Offset along a segment whose steepness is `ratio`, for half of `length` pixels.
int HalfLengthOffset(int length, double ratio)
{
    return int(std::trunc(std::sqrt(double(length) * length / 4 / (ratio * ratio + 1))));
}

} // namespace

TChartPanel::TChartPanel(QWidget* parent) : QFrame(parent)
{
    resize(250, 200);
    setMouseTracking(true);
    UpdateFrameStyle();
    // The canvas starts with the fonts' own defaults: black pen, white brush, solid 1-pixel pen.
    SetCanvasFont(TChartFont());
    m_readoutFont = m_fontXYPos;
    UpdateDrawSize();
}

TChartPanel::~TChartPanel() = default;

TAxisTransform TChartPanel::XTransform() const
{
    return TAxisTransform(IsLogX(m_scaleType));
}

TAxisTransform TChartPanel::YTransform() const
{
    return TAxisTransform(IsLogY(m_scaleType));
}

TColor TChartPanel::Resolved(TColor colour) const
{
    return TChartColor::Resolve(colour, palette());
}

QRgb TChartPanel::Rgb(TColor colour) const
{
    return TChartColor::ToRgb(Resolved(colour));
}

TColor TChartPanel::DrawingForm(TColor colour) const
{
    return TChartColor::DrawingForm(Resolved(colour), Resolved(m_gridColor));
}

// ---- data and properties ----

void TChartPanel::Clear()
{
    while (!m_lines.empty())
        m_lines.pop_back();
    m_hitPoint = nullptr;
    m_hitLine = nullptr;
    m_dragging = false;
}

TChartLine* TChartPanel::AddLine(TColor colour, std::uint8_t pointType, const QImage* bitmap,
                                 int size, const TPointVec& shape)
{
    auto line = std::make_unique<TChartLine>(
        this, [this](TColor c) { return DrawingForm(c); }, colour, pointType, size, shape);
    line->SetPen(psSolid, 1);
    line->SetMarkerStyle(colour, colour, psSolid, 2);
    if (bitmap)
        line->SetGlyph(ConvertGlyph(*bitmap));
    m_lines.push_back(std::move(line));
    return m_lines.back().get();
}

namespace {

// Equal limits are widened around their value; an equal negative pair keeps min below max.
void WidenEqualRange(double& min, double& max)
{
    if (min != max)
        return;
    if (min == 0) {
        max = 1;
        return;
    }
    const double value = min;
    min = value * (value > 0 ? 0.5 : 1.5);
    max = value * (value > 0 ? 1.5 : 0.5);
}

} // namespace

void TChartPanel::SetXRange(double min, double max)
{
    WidenEqualRange(min, max);
    SetXMin(min);
    SetXMax(max);
}

void TChartPanel::SetYRange(double min, double max)
{
    WidenEqualRange(min, max);
    SetYMin(min);
    SetYMax(max);
}

void TChartPanel::AutoScaleY(int maxTicks, double lo, double hi, double floor)
{
    const TAutoScale range = TAutoScale::Compute(maxTicks, lo, hi, floor, IsLogY(m_scaleType));
    if (range.Ticks)
        SetScaleYTicks(*range.Ticks);
    SetYRange(range.Lo, range.Hi);
}

void TChartPanel::SetScaleType(TScaleType value)
{
    const double xMin = XMin(), xMax = XMax(), yMin = YMin(), yMax = YMax();
    m_scaleType = value;
    SetXMin(xMin);
    SetXMax(xMax);
    SetYMin(yMin);
    SetYMax(yMax);
}

void TChartPanel::SetColor(TColor value)
{
    m_color = value;
    Redraw();
}

void TChartPanel::SetGridColor(TColor value)
{
    m_gridColor = value;
    Redraw();
}

void TChartPanel::SetBevelOuter(TBevelCut value)
{
    m_bevelOuter = value;
    UpdateFrameStyle();
}

void TChartPanel::SetBevelWidth(int value)
{
    m_bevelWidth = qMax(0, value);
    UpdateFrameStyle();
    UpdateDrawSize();
}

void TChartPanel::UpdateFrameStyle()
{
    switch (m_bevelOuter) {
    case bvNone:
        setFrameStyle(QFrame::NoFrame);
        break;
    case bvLowered:
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        break;
    case bvRaised:
        setFrameStyle(QFrame::Panel | QFrame::Raised);
        break;
    }
    setLineWidth(m_bevelWidth);
}

QImage TChartPanel::ConvertGlyph(const QImage& bitmap, TColor brushColour) const
{
    QImage glyph(bitmap.size(), QImage::Format_RGB32);
    glyph.fill(TChartColor::ToRgb(Resolved(m_gridColor) ^ Resolved(brushColour) ^ 0xFFFFFFu));
    QPainter painter(&glyph);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.drawImage(0, 0, bitmap.convertToFormat(QImage::Format_RGB32));
    return glyph;
}

bool TChartPanel::HitTest(int px, int py)
{
    m_hitPoint = nullptr;
    for (const auto& line : m_lines) {
        for (const auto& point : line->Points()) {
            if (!point->Movable)
                continue;
            const QPoint p = DataToPixel(point->X, point->Y);
            if (std::abs(p.x() - px) <= HitDistance && std::abs(p.y() - py) <= HitDistance) {
                m_hitPoint = point.get();
                m_hitLine = line.get();
                return true;
            }
        }
    }
    return false;
}

// ---- the canvas ----

void TChartPanel::UpdateDrawSize()
{
    m_drawWidth = qMax(0, width() - m_bevelWidth);
    m_drawHeight = qMax(0, height() - m_bevelWidth);
    const QSize size(m_drawWidth, m_drawHeight);
    if (m_canvas.Image().size() != size.expandedTo(QSize(1, 1)))
        m_canvas.Resize(size, int(std::lround(logicalDpiX() / 0.0254)),
                        int(std::lround(logicalDpiY() / 0.0254)));
}

void TChartPanel::SetCanvasFont(const TChartFont& font)
{
    m_canvas.SetFont(font.ToQFont());
    m_canvas.FontColor = Rgb(font.Color);
}

void TChartPanel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (m_canvas.Image().size() != QSize(m_drawWidth, m_drawHeight).expandedTo(QSize(1, 1)))
        Redraw();
    QPainter painter(this);
    painter.drawImage(0, 0, m_canvas.Image());
}

void TChartPanel::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    Redraw();
}

void TChartPanel::changeEvent(QEvent* event)
{
    QFrame::changeEvent(event);
    // System colours follow the palette.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        Redraw();
}

void TChartPanel::Redraw()
{
    UpdateDrawSize();
    {
        const TChartCanvas::TPaintScope scope(m_canvas);
        DrawFrame();
        for (const auto& line : m_lines)
            DrawLine(*line);
    }
    m_readoutFont = m_fontXYPos;
    update();
}

void TChartPanel::ComputeLayout()
{
    m_layout =
        TChartLayout(QSize(m_drawWidth, m_drawHeight),
                     QMargins(m_leftMargin, m_topMargin, m_rightMargin, m_bottomMargin),
                     {XTransform(), XTransform().Forward(m_xMin), XTransform().Forward(m_xMax)},
                     {YTransform(), YTransform().Forward(m_yMin), YTransform().Forward(m_yMax)});
}

void TChartPanel::DrawFrame()
{
    m_canvas.BrushColor = Rgb(m_color);
    m_canvas.FillRect({0, 0, m_drawWidth, m_drawHeight});
    ComputeLayout();
    m_canvas.BrushColor = Rgb(m_gridColor);
    m_canvas.FillRect(PlotRect());
    if (m_showXScale)
        DrawXScale();
    if (m_showYScale)
        DrawYScale();
    DrawAxes();
    DrawTitle();
    m_readoutText.clear();
}

// ---- scales ----

void TChartPanel::DrawXScale()
{
    SetCanvasFont(m_scaleXFont);
    m_canvas.BrushColor = Rgb(m_color);
    const int halfH = m_canvas.TextHeight() / 2;
    const double min = XMin(), max = XMax();
    if (!(min < max) || !std::isfinite(max - min))
        return;
    m_canvas.PenColor = Rgb(GridLineColor);
    if (IsLogX(m_scaleType))
        DrawLogScale(true, min, max, halfH);
    else
        DrawLinearScale(true, min, max, halfH);
    DrawXTitle(halfH);
}

void TChartPanel::DrawYScale()
{
    SetCanvasFont(m_scaleYFont);
    m_canvas.BrushColor = Rgb(m_color);
    const int halfH = m_canvas.TextHeight() / 2;
    const double min = YMin(), max = YMax();
    if (!(min < max) || !std::isfinite(max - min))
        return;
    m_canvas.PenColor = Rgb(GridLineColor);
    if (IsLogY(m_scaleType))
        DrawLogScale(false, min, max, halfH);
    else
        DrawLinearScale(false, min, max, halfH);
    DrawYTitle();
}

void TChartPanel::DrawLinearScale(bool isX, double min, double max, int halfH)
{
    const TRect& plot = PlotRect();
    const TLinearScale scale = isX ? TLinearScale::ForX(min, max, m_scaleXTicks, PlotWidth())
                                   : TLinearScale::ForY(min, max, m_scaleYTicks, PlotHeight());
    for (const auto& tick : scale.Ticks) {
        const int pixel = (isX ? plot.Left : plot.Top) + tick.Offset;
        DrawGridLine(isX, pixel);
        DrawLabel(isX, pixel, TTickLabel::Text(tick.Value), halfH);
    }
}

void TChartPanel::DrawLogScale(bool isX, double min, double max, int halfH)
{
    const auto pixelOf = [&](double v) {
        return isX ? m_layout.XPixel(XTransform().Forward(v))
                   : m_layout.YPixel(YTransform().Forward(v));
    };
    const auto extentOf = [&](int pixel, const QString& label) {
        if (!isX)
            return std::pair(pixel - halfH, pixel + halfH);
        const int w = m_canvas.TextWidth(label);
        return std::pair(pixel - w / 2, pixel - w / 2 + w);
    };
    for (const auto& tick : TLogScale::Ticks(min, max).Place(pixelOf, extentOf)) {
        DrawGridLine(isX, tick.Pixel);
        if (tick.ShowLabel)
            DrawLabel(isX, tick.Pixel, tick.Label, halfH);
    }
}

void TChartPanel::DrawGridLine(bool isX, int pixel)
{
    const TRect& plot = PlotRect();
    if (isX)
        m_canvas.Line({pixel, plot.Bottom}, {pixel, plot.Top});
    else
        m_canvas.Line({plot.Left, pixel}, {plot.Right, pixel});
}

void TChartPanel::DrawLabel(bool isX, int pixel, const QString& label, int halfH)
{
    const int w = m_canvas.TextWidth(label);
    if (isX)
        m_canvas.TextOut(pixel - w / 2, PlotRect().Bottom + halfH, label);
    else
        m_canvas.TextOut(YLabelX(w), pixel - halfH, label);
}

int TChartPanel::YLabelX(int labelWidth) const
{
    const TRect& plot = PlotRect();
    switch (m_axisType) {
    case xtNone:
        return plot.Left - m_canvas.TextWidth(QStringLiteral("XX"));
    case xtCent0:
        return plot.Left + (PlotWidth() - labelWidth) / 2;
    case xtQuad2:
        return plot.Right + 5;
    case xtQuad1:
    default:
        return plot.Left - labelWidth - 5;
    }
}

void TChartPanel::DrawXTitle(int halfH)
{
    int y = m_drawHeight - 2 * halfH - 3;
    if (m_borderStyle == bsSingle || m_bevelKind != bkNone)
        y -= 3;
    m_canvas.TextOut((m_drawWidth - m_canvas.TextWidth(m_scaleXLabel)) / 2, y, m_scaleXLabel);
}

void TChartPanel::DrawYTitle()
{
    const int x = m_axisType == xtQuad2 ? m_drawWidth - 2 - m_canvas.TextHeight() : 1;
    const int y = (m_canvas.TextWidth(m_scaleYLabel) + m_drawHeight) / 2 + 2;
    m_canvas.TextOutRotated(x, y, m_scaleYLabel, 90);
}

// ---- axes, title, lines and markers ----

void TChartPanel::DrawAxes()
{
    m_canvas.PenColor = Rgb(m_axesColor);
    const TRect& r = PlotRect();
    switch (m_axisType) {
    case xtNone:
        break;
    case xtCent0: {
        const int cx = r.Left + PlotWidth() / 2;
        const int cy = r.Top + PlotHeight() / 2;
        m_canvas.Line({cx, r.Top}, {cx, r.Bottom});
        m_canvas.Line({r.Left, cy}, {r.Right, cy});
        break;
    }
    case xtQuad1:
        m_canvas.Line({r.Left, r.Top}, {r.Left, r.Bottom});
        m_canvas.Line({r.Left, r.Bottom}, {r.Right, r.Bottom});
        break;
    case xtQuad2:
        m_canvas.Line({r.Right, r.Top}, {r.Right, r.Bottom});
        m_canvas.Line({r.Left, r.Bottom}, {r.Right, r.Bottom});
        break;
    }
}

void TChartPanel::DrawTitle()
{
    m_canvas.PenColor = Rgb(m_axesColor);
    m_canvas.BrushColor = Rgb(m_color);
    const int w = m_canvas.TextWidth(m_title);
    int x = (m_drawWidth - w) / 2;
    if (m_titleAlignment == taLeftJustify)
        x = 5;
    else if (m_titleAlignment == taRightJustify)
        x = m_drawWidth - w - 5;
    m_canvas.TextOut(x, 5, m_title);
}

void TChartPanel::DrawLine(const TChartLine& line)
{
    const auto& points = line.Points();
    if (points.empty())
        return;
    const int savedWidth = m_canvas.PenWidth;
    int prev = 0;
    bool first = true;
    QPoint previous;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const TChartPoint& point = *points[i];
        DrawPoint(point);
        const QPoint p = DataToPixel(point.X, point.Y);
        const int size = point.Size;
        if (i > 0 && (m_layout.PointInPlot(p) || m_layout.PointInPlot(previous))) {
            m_canvas.PenColor = TChartColor::ToRgb(line.LineColour);
            m_canvas.PenStyle = line.PenStyle;
            m_canvas.PenWidth = line.PenWidth;
            if (line.PointType != ptNone) {
                DrawSegment(previous, p, prev, size, false);
            } else if (first) {
                m_canvas.Line(previous, p);
                first = false;
            } else {
                DrawSegment(previous, p, prev, line.PenWidth, true);
            }
        }
        prev = line.PointType != ptNone ? size : line.PenWidth;
        previous = p;
    }
    m_canvas.PenColor = TChartColor::ToRgb(clBlack);
    m_canvas.BrushColor = TChartColor::ToRgb(clWhite);
    m_canvas.PenStyle = psSolid;
    m_canvas.PenWidth = savedWidth;
    update();
}

void TChartPanel::DrawSegment(QPoint p0, QPoint p1, int a, int b, bool toTheEnd)
{
    const int dx = p1.x() - p0.x();
    const int dy = p1.y() - p0.y();
    const int sx = Sign(dx), sy = Sign(dy);
    const double rx = dy == 0 ? 0.0 : std::abs(double(dx)) / std::abs(double(dy));
    const double ry = dx == 0 ? 0.0 : std::abs(double(dy)) / std::abs(double(dx));
    const QPoint start(p0.x() + sx * HalfLengthOffset(a, ry),
                       p0.y() + sy * HalfLengthOffset(a, rx));
    const QPoint end = toTheEnd ? p1
                                : QPoint(p1.x() - sx * HalfLengthOffset(b, ry),
                                         p1.y() - sy * HalfLengthOffset(b, rx));
    m_canvas.Line(start, end);
}

void TChartPanel::DrawPoint(const TChartPoint& point)
{
    if (!m_layout.InRange(point.X, point.Y))
        return;
    m_canvas.PenStyle = point.PenStyle;
    m_canvas.PenWidth = point.PenWidth;
    m_canvas.PenColor = TChartColor::ToRgb(point.PenColour);
    m_canvas.BrushColor = TChartColor::ToRgb(point.BrushColour);
    const QPoint p = DataToPixel(point.X, point.Y);
    const int r = qMax(int(TScaleSteps::Round(point.Size / 2.0)), 1);
    const TRect square{p.x() - r, p.y() - r, p.x() + r, p.y() + r};
    switch (point.PointType) {
    case ptGlyph:
        if (point.Glyph)
            m_canvas.DrawXor({p.x() - point.Glyph->width() / 2, p.y() - point.Glyph->height() / 2},
                             *point.Glyph);
        break;
    case ptCircle:
        m_canvas.Ellipse(square);
        break;
    case ptSquare:
        m_canvas.Rectangle(square);
        break;
    case ptPolygon:
        m_canvas.Polygon(QPolygon(point.Shape).translated(p));
        break;
    case ptCrossHair: {
        const QPoint a = DataToPixel(XMin(), YMin());
        const QPoint c = DataToPixel(XMax(), YMax());
        m_canvas.Line({p.x(), a.y()}, {p.x(), c.y()});
        m_canvas.Line({a.x(), p.y()}, {c.x(), p.y()});
        break;
    }
    default:
        break;
    }
    update();
}

// ---- mouse ----

void TChartPanel::mousePressEvent(QMouseEvent* event)
{
    QFrame::mousePressEvent(event);
    const QPoint pos = event->position().toPoint();
    const TDoublePoint cursor = PixelToData(pos.x(), pos.y());
    m_cursorX = cursor.X;
    m_cursorY = cursor.Y;
    if (HitTest(pos.x(), pos.y()))
        m_dragging = true;
}

void TChartPanel::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    const TDoublePoint cursor = PixelToData(pos.x(), pos.y());
    m_cursorX = cursor.X;
    m_cursorY = cursor.Y;
    const bool wasDragging = m_dragging;
    if (m_dragging) {
        // Outside the plot a dragged point stays where it last was.
        if (!PointInPlot(pos.x(), pos.y()))
            return;
        DragTo(pos.x(), pos.y(), {event->modifiers(), event->buttons()});
    }
    if (!wasDragging) {
        if (HitTest(pos.x(), pos.y()))
            setCursor(Qt::PointingHandCursor);
        else
            unsetCursor();
    }
    if (m_showXYPos)
        UpdateReadout();
    QFrame::mouseMoveEvent(event);
}

void TChartPanel::DragTo(int x, int y, TShiftState shift)
{
    bool allow = true;
    if (OnAllowPointMove)
        OnAllowPointMove(this, shift, x, y, allow);
    if (!allow) {
        m_dragging = false;
        return;
    }
    // The handler may have cleared the chart, taking the point with it.
    if (!m_dragging || !m_hitPoint || !m_hitLine)
        return;
    DrawLine(*m_hitLine);
    m_hitPoint->X = m_cursorX;
    m_hitPoint->Y = m_cursorY;
    DrawLine(*m_hitLine);
    update();
}

void TChartPanel::mouseReleaseEvent(QMouseEvent* event)
{
    QFrame::mouseReleaseEvent(event);
    m_dragging = false;
    unsetCursor();
}

// ---- read-out ----

void TChartPanel::UpdateReadout()
{
    PaintReadout(true);
    m_readoutText = QStringLiteral("[") + FormatReadout() + QStringLiteral("]");
    PaintReadout(false);
    update();
}

QString TChartPanel::FormatReadout() const
{
    if (!(m_cursorX >= XMin() && m_cursorX <= XMax() && m_cursorY >= YMin() && m_cursorY <= YMax()))
        return {};
    const QString xFormat =
        m_showXPosFmt.isEmpty() ? TTickLabel::AutoFormat(m_cursorX) : m_showXPosFmt;
    const QString yFormat =
        m_showYPosFmt.isEmpty() ? TTickLabel::AutoFormat(m_cursorY) : m_showYPosFmt;
    try {
        return Format(xFormat + QStringLiteral(", ") + yFormat, {m_cursorX, m_cursorY});
    } catch (const std::exception&) {
        // A read-out format that does not fit a number shows no position rather than
        // stopping the mouse handling.
        return {};
    }
}

void TChartPanel::PaintReadout(bool blank)
{
    if (m_readoutText.isEmpty())
        return;
    const QFont font = m_readoutFont.ToQFont();
    const QFontMetrics metrics(font, &m_canvas.Image());
    const int w = metrics.horizontalAdvance(m_readoutText);
    const int h = metrics.height();
    QImage buffer(w + 2, h, QImage::Format_RGB32);
    buffer.fill(Rgb(m_color));
    if (!blank) {
        QPainter painter(&buffer);
        painter.setFont(font);
        painter.setPen(QColor::fromRgb(Rgb(m_readoutFont.Color)));
        painter.drawText(QRect(0, 0, w + 2, h), Qt::AlignLeft | Qt::AlignTop, m_readoutText);
    }
    const QPoint place = m_showXYPosPlace == ppTopRight ? QPoint(m_drawWidth - w - 3, 3)
                                                        : QPoint(2, m_drawHeight - h - 2);
    m_canvas.Copy(place, buffer);
}
