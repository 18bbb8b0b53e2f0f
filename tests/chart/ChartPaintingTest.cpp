#include "ChartPaintingTest.h"

#include "ChartFixture.h"
#include "QvChartPanel.h"

#include <QFontMetrics>
#include <QTest>
#include <cmath>

namespace {

constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb BlackPixel = 0xFF000000;

// Grid-coloured rows of column x within the filled plot rows.
int GridRows(const TChartPanel& chart, int x)
{
    int rows = 0;
    for (int y = chart.PlotRect().Top; y < chart.PlotRect().Bottom; ++y)
        rows += chart.Canvas().pixel(x, y) == GridLineRgb;
    return rows;
}

TChartLine* AddPlainLine(TChartPanel& chart, TColor colour, double x0, double y0, double x1,
                         double y1)
{
    TChartLine* line = chart.AddLine(colour, ptNone, nullptr, 2, {});
    line->AddPoint(x0, y0);
    line->AddPoint(x1, y1);
    return line;
}

QRect TextBox(const TChartPanel& chart, const TChartFont& font, int x, int y, const QString& text)
{
    const QFontMetrics metrics(font.ToQFont(), &chart.Canvas());
    return QRect(x, y, metrics.horizontalAdvance(text), metrics.height());
}

} // namespace

void ChartPaintingTest::frameFillsPanelAndPlot()
{
    auto chart = MakeChart();
    QCOMPARE(chart->Canvas().size(), QSize(249, 199));
    QCOMPARE(chart->Canvas().format(), QImage::Format_RGB32);
    QCOMPARE(chart->PlotRect(), (TRect{40, 25, 229, 159}));
    QCOMPARE(chart->Canvas().pixel(0, 0), PanelRgb);
    QCOMPARE(chart->Canvas().pixel(248, 198), PanelRgb);
    QCOMPARE(chart->Canvas().pixel(100, 100), White);
}

void ChartPaintingTest::gridLinesLieAtTheTicks()
{
    auto chart = MakeChart();
    // 0..1 in 0.2 over 189 pixels: 37.8 pixels a step, rounded.
    for (int x : {78, 116, 153, 191})
        QCOMPARE(chart->Canvas().pixel(x, 100), GridLineRgb);
    QCOMPARE(chart->Canvas().pixel(77, 100), White);
    // 0..40 in fives over 134 pixels: 16.75 a step; 33.5 rounds to 34 and 100.5 to 100.
    for (int y : {42, 59, 75, 92, 109, 125, 142})
        QCOMPARE(chart->Canvas().pixel(100, y), GridLineRgb);
    QCOMPARE(chart->Canvas().pixel(100, 58), White);
    QCOMPARE(chart->Canvas().pixel(100, 126), White);
}

void ChartPaintingTest::yGridFollowsAutoScale_data()
{
    QTest::addColumn<double>("lo");
    QTest::addColumn<double>("hi");
    QTest::addColumn<double>("floor");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("rowsInside");
    // The bottom tick lies on the plot's lower edge, below the filled rows.
    QTest::newRow("1..40: 0, 5, ..., 40") << 1.0 << 40.0 << -1000.0 << 9 << 8;
    QTest::newRow("0.3..9.7: 0, 2, ..., 10") << 0.3 << 9.7 << -1000.0 << 6 << 5;
    QTest::newRow("-20..40 above 0: 0, 10, ..., 40") << -20.0 << 40.0 << 0.0 << 5 << 4;
}

void ChartPaintingTest::yGridFollowsAutoScale()
{
    QFETCH(double, lo);
    QFETCH(double, hi);
    QFETCH(double, floor);
    auto chart = MakeChart();
    chart->AutoScaleY(9, lo, hi, floor);
    chart->Redraw();
    QTEST(chart->ScaleYTicks(), "ticks");
    QTEST(GridRows(*chart, 100), "rowsInside");
}

void ChartPaintingTest::equalLimitsDrawNoScales()
{
    auto chart = MakeChart();
    chart->SetXMin(1);
    chart->SetXMax(1);
    chart->SetYMin(1);
    chart->SetYMax(1);
    chart->SetScaleXLabel("position");
    chart->SetScaleYLabel("temperature");
    chart->Redraw();
    QCOMPARE(chart->XScale(), static_cast<long double>(chart->PlotWidth()));
    QCOMPARE(chart->YScale(), static_cast<long double>(chart->PlotHeight()));
    const TRect& plot = chart->PlotRect();
    QVERIFY(!HasInk(chart->Canvas(),
                    QRect(plot.Left + 1, plot.Top, plot.Width() - 1, plot.Height()), White));
    QVERIFY(
        !HasInk(chart->Canvas(), QRect(0, plot.Bottom + 1, 249, 199 - plot.Bottom - 1), PanelRgb));
    QVERIFY(!HasInk(chart->Canvas(), QRect(0, 0, plot.Left, 199), PanelRgb));
    QCOMPARE(chart->Canvas().pixel(plot.Left, 100), BlackPixel);
}

