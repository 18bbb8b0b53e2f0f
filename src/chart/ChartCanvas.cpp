#include "ChartCanvas.h"

#include <algorithm>
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

// Labels come and go with the data; the prepared texts are dropped past this many.
constexpr qsizetype MaxPreparedTexts = 256;

// A laid-out text draws as the single-line text box does only without control
// characters and line or paragraph separators, which the box treats its own way.
bool IsPlainLine(const QString& text)
{
    return std::none_of(text.cbegin(), text.cend(), [](QChar c) {
        return c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
               c == QChar::ParagraphSeparator;
    });
}

} // namespace

TChartCanvas::TPaintScope::TPaintScope(TChartCanvas& canvas) : m_canvas(canvas)
{
    m_canvas.m_scopePainter.emplace(&m_canvas.m_image);
}

TChartCanvas::TPaintScope::~TPaintScope()
{
    m_canvas.m_scopePainter.reset();
}

template <typename Draw> void TChartCanvas::Paint(Draw draw)
{
    if (!m_scopePainter) {
        QPainter painter(&m_image);
        draw(painter);
        return;
    }
    m_scopePainter->save();
    draw(*m_scopePainter);
    m_scopePainter->restore();
}

void TChartCanvas::Resize(QSize size, int dotsPerMeterX, int dotsPerMeterY)
{
    m_image = QImage(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    m_image.setDotsPerMeterX(dotsPerMeterX);
    m_image.setDotsPerMeterY(dotsPerMeterY);
    m_image.fill(Qt::white);
    UpdateMetrics();
}

void TChartCanvas::SetFont(const QFont& font)
{
    if (font == m_font)
        return;
    m_font = font;
    UpdateMetrics();
}

void TChartCanvas::UpdateMetrics()
{
    m_metrics = QFontMetrics(m_font, &m_image);
    m_prepared.clear();
}

void TChartCanvas::FillRect(const TRect& rect)
{
    Paint([&](QPainter& painter) {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()),
                         QColor::fromRgb(BrushColor));
    });
}

void TChartCanvas::Line(QPoint from, QPoint to)
{
    if (PenWidth <= 1 && QtPenStyle(PenStyle) == Qt::SolidLine &&
        (from.x() == to.x() || from.y() == to.y())) {
        StraightLine(from, to);
        return;
    }
    Paint([&](QPainter& painter) {
        painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        painter.setPen(MakePen(PenColor, PenStyle, PenWidth));
        painter.drawLine(from, to);
    });
}

// What the painter draws for a solid one-pixel line along a row or a column,
// done on the pixels: the painter's raster operation costs many times more. The
// painter draws the pixels from the lower end up to but not including the
// higher one, and a line of no length as one pixel.
void TChartCanvas::StraightLine(QPoint from, QPoint to)
{
    const bool alongRow = from.y() == to.y();
    const int row = alongRow ? from.y() : from.x(); // the row, or the column
    const int rows = alongRow ? m_image.height() : m_image.width();
    const int length = alongRow ? m_image.width() : m_image.height();
    if (row < 0 || row >= rows)
        return;
    const int low = alongRow ? qMin(from.x(), to.x()) : qMin(from.y(), to.y());
    const int high = alongRow ? qMax(from.x(), to.x()) : qMax(from.y(), to.y());
    const int first = qMax(low, 0);
    const int end = qMin(low == high ? low + 1 : high, length);
    if (first >= end)
        return;
    QRgb* pixel = alongRow ? reinterpret_cast<QRgb*>(m_image.scanLine(row)) + first
                           : reinterpret_cast<QRgb*>(m_image.scanLine(first)) + row;
    const qsizetype step = alongRow ? 1 : m_image.bytesPerLine() / qsizetype(sizeof(QRgb));
    for (int n = first; n < end; ++n, pixel += step)
        *pixel = 0xFF000000u | ~(PenColor ^ *pixel);
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
    Paint([&](QPainter& painter) {
        painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        painter.drawImage(area.topLeft(), scratch);
    });
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
    Paint([&](QPainter& painter) {
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.drawImage(topLeft, bitmap.convertToFormat(QImage::Format_RGB32));
    });
}

void TChartCanvas::Copy(QPoint topLeft, const QImage& bitmap)
{
    Paint([&](QPainter& painter) {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(topLeft, bitmap);
    });
}

void TChartCanvas::TextOut(int x, int y, const QString& text)
{
    TextOutRotated(x, y, text, 0);
}

void TChartCanvas::TextOutRotated(int x, int y, const QString& text, double angle)
{
    if (text.isEmpty())
        return;
    const bool turned = std::fabs(angle) > 1;
    QFont font = m_font;
    QRect box;
    if (turned) {
        // A turned text is drawn light, as the desktop draws its rotated fonts.
        font.setWeight(QFont::Light);
        const QFontMetrics metrics(font, &m_image);
        box.setSize({metrics.horizontalAdvance(text), metrics.height()});
    } else {
        box.setSize({Prepared(text).Width, TextHeight()});
    }
    Paint([&](QPainter& painter) {
        painter.translate(x, y);
        if (turned)
            painter.rotate(-std::trunc(angle * 10) / 10);
        painter.fillRect(box, QColor::fromRgb(BrushColor));
        painter.setFont(font);
        painter.setPen(QColor::fromRgb(FontColor));
        const std::optional<QStaticText>& layout = Prepared(text).Layout;
        if (!turned && layout)
            painter.drawStaticText(0, 0, *layout);
        else
            painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    });
}

int TChartCanvas::TextWidth(const QString& text) const
{
    return Prepared(text).Width;
}

const TChartCanvas::TPreparedText& TChartCanvas::Prepared(const QString& text) const
{
    if (const auto known = m_prepared.constFind(text); known != m_prepared.cend())
        return *known;
    if (m_prepared.size() >= MaxPreparedTexts)
        m_prepared.clear();
    TPreparedText prepared{m_metrics.horizontalAdvance(text), std::nullopt};
    if (IsPlainLine(text)) {
        prepared.Layout.emplace(text);
        prepared.Layout->setTextFormat(Qt::PlainText);
        prepared.Layout->prepare(QTransform(), m_font);
    }
    return *m_prepared.insert(text, prepared);
}

int TChartCanvas::TextHeight() const
{
    return m_metrics.height();
}
