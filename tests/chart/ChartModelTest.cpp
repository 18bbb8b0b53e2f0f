#include "ChartModelTest.h"

#include "ChartColor.h"
#include "QvChartPanel.h"

#include <QTest>

void ChartModelTest::defaults()
{
    TChartPanel chart;
    QCOMPARE(chart.width(), 250);
    QCOMPARE(chart.height(), 200);
    QCOMPARE(chart.DrawWidth(), 249);
    QCOMPARE(chart.DrawHeight(), 199);
    QCOMPARE(chart.Color(), clWindow);
    QCOMPARE(chart.AxesColor(), clWindowText);
    QCOMPARE(chart.GridColor(), clWhite);
    QCOMPARE(chart.LeftMargin(), 40);
    QCOMPARE(chart.RightMargin(), 20);
    QCOMPARE(chart.TopMargin(), 25);
    QCOMPARE(chart.BottomMargin(), 40);
    QCOMPARE(chart.XMin(), 1.0);
    QCOMPARE(chart.XMax(), 10.0);
    QCOMPARE(chart.YMin(), 1.0);
    QCOMPARE(chart.YMax(), 10.0);
    QCOMPARE(chart.Title(), QString());
    QCOMPARE(chart.TitleAlignment(), taCenter);
    QVERIFY(chart.ShowXYPos());
    QCOMPARE(chart.ShowXYPosPlace(), ppBottomLeft);
    QVERIFY(chart.ShowXScale());
    QVERIFY(chart.ShowYScale());
    QCOMPARE(chart.ScaleXTicks(), 6);
    QCOMPARE(chart.ScaleYTicks(), 6);
    QCOMPARE(chart.AxisType(), xtQuad1);
    QCOMPARE(chart.ScaleType(), stXY);
    QCOMPARE(chart.BevelOuter(), bvLowered);
    QCOMPARE(chart.FontXYPos(), TChartFont("courier new", 8, clBlack));
    QCOMPARE(chart.ScaleXFont(), TChartFont("courier new", 8, clBlack));
    QCOMPARE(chart.ScaleYFont(), TChartFont("courier new", 8, clBlack));
    QCOMPARE(chart.FontLabels(), TChartFont("courier new", 8, clBlack));
    QVERIFY(chart.Lines().empty());
    QVERIFY(!chart.Dragging());
    QVERIFY(!chart.OnAllowPointMove);
}

void ChartModelTest::setRangeWidensEqualLimits_data()
{
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::addColumn<double>("expectedMin");
    QTest::addColumn<double>("expectedMax");
    QTest::newRow("0, 0 gives 0..1") << 0.0 << 0.0 << 0.0 << 1.0;
    QTest::newRow("4, 4 gives 2..6") << 4.0 << 4.0 << 2.0 << 6.0;
    QTest::newRow("distinct limits are kept") << 0.0 << 1.0 << 0.0 << 1.0;
    // Halving and growing -4 the same way would put the minimum above the maximum.
    QTest::newRow("-4, -4 gives -6..-2") << -4.0 << -4.0 << -6.0 << -2.0;
}

void ChartModelTest::setRangeWidensEqualLimits()
{
    QFETCH(double, min);
    QFETCH(double, max);
    TChartPanel chart;
    chart.SetXRange(min, max);
    QTEST(chart.XMin(), "expectedMin");
    QTEST(chart.XMax(), "expectedMax");
    chart.SetYRange(min, max);
    QTEST(chart.YMin(), "expectedMin");
    QTEST(chart.YMax(), "expectedMax");
}

void ChartModelTest::ticksAreAtLeastTwo()
{
    TChartPanel chart;
    chart.SetScaleYTicks(1);
    QCOMPARE(chart.ScaleYTicks(), 2);
    chart.SetScaleXTicks(-3);
    QCOMPARE(chart.ScaleXTicks(), 2);
    chart.SetScaleXTicks(11);
    QCOMPARE(chart.ScaleXTicks(), 11);
}

void ChartModelTest::logarithmicLimitsReplaceNonPositiveValues()
{
    TChartPanel chart;
    chart.SetScaleType(stXlnY);
    chart.SetYMin(-5);
    QCOMPARE(chart.YMin(), 0.01);
    chart.SetScaleType(stXY);
    QCOMPARE(chart.YMin(), 0.01);
    chart.SetScaleType(stlnXY);
    chart.SetXMin(0);
    QCOMPARE(chart.XMin(), 0.01);
    // 10^log10(8) is not 8 in doubles; the limit still reads back as set.
    chart.SetXMax(8);
    QVERIFY(chart.XMax() == 8.0);
}

void ChartModelTest::scaleTypeKeepsTheRangeInDataUnits()
{
    TChartPanel chart;
    chart.SetXRange(-3, 500);
    chart.SetYRange(2, 300);
    chart.SetScaleType(stlnXlnY);
    QCOMPARE(chart.XMin(), 0.01);
    QCOMPARE(chart.XMax(), 500.0);
    QCOMPARE(chart.YMin(), 2.0);
    QCOMPARE(chart.YMax(), 300.0);
    chart.SetScaleType(stXY);
    QCOMPARE(chart.XMax(), 500.0);
    QCOMPARE(chart.YMin(), 2.0);
}