void ChartPaintingTest::undefinedRangeDrawsNoScale()
{
    auto chart = MakeChart();
    AddPlainLine(*chart, clRed, 0, 35, 1, 12);
    chart->AutoScaleY(9, std::nan(""), 40, -1000);
    chart->Redraw();
    QVERIFY(chart->ScaleYTicks() >= 2);
    QCOMPARE(GridRows(*chart, 100), 0);
}

void ChartPaintingTest::labelsAndTitlesAreDrawn()
{
    auto chart = MakeChart();
    chart->SetTitle("Profile");
    chart->SetScaleXLabel("position");
    chart->SetScaleYLabel("temperature [degC]");
    chart->Redraw();
    const TChartFont& font = chart->ScaleXFont();
    const int h = QFontMetrics(font.ToQFont(), &chart->Canvas()).height();
    const int halfH = h / 2;

    QRect title = TextBox(*chart, font, 0, 5, "Profile");
    title.moveLeft((249 - title.width()) / 2);
    QVERIFY(HasInk(chart->Canvas(), title, PanelRgb));
    QRect xTitle = TextBox(*chart, font, 0, 199 - 2 * halfH - 3, "position");
    xTitle.moveLeft((249 - xTitle.width()) / 2);
    QVERIFY(HasInk(chart->Canvas(), xTitle, PanelRgb));
    // Upwards from (1, (width + 199) / 2 + 2).
    const int yTitleWidth = TextBox(*chart, font, 0, 0, "temperature [degC]").width();
    const int yTitleBottom = (yTitleWidth + 199) / 2 + 2;
    QVERIFY(
        HasInk(chart->Canvas(), QRect(1, yTitleBottom - yTitleWidth, h, yTitleWidth), PanelRgb));
    QVERIFY(!HasInk(chart->Canvas(), QRect(1, 0, h, yTitleBottom - yTitleWidth - 2), PanelRgb));

    QRect xLabel = TextBox(*chart, font, 0, 159 + halfH, "0.4");
    xLabel.moveLeft(116 - xLabel.width() / 2);
    QVERIFY(HasInk(chart->Canvas(), xLabel, PanelRgb));
    QRect yLabel = TextBox(*chart, font, 0, 92 - halfH, "20");
    yLabel.moveLeft(40 - yLabel.width() - 5);
    QVERIFY(HasInk(chart->Canvas(), yLabel, PanelRgb));
    // Between two labels of the X scale there is nothing.
    QVERIFY(!HasInk(chart->Canvas(), QRect(xLabel.right() + 3, 159 + halfH, 10, h), PanelRgb));
}

void ChartPaintingTest::labelsAreOpaqueOverThePlot()
{
    // Centred axes put the Y labels in the middle of the white plot.
    auto chart = MakeChart();
    chart->SetAxisType(xtCent0);
    chart->Redraw();
    const TChartFont& font = chart->ScaleYFont();
    const int halfH = QFontMetrics(font.ToQFont(), &chart->Canvas()).height() / 2;
    QRect label = TextBox(*chart, font, 0, 75 - halfH, "30");
    label.moveLeft(40 + (189 - label.width()) / 2);
    QVERIFY(HasInk(chart->Canvas(), label, PanelRgb));
    int panelPixels = 0;
    for (int y = label.top(); y <= label.bottom(); ++y) {
        for (int x = label.left(); x <= label.right(); ++x) {
            QVERIFY(chart->Canvas().pixel(x, y) != White);
            panelPixels += chart->Canvas().pixel(x, y) == PanelRgb;
        }
    }
    QVERIFY(panelPixels > label.width() * label.height() / 2);
}

void ChartPaintingTest::logarithmicScaleLabelsEveryMajorTick()
{
    auto chart = MakeChart();
    chart->resize(400, 200);
    chart->SetScaleType(stlnXY);
    chart->SetXRange(1, 1000);
    chart->Redraw();
    const TChartFont& font = chart->ScaleXFont();
    const int halfH = QFontMetrics(font.ToQFont(), &chart->Canvas()).height() / 2;
    for (double v : {10.0, 100.0, 2.0, 20.0}) {
        const int px = chart->DataToPixel(v, 20).x();
        QCOMPARE(px, 40 + int(std::trunc(std::log10(v) * 339 / 3.0)));
        QCOMPARE(chart->Canvas().pixel(px, 100), GridLineRgb);
    }
    for (const char* label : {"1", "10", "100", "1000"}) {
        const int px = chart->DataToPixel(QString(label).toDouble(), 20).x();
        QRect box = TextBox(*chart, font, 0, 159 + halfH, label);
        box.moveLeft(px - box.width() / 2);
        QVERIFY2(HasInk(chart->Canvas(), box, PanelRgb), label);
    }
}

