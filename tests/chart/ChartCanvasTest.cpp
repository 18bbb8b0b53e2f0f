#include "ChartCanvasTest.h"

#include "ChartCanvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTest>

namespace {

constexpr QSize CanvasSize(40, 30);
constexpr int DotsPerMeter = 3780; // 96 dpi
constexpr QRgb Background = 0xFF123456;
constexpr QRgb Pen = 0xFFA0C0E0;

// Sizes the canvas and fills it with a colour whose not-xor with the pen is neither colour.
void Fill(TChartCanvas& canvas)
{
    canvas.Resize(CanvasSize, DotsPerMeter, DotsPerMeter);
    canvas.BrushColor = Background;
    canvas.FillRect({0, 0, CanvasSize.width(), CanvasSize.height()});
}

// The same line drawn by the painter with the canvas's pen.
QImage PainterLine(QPoint from, QPoint to, Qt::PenStyle style)
{
    QImage image(CanvasSize, QImage::Format_RGB32);
    image.fill(Background);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    painter.setPen(QPen(QColor::fromRgb(Pen), 1, style, Qt::FlatCap, Qt::MiterJoin));
    painter.drawLine(from, to);
    return image;
}

// The same text drawn by the painter as a single-line box on the canvas's brush colour.
QImage PainterText(const QFont& font, QPoint at, const QString& text)
{
    QImage image(CanvasSize, QImage::Format_RGB32);
    image.setDotsPerMeterX(DotsPerMeter);
    image.setDotsPerMeterY(DotsPerMeter);
    image.fill(Background);
    const QFontMetrics metrics(font, &image);
    const QRect box(at, QSize(metrics.horizontalAdvance(text), metrics.height()));
    QPainter painter(&image);
    painter.fillRect(box, QColor::fromRgb(Pen));
    painter.setFont(font);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    return image;
}

// Fills, lines, shapes and text in the canvas's various modes and states.
void DrawSample(TChartCanvas& canvas)
{
    canvas.SetFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    canvas.BrushColor = qRgb(200, 220, 240);
    canvas.FillRect({2, 2, 30, 20});
    canvas.PenColor = qRgb(255, 0, 0);
    canvas.PenWidth = 2;
    canvas.Line({0, 0}, {39, 29});
    canvas.PenStyle = psDash;
    canvas.Ellipse({5, 5, 25, 20});
    canvas.PenStyle = psSolid;
    canvas.PenWidth = 1;
    canvas.TextOut(3, 4, QStringLiteral("0.25"));
    canvas.TextOutRotated(1, 28, QStringLiteral("temp"), 90);
    canvas.Rectangle({20, 10, 35, 25});
    canvas.Line({0, 15}, {40, 15});
}

} // namespace

void ChartCanvasTest::straightLineMatchesThePainter_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<int>("style");
    QTest::newRow("row rightwards") << QPoint(3, 7) << QPoint(30, 7) << int(psSolid);
    QTest::newRow("row leftwards") << QPoint(30, 7) << QPoint(3, 7) << int(psSolid);
    QTest::newRow("column downwards") << QPoint(5, 2) << QPoint(5, 25) << int(psSolid);
    QTest::newRow("column upwards") << QPoint(5, 25) << QPoint(5, 2) << int(psSolid);
    QTest::newRow("no length") << QPoint(9, 9) << QPoint(9, 9) << int(psSolid);
    QTest::newRow("row past both edges") << QPoint(-10, 4) << QPoint(60, 4) << int(psSolid);
    QTest::newRow("column past both edges") << QPoint(39, 50) << QPoint(39, -5) << int(psSolid);
    QTest::newRow("row above the image") << QPoint(0, -1) << QPoint(20, -1) << int(psSolid);
    QTest::newRow("column right of the image") << QPoint(40, 0) << QPoint(40, 20) << int(psSolid);
    QTest::newRow("dotted row") << QPoint(1, 12) << QPoint(35, 12) << int(psDot);
}

void ChartCanvasTest::straightLineMatchesThePainter()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(int, style);
    TChartCanvas canvas;
    Fill(canvas);
    canvas.PenColor = Pen;
    canvas.PenStyle = std::uint8_t(style);
    canvas.Line(from, to);
    QCOMPARE(canvas.Image(), PainterLine(from, to, style == psDot ? Qt::DotLine : Qt::SolidLine));
}

void ChartCanvasTest::textMatchesThePainter_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("label") << QStringLiteral("-0.25");
    QTest::newRow("tab") << QStringLiteral("1\t2");
    QTest::newRow("line break") << QStringLiteral("1\n2");
    QTest::newRow("line separator") << QStringLiteral("1\u20282");
}

void ChartCanvasTest::textMatchesThePainter()
{
    QFETCH(QString, text);
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPixelSize(11);
    TChartCanvas canvas;
    Fill(canvas);
    canvas.SetFont(font);
    canvas.BrushColor = Pen;
    for (int pass = 0; pass < 2; ++pass) // drawn again from the prepared text
        canvas.TextOut(2, 3, text);
    QCOMPARE(canvas.Image(), PainterText(font, {2, 3}, text));
}

void ChartCanvasTest::paintScopeDrawsAsSeparatePainters()
{
    TChartCanvas apart;
    Fill(apart);
    DrawSample(apart);
    TChartCanvas shared;
    Fill(shared);
    {
        const TChartCanvas::TPaintScope scope(shared);
        DrawSample(shared);
    }
    QCOMPARE(shared.Image(), apart.Image());
}

void ChartCanvasTest::textWidthFollowsTheFont()
{
    TChartCanvas canvas;
    Fill(canvas);
    const QString text = QStringLiteral("1000");
    for (int pixels : {9, 18}) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(pixels);
        canvas.SetFont(font);
        const QFontMetrics metrics(font, &canvas.Image());
        QCOMPARE(canvas.TextWidth(text), metrics.horizontalAdvance(text));
        QCOMPARE(canvas.TextHeight(), metrics.height());
    }
}