void ChartModelTest::autoScaleYOnLogarithmicAxisLeavesTicks()
{
    TChartPanel chart;
    chart.SetScaleType(stXlnY);
    chart.SetScaleYTicks(4);
    chart.AutoScaleY(9, 3, 700, -1000);
    QCOMPARE(chart.YMin(), 2.0);
    QCOMPARE(chart.YMax(), 800.0);
    QCOMPARE(chart.ScaleYTicks(), 4);

    chart.SetScaleType(stXY);
    chart.AutoScaleY(9, 1, 40, -1000);
    QCOMPARE(chart.YMin(), 0.0);
    QCOMPARE(chart.YMax(), 40.0);
    QCOMPARE(chart.ScaleYTicks(), 9);
}

void ChartModelTest::addLineStoresTheDrawingForm()
{
    TChartPanel chart;
    chart.SetGridColor(0x00FFFF); // yellow
    TChartLine* line = chart.AddLine(clRed, ptSquare, nullptr, 6, {});
    // red xor yellow xor white
    QCOMPARE(line->LineColour, TColor(0xFF00FF));
    QCOMPARE(line->MarkerPenColour, TColor(0xFF00FF));
    QCOMPARE(line->MarkerBrushColour, TColor(0xFF00FF));
    QCOMPARE(line->PenStyle, psSolid);
    QCOMPARE(line->PenWidth, 1);
    QCOMPARE(line->MarkerPenStyle, psSolid);
    QCOMPARE(line->MarkerPenWidth, 2);
    QCOMPARE(line->PointType, std::uint8_t(ptSquare));
    QCOMPARE(line->Size, 6);
    QCOMPARE(line->Panel, &chart);
    QCOMPARE(chart.Lines().size(), std::size_t(1));
}

// A line needs no panel: what it stores comes from the drawing form it is given.
void ChartModelTest::lineAndPointsConvertThroughTheDrawingFormTheyAreGiven()
{
    QList<TColor> asked;
    const auto inverted = [&asked](TColor colour) {
        asked << colour;
        return colour ^ 0xFFFFFF;
    };
    TChartLine line(nullptr, inverted, clRed, ptSquare, 6, {});
    QCOMPARE(line.LineColour, TColor(0xFFFF00));
    line.SetMarkerStyle(clGreen, clWhite, psDash, 3);
    QCOMPARE(line.MarkerPenColour, TColor(0xFF7FFF));
    QCOMPARE(line.MarkerBrushColour, TColor(0x000000));
    // A new point takes the marker colours as they are, already converted.
    TChartPoint* point = line.AddPoint(1, 2);
    QCOMPARE(point->Panel, nullptr);
    QCOMPARE(point->PenColour, TColor(0xFF7FFF));
    QCOMPARE(point->BrushColour, TColor(0x000000));
    // Existing points convert the new marker colours themselves.
    line.SetMarkerStyle(clBlack, clRed, psSolid, 1);
    QCOMPARE(point->PenColour, TColor(0xFFFFFF));
    QCOMPARE(point->BrushColour, TColor(0xFFFF00));
    point->SetStyle(0x123456, 0x654321, psSolid, 1, false);
    QCOMPARE(point->PenColour, TColor(0x123456));
    point->SetStyle(0x123456, 0x654321, psSolid, 1, true);
    QCOMPARE(point->PenColour, TColor(0xEDCBA9));
    QCOMPARE(point->BrushColour, TColor(0x9ABCDE));
    QCOMPARE(asked, QList<TColor>({clRed, clGreen, clWhite, clBlack, clRed, clBlack, clRed,
                                   0x123456, 0x654321}));
}

void ChartModelTest::addPointTakesTheLineMarker()
{
    TChartPanel chart;
    const TPointVec shape{{0, -4}, {4, 4}, {-4, 4}};
    TChartLine* line = chart.AddLine(clGreen, ptPolygon, nullptr, 7, shape);
    line->SetMarkerStyle(clRed, clWhite, psDash, 3);
    TChartPoint* point = line->AddPoint(2.5, 3.5);
    QCOMPARE(point->X, 2.5);
    QCOMPARE(point->Y, 3.5);
    QCOMPARE(point->PointType, std::uint8_t(ptPolygon));
    QCOMPARE(point->Size, 7);
    QCOMPARE(point->Shape, shape);
    QVERIFY(point->Movable);
    QCOMPARE(point->PenColour, chart.DrawingForm(clRed));
    QCOMPARE(point->BrushColour, chart.DrawingForm(clWhite));
    QCOMPARE(point->PenStyle, psDash);
    QCOMPARE(point->PenWidth, 3);
    QCOMPARE(line->Points().size(), std::size_t(1));
    QCOMPARE(line->Points().front().get(), point);
}

