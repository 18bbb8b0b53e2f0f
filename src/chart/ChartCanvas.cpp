#include "ChartCanvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>

namespace {

Qt::PenStyle QtPenStyle(std::uint8_t style)
{
    switch (style) {
    case psDash:
        return Qt::DashLine;
    case psDot:
        return Qt::DotLine;
    case psDashDot:
        return Qt::DashDotLine;
    case psDashDotDot:
        return Qt::DashDotDotLine;
    case psClear:
        return Qt::NoPen;
    default:
        return Qt::SolidLine;
    }
}

// Flat caps leave out a line's last pixel, so joined segments do not paint their
// shared end twice.
QPen MakePen(QRgb color, std::uint8_t style, int width)
{
    QPen pen(QColor::fromRgb(color), qMax(1, width), QtPenStyle(style), Qt::FlatCap, Qt::MiterJoin);
    return pen;
}

QRect PenPath(const TRect& bounds)
{
    return QRect(bounds.Left, bounds.Top, bounds.Width() - 1, bounds.Height() - 1);
}

} // namespace

void TChartCanvas::Resize(QSize size, int dotsPerMeterX, int dotsPerMeterY)
{
    m_image = QImage(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    m_image.setDotsPerMeterX(dotsPerMeterX);
    m_image.setDotsPerMeterY(dotsPerMeterY);
    m_image.fill(Qt::white);
}

void TChartCanvas::FillRect(const TRect& rect)
{
    QPainter painter(&m_image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()),
                     QColor::fromRgb(BrushColor));
}

void TChartCanvas::Line(QPoint from, QPoint to)
{
    QPainter painter(&m_image);
    painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    painter.setPen(MakePen(PenColor, PenStyle, PenWidth));
    painter.drawLine(from, to);
}

// Paints the shape plainly on a white scratch image and combines that with the
// surface: white is what a not-xor pen leaves unchanged, and the outline and the
// fill then never meet on one pixel twice.
template <typename Draw> void TChartCanvas::DrawShape(QRect bounds, Draw draw)
{
    const int margin = qMax(1, PenWidth) + 1;
    const QRect area =
        bounds.adjusted(-margin, -margin, margin, margin).intersected(m_image.rect());
    if (area.isEmpty())
        return;
    QImage scratch(area.size(), QImage::Format_RGB32);
    scratch.fill(Qt::white);
    {
        QPainter painter(&scratch);
        painter.translate(-area.topLeft());
        painter.setPen(MakePen(PenColor, PenStyle, PenWidth));
        painter.setBrush(QColor::fromRgb(BrushColor));
        draw(painter);
    }
    QPainter painter(&m_image);
    painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    painter.drawImage(area.topLeft(), scratch);
}

void TChartCanvas::Rectangle(const TRect& bounds)
{
    const QRect path = PenPath(bounds);
    DrawShape(path, [&](QPainter& painter) { painter.drawRect(path); });
}

void TChartCanvas::Ellipse(const TRect& bounds)
{
    const QRect path = PenPath(bounds);
    DrawShape(path, [&](QPainter& painter) { painter.drawEllipse(path); });
}

void TChartCanvas::Polygon(const QPolygon& points)
{
    if (points.isEmpty())
        return;
    DrawShape(points.boundingRect(), [&](QPainter& painter) { painter.drawPolygon(points); });
}

void TChartCanvas::DrawXor(QPoint topLeft, const QImage& bitmap)
{
    QPainter painter(&m_image);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.drawImage(topLeft, bitmap.convertToFormat(QImage::Format_RGB32));
}

void TChartCanvas::Copy(QPoint topLeft, const QImage& bitmap)
{
    QPainter painter(&m_image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(topLeft, bitmap);
}

void TChartCanvas::TextOut(int x, int y, const QString& text)
{
    TextOutRotated(x, y, text, 0);
}

void TChartCanvas::TextOutRotated(int x, int y, const QString& text, double angle)
{
    if (text.isEmpty())
        return;
    QFont font = Font;
    // A turned text is drawn light, as the desktop draws its rotated fonts.
    if (std::fabs(angle) > 1)
        font.setWeight(QFont::Light);
    const QFontMetrics metrics(font, &m_image);
    const QRect box(0, 0, metrics.horizontalAdvance(text), metrics.height());
    QPainter painter(&m_image);
    painter.translate(x, y);
    if (std::fabs(angle) > 1)
        painter.rotate(-std::trunc(angle * 10) / 10);
    painter.fillRect(box, QColor::fromRgb(BrushColor));
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(FontColor));
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

int TChartCanvas::TextWidth(const QString& text) const
{
    return QFontMetrics(Font, &m_image).horizontalAdvance(text);
}

int TChartCanvas::TextHeight() const
{
    return QFontMetrics(Font, &m_image).height();
}