void ChartPaintingTest::axesByAxisType_data()
{
    QTest::addColumn<int>("axisType");
    QTest::addColumn<QPoint>("first");
    QTest::addColumn<QRgb>("firstColour");
    QTest::addColumn<QPoint>("second");
    QTest::addColumn<QRgb>("secondColour");
    QTest::addColumn<QPoint>("notAxis");
    QTest::addColumn<QRgb>("notAxisColour");
    // Black through a not-xor pen: black on white, the inverse elsewhere. The plot fill
    // leaves out its right and bottom edges, which stay in the panel colour.
    const QRgb onPanel = 0xFF2F2F2F;
    QTest::newRow("none") << int(xtNone) << QPoint(100, 100) << White << QPoint(100, 159)
                          << PanelRgb << QPoint(40, 100) << White;
    QTest::newRow("centre") << int(xtCent0) << QPoint(134, 50) << BlackPixel << QPoint(100, 92)
                            << BlackPixel << QPoint(40, 100) << White;
    QTest::newRow("first quadrant") << int(xtQuad1) << QPoint(40, 100) << BlackPixel
                                    << QPoint(100, 159) << onPanel << QPoint(229, 100) << PanelRgb;
    QTest::newRow("second quadrant") << int(xtQuad2) << QPoint(229, 100) << onPanel
                                     << QPoint(100, 159) << onPanel << QPoint(40, 100) << White;
}

void ChartPaintingTest::axesByAxisType()
{
    QFETCH(int, axisType);
    QFETCH(QPoint, first);
    QFETCH(QPoint, second);
    QFETCH(QPoint, notAxis);
    auto chart = MakeChart(false);
    chart->SetAxisType(TAxisType(axisType));
    chart->Redraw();
    QTEST(chart->Canvas().pixel(first), "firstColour");
    QTEST(chart->Canvas().pixel(second), "secondColour");
    QTEST(chart->Canvas().pixel(notAxis), "notAxisColour");
}

void ChartPaintingTest::lineDrawnTwiceRestoresTheCanvas_data()
{
    QTest::addColumn<int>("pointType");
    QTest::addColumn<int>("penWidth");
    QTest::addColumn<QList<QPointF>>("points");
    const QList<QPointF> zigzag{{0, 5}, {0.3, 30}, {0.6, 10}, {1, 35}};
    QTest::newRow("plain, 1 pixel") << int(ptNone) << 1 << zigzag;
    QTest::newRow("plain, 3 pixels") << int(ptNone) << 3 << zigzag;
    QTest::newRow("glyphs") << int(ptGlyph) << 1 << zigzag;
    QTest::newRow("circles") << int(ptCircle) << 2 << zigzag;
    QTest::newRow("squares") << int(ptSquare) << 1 << zigzag;
    QTest::newRow("polygons") << int(ptPolygon) << 1 << zigzag;
    QTest::newRow("cross-hairs") << int(ptCrossHair) << 1 << zigzag;
    QTest::newRow("points beyond the range")
        << int(ptSquare) << 2 << QList<QPointF>{{-0.5, 20}, {0.5, 50}, {0.5, 20}, {1.5, -3}};
}

void ChartPaintingTest::lineDrawnTwiceRestoresTheCanvas()
{
    QFETCH(int, pointType);
    QFETCH(int, penWidth);
    QFETCH(QList<QPointF>, points);
    auto chart = MakeChart();
    QImage glyph(9, 7, QImage::Format_RGB32);
    glyph.fill(Qt::white);
    for (int i = 0; i < 7; ++i)
        glyph.setPixel(i, i, qRgb(0, 0, 255));
    TChartLine* line =
        chart->AddLine(clRed, std::uint8_t(pointType), pointType == ptGlyph ? &glyph : nullptr, 9,
                       {{0, -5}, {5, 4}, {-5, 4}});
    line->SetPen(psSolid, penWidth);
    chart->Redraw();
    const QImage blank = chart->Canvas().copy();
    for (const QPointF& p : points)
        line->AddPoint(p.x(), p.y());

    chart->DrawLine(*line);
    const QImage once = chart->Canvas().copy();
    QVERIFY(once != blank);
    chart->Redraw();
    QCOMPARE(chart->Canvas(), once);
    chart->DrawLine(*line);
    QCOMPARE(chart->Canvas(), blank);
}