void ChartModelTest::setPenAndMarkerStyleReachExistingPoints()
{
    TChartPanel chart;
    TChartLine* line = chart.AddLine(clGreen, ptCircle, nullptr, 7, {});
    TChartPoint* point = line->AddPoint(1, 1);
    line->SetMarkerStyle(clRed, clBlack, psDot, 4);
    QCOMPARE(point->PenColour, chart.DrawingForm(clRed));
    QCOMPARE(point->BrushColour, chart.DrawingForm(clBlack));
    QCOMPARE(point->PenStyle, psDot);
    QCOMPARE(point->PenWidth, 4);
    line->SetPen(psDash, 2);
    QCOMPARE(line->PenStyle, psDash);
    QCOMPARE(line->PenWidth, 2);
    QCOMPARE(point->PenStyle, psDash);
    QCOMPARE(point->PenWidth, 2);
}

void ChartModelTest::glyphSetsTheMarkerSize()
{
    TChartPanel chart;
    QImage bitmap(16, 16, QImage::Format_RGB32);
    bitmap.fill(Qt::white);
    TChartLine* line = chart.AddLine(clRed, ptGlyph, &bitmap, 3, {});
    QCOMPARE(line->Size, 16);
    QVERIFY(line->Glyph());
    QVERIFY(line->Glyph() != &bitmap);
    TChartPoint* point = line->AddPoint(1, 1);
    QCOMPARE(point->Size, 16);
    QCOMPARE(point->Glyph, line->Glyph());

    // (15 + 16) / 2 = 15.5 rounds to even.
    QImage odd(15, 16, QImage::Format_RGB32);
    odd.fill(Qt::white);
    QCOMPARE(chart.AddLine(clRed, ptGlyph, &odd, 3, {})->Size, 16);
    QImage odd2(13, 16, QImage::Format_RGB32);
    odd2.fill(Qt::white);
    QCOMPARE(chart.AddLine(clRed, ptGlyph, &odd2, 3, {})->Size, 14);
}

void ChartModelTest::lineWithoutMarkersHasNoMovablePoints()
{
    TChartPanel chart;
    chart.SetXRange(0, 1);
    chart.SetYRange(0, 40);
    TChartLine* line = chart.AddLine(clRed, ptNone, nullptr, 2, {});
    line->AddPoint(0, 35);
    line->AddPoint(1, 12);
    chart.Redraw();
    QVERIFY(!line->Points()[0]->Movable);
    const QPoint p = chart.DataToPixel(0, 35);
    QVERIFY(!chart.HitTest(p.x(), p.y()));
    QVERIFY(!chart.HitPoint());
}

void ChartModelTest::fontsAreCopied()
{
    TChartPanel chart;
    TChartFont font = TChartFont::WithPixelHeight("Tahoma", 11, clBlack);
    chart.SetFontLabels(font);
    font.Name = "changed";
    QCOMPARE(chart.FontLabels().Name, QString("Tahoma"));
    QCOMPARE(chart.FontLabels().Height, 11);
    QCOMPARE(chart.FontLabels().ToQFont().pixelSize(), 11);
}

void ChartModelTest::clearReleasesLinesAndForgetsTheHit()
{
    TChartPanel chart;
    chart.SetXRange(0, 1);
    chart.SetYRange(0, 1);
    TChartLine* line = chart.AddLine(clRed, ptSquare, nullptr, 6, {});
    line->AddPoint(0.5, 0.5);
    chart.Redraw();
    const QPoint p = chart.DataToPixel(0.5, 0.5);
    QVERIFY(chart.HitTest(p.x() + 3, p.y() - 3));
    QCOMPARE(chart.HitLine(), line);
    chart.Clear();
    QVERIFY(chart.Lines().empty());
    QVERIFY(!chart.HitPoint());
    QVERIFY(!chart.HitLine());
    QVERIFY(!chart.HitTest(p.x(), p.y()));
}

void ChartModelTest::systemColorsResolveThroughThePalette()
{
    TChartPanel chart;
    QPalette palette = chart.palette();
    palette.setColor(QPalette::Window, QColor(0x12, 0x34, 0x56));
    palette.setColor(QPalette::WindowText, QColor(0x65, 0x43, 0x21));
    chart.setPalette(palette);
    const TColor window = TChartColor::Resolve(clWindow, chart.palette());
    QCOMPARE(window, TColor(0x563412));
    QCOMPARE(TChartColor::Resolve(clWindowText, chart.palette()), TColor(0x214365));
    QCOMPARE(TChartColor::Resolve(0x00ABCDEF, chart.palette()), TColor(0xABCDEF));
    // A system colour passed as a line colour is resolved before its drawing form is taken.
    QCOMPARE(chart.DrawingForm(clWindowText), TColor(0x214365));
    chart.Redraw();
    QCOMPARE(chart.Canvas().pixel(0, 0), qRgb(0x12, 0x34, 0x56));
}