void ChartPaintingTest::lineShowsItsOwnColourOnTheGrid()
{
    auto chart = MakeChart(false);
    AddPlainLine(*chart, clGreen, 0.1, 22, 0.9, 22);
    chart->Redraw();
    const QPoint middle = chart->DataToPixel(0.5, 22);
    QCOMPARE(chart->Canvas().pixel(middle), qRgb(0, 0x80, 0));
}

void ChartPaintingTest::crossingLinesShowTheNotXorCombination()
{
    auto chart = MakeChart(false);
    AddPlainLine(*chart, clRed, 0.1, 22, 0.9, 22);
    AddPlainLine(*chart, clGreen, 0.5, 3, 0.5, 37);
    chart->Redraw();
    const QPoint crossing = chart->DataToPixel(0.5, 22);
    QCOMPARE(chart->Canvas().pixel(crossing + QPoint(-10, 0)), qRgb(255, 0, 0));
    QCOMPARE(chart->Canvas().pixel(crossing + QPoint(0, -10)), qRgb(0, 0x80, 0));
    // NOT(red XOR green) = NOT($FF8000) in RGB order.
    QCOMPARE(chart->Canvas().pixel(crossing), qRgb(0, 0x7F, 0xFF));
}

void ChartPaintingTest::segmentWithBothEndsOutsideIsNotDrawn()
{
    auto chart = MakeChart();
    const QImage blank = chart->Canvas().copy();
    AddPlainLine(*chart, clRed, -1, 20, 2, 20);
    TChartLine* marked = chart->AddLine(clGreen, ptSquare, nullptr, 8, {});
    marked->AddPoint(0.5, -10);
    marked->AddPoint(0.5, 60);
    chart->Redraw();
    QCOMPARE(chart->Canvas(), blank);
}

void ChartPaintingTest::segmentWithOneEndInsideIsNotClipped()
{
    auto chart = MakeChart(false);
    AddPlainLine(*chart, clRed, 0.5, 22, 2, 22);
    chart->Redraw();
    const int y = chart->DataToPixel(0.5, 22).y();
    QCOMPARE(chart->Canvas().pixel(200, y), qRgb(255, 0, 0));
    // Beyond the plot the red pen falls on the panel colour.
    QCOMPARE(chart->Canvas().pixel(245, y), qRgb(0xD0, 0x2F, 0x2F));
}

void ChartPaintingTest::markerOutOfRangeIsNotDrawn()
{
    auto chart = MakeChart();
    const QImage blank = chart->Canvas().copy();
    TChartLine* line = chart->AddLine(clRed, ptCircle, nullptr, 9, {});
    line->AddPoint(1.01, 20);
    chart->Redraw();
    QCOMPARE(chart->Canvas(), blank);
    line->AddPoint(1, 20);
    chart->Redraw();
    QVERIFY(chart->Canvas() != blank);
}

void ChartPaintingTest::clearThenRedrawShowsNoLines()
{
    auto chart = MakeChart();
    chart->SetTitle("Profile");
    chart->Redraw();
    const QImage blank = chart->Canvas().copy();
    AddPlainLine(*chart, clRed, 0, 35, 1, 12);
    AddPlainLine(*chart, clGreen, 0, 13, 1, 6);
    chart->Redraw();
    const QImage withLines = chart->Canvas().copy();
    QVERIFY(withLines != blank);
    chart->Clear();
    QCOMPARE(chart->Canvas(), withLines);
    chart->Redraw();
    QCOMPARE(chart->Canvas(), blank);
}

void ChartPaintingTest::gridColorChangeShiftsStoredColours()
{
    auto chart = MakeChart(false);
    AddPlainLine(*chart, clRed, 0.1, 22, 0.9, 22);
    chart->SetGridColor(0x00FFFF); // yellow; redraws at once
    const QPoint middle = chart->DataToPixel(0.5, 22);
    QCOMPARE(chart->Canvas().pixel(100, 100), qRgb(255, 255, 0));
    // Red was stored for white: red xor white xor white, drawn on yellow.
    QCOMPARE(chart->Canvas().pixel(middle), qRgb(255, 0, 255));
    AddPlainLine(*chart, clRed, 0.1, 30, 0.9, 30);
    chart->Redraw();
    QCOMPARE(chart->Canvas().pixel(chart->DataToPixel(0.5, 30)), qRgb(255, 0, 0));
}
