#include "ChartMouseTest.h"

#include "ChartFixture.h"
#include "QvChartPanel.h"

#include <QFontMetrics>
#include <QTest>

namespace {

constexpr QRgb White = 0xFFFFFFFF;

// A shown chart with one line of square markers at (0.2, 10), (0.5, 20), (0.8, 30).
struct TDragFixture
{
    TDragFixture()
    {
        chart = MakeChart();
        chart->SetShowXYPos(false);
        line = chart->AddLine(clRed, ptSquare, nullptr, 8, {});
        line->AddPoint(0.2, 10);
        middle = line->AddPoint(0.5, 20);
        line->AddPoint(0.8, 30);
        chart->show();
        chart->Redraw();
    }
    QPoint MiddlePixel() const { return chart->DataToPixel(middle->X, middle->Y); }

    std::unique_ptr<TChartPanel> chart;
    TChartLine* line = nullptr;
    TChartPoint* middle = nullptr;
};

} // namespace

void ChartMouseTest::readoutShowsThePositionInDataUnits_data()
{
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QString>("readout");
    // x = (87 - 40) / 189 = 0.2487; y = (159 - 92) / 3.35 = 20.
    QTest::newRow("inside the range") << QPoint(87, 92) << "[0.25, 20.0]";
    QTest::newRow("left of the range") << QPoint(20, 92) << "[]";
    QTest::newRow("above the range") << QPoint(87, 10) << "[]";
    QTest::newRow("on the lower left corner") << QPoint(40, 159) << "[0, 0]";
}

void ChartMouseTest::readoutShowsThePositionInDataUnits()
{
    QFETCH(QPoint, pixel);
    auto chart = MakeChart();
    chart->show();
    QTest::mouseMove(chart.get(), pixel);
    QTEST(chart->ReadoutText(), "readout");
}

void ChartMouseTest::readoutIsPlacedInItsCorner_data()
{
    QTest::addColumn<int>("place");
    QTest::newRow("bottom left") << int(ppBottomLeft);
    QTest::newRow("top right") << int(ppTopRight);
}

void ChartMouseTest::readoutIsPlacedInItsCorner()
{
    QFETCH(int, place);
    // The plot covers the whole drawing area, so the read-out shows as a panel-coloured box.
    auto chart = MakeChart(false);
    chart->SetAxisType(xtNone);
    chart->SetLeftMargin(0);
    chart->SetTopMargin(0);
    chart->SetRightMargin(0);
    chart->SetBottomMargin(0);
    chart->SetShowXYPosPlace(TXYPosPlace(place));
    chart->show();
    chart->Redraw();
    // A move to where the mouse already is would send nothing.
    QTest::mouseMove(chart.get(), QPoint(10, 10));
    QTest::mouseMove(chart.get(), QPoint(124, 99));
    QCOMPARE(chart->ReadoutText(), QString("[0.50, 20.1]"));

    const QFontMetrics metrics(chart->FontXYPos().ToQFont(), &chart->Canvas());
    const int w = metrics.horizontalAdvance(chart->ReadoutText());
    const int h = metrics.height();
    const QRect box =
        place == ppBottomLeft ? QRect(2, 199 - h - 2, w + 2, h) : QRect(249 - w - 3, 3, w + 2, h);
    const QImage& canvas = chart->Canvas();
    for (const QPoint corner : {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()})
        QCOMPARE(canvas.pixel(corner), PanelRgb);
    QVERIFY(HasInk(canvas, box, PanelRgb));
    for (const QPoint outside : {box.topLeft() - QPoint(1, 1), box.bottomRight() + QPoint(1, 1)})
        QCOMPARE(canvas.pixel(outside), White);
}

void ChartMouseTest::readoutUsesTheGivenFormats()
{
    auto chart = MakeChart();
    chart->SetShowXPosFmt("%0.3f");
    chart->SetShowYPosFmt("%0.0f");
    chart->show();
    QTest::mouseMove(chart.get(), QPoint(87, 92));
    QCOMPARE(chart->ReadoutText(), QString("[0.249, 20]"));
    // A format that does not fit a number shows no position.
    chart->SetShowYPosFmt("%s");
    QTest::mouseMove(chart.get(), QPoint(88, 92));
    QCOMPARE(chart->ReadoutText(), QString("[]"));
}

void ChartMouseTest::redrawRemovesTheReadout()
{
    auto chart = MakeChart();
    chart->show();
    chart->Redraw();
    const QImage blank = chart->Canvas().copy();
    QTest::mouseMove(chart.get(), QPoint(87, 92));
    QVERIFY(chart->Canvas() != blank);
    chart->Redraw();
    QCOMPARE(chart->ReadoutText(), QString());
    QCOMPARE(chart->Canvas(), blank);
    QTest::mouseMove(chart.get(), QPoint(88, 92));
    QCOMPARE(chart->ReadoutText(), QString("[0.25, 20.0]"));
}

void ChartMouseTest::noReadoutWhenSwitchedOff()
{
    auto chart = MakeChart();
    chart->SetShowXYPos(false);
    chart->show();
    chart->Redraw();
    const QImage blank = chart->Canvas().copy();
    QTest::mouseMove(chart.get(), QPoint(87, 92));
    QCOMPARE(chart->ReadoutText(), QString());
    QCOMPARE(chart->Canvas(), blank);
    QCOMPARE(chart->CursorX(), 47 / 189.0);
}

void ChartMouseTest::handCursorOverMovablePoints()
{
    TDragFixture f;
    QTest::mouseMove(f.chart.get(), f.MiddlePixel() + QPoint(3, -3));
    QCOMPARE(f.chart->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(f.chart->HitPoint(), f.middle);
    QTest::mouseMove(f.chart.get(), f.MiddlePixel() + QPoint(4, 0));
    QCOMPARE(f.chart->cursor().shape(), Qt::ArrowCursor);
    QVERIFY(!f.chart->HitPoint());
}

void ChartMouseTest::dragMovesThePoint()
{
    TDragFixture f;
    QTest::mousePress(f.chart.get(), Qt::LeftButton, {}, f.MiddlePixel() + QPoint(1, 2));
    QVERIFY(f.chart->Dragging());
    QTest::mouseMove(f.chart.get(), QPoint(150, 60));
    const TDoublePoint target = f.chart->PixelToData(150, 60);
    QCOMPARE(f.middle->X, target.X);
    QCOMPARE(f.middle->Y, target.Y);
    QTest::mouseRelease(f.chart.get(), Qt::LeftButton, {}, QPoint(150, 60));
    QVERIFY(!f.chart->Dragging());
    QCOMPARE(f.chart->cursor().shape(), Qt::ArrowCursor);

    // Erasing and redrawing the one line leaves the picture a full redraw gives.
    const QImage dragged = f.chart->Canvas().copy();
    f.chart->Redraw();
    QCOMPARE(dragged, f.chart->Canvas());
    // Pixels truncate towards zero, so the point may sit a pixel short of the mouse.
    QVERIFY((f.MiddlePixel() - QPoint(150, 60)).manhattanLength() <= 2);
}

void ChartMouseTest::vetoStopsTheDrag()
{
    TDragFixture f;
    int calls = 0;
    QPoint asked;
    TChartPanel* sender = nullptr;
    Qt::MouseButtons buttons;
    f.chart->OnAllowPointMove = [&](TChartPanel* s, TShiftState shift, int x, int y, bool& allow) {
        ++calls;
        sender = s;
        buttons = shift.Buttons;
        asked = {x, y};
        QVERIFY(allow);
        allow = false;
    };
    const QImage before = f.chart->Canvas().copy();
    QTest::mousePress(f.chart.get(), Qt::LeftButton, {}, f.MiddlePixel());
    QTest::mouseMove(f.chart.get(), QPoint(150, 60));
    QCOMPARE(calls, 1);
    QCOMPARE(sender, f.chart.get());
    QCOMPARE(asked, QPoint(150, 60));
    QCOMPARE(buttons, Qt::MouseButtons(Qt::LeftButton));
    QVERIFY(!f.chart->Dragging());
    QCOMPARE(f.middle->X, 0.5);
    QCOMPARE(f.middle->Y, 20.0);
    QCOMPARE(f.chart->Canvas(), before);

    QTest::mouseMove(f.chart.get(), QPoint(160, 70));
    QCOMPARE(calls, 1);
    QCOMPARE(f.middle->X, 0.5);
}

void ChartMouseTest::movesOutsideThePlotAreIgnoredWhileDragging()
{
    TDragFixture f;
    f.chart->SetShowXYPos(true);
    int calls = 0;
    f.chart->OnAllowPointMove = [&](TChartPanel*, TShiftState, int, int, bool&) { ++calls; };
    QTest::mousePress(f.chart.get(), Qt::LeftButton, {}, f.MiddlePixel());
    QTest::mouseMove(f.chart.get(), QPoint(150, 60));
    QCOMPARE(calls, 1);
    const QPoint moved = f.MiddlePixel();
    const QString readout = f.chart->ReadoutText();
    const QImage inside = f.chart->Canvas().copy();
    QTest::mouseMove(f.chart.get(), QPoint(235, 60));
    QCOMPARE(calls, 1);
    QVERIFY(f.chart->Dragging());
    QCOMPARE(f.MiddlePixel(), moved);
    QCOMPARE(f.chart->ReadoutText(), readout);
    QCOMPARE(f.chart->Canvas(), inside);
}

void ChartMouseTest::lineWithoutMarkersCannotBeDragged()
{
    auto chart = MakeChart();
    TChartLine* line = chart->AddLine(clRed, ptNone, nullptr, 2, {});
    line->SetPen(psSolid, 2);
    TChartPoint* point = line->AddPoint(0.5, 20);
    line->AddPoint(1, 12);
    chart->show();
    chart->Redraw();
    const QPoint pixel = chart->DataToPixel(0.5, 20);
    QTest::mouseMove(chart.get(), pixel);
    QCOMPARE(chart->cursor().shape(), Qt::ArrowCursor);
    QTest::mousePress(chart.get(), Qt::LeftButton, {}, pixel);
    QVERIFY(!chart->Dragging());
    QTest::mouseMove(chart.get(), QPoint(150, 60));
    QCOMPARE(point->X, 0.5);
    QTest::mouseRelease(chart.get(), Qt::LeftButton, {}, QPoint(150, 60));
}

void ChartMouseTest::clearInsideTheMoveHandlerEndsTheDrag()
{
    TDragFixture f;
    f.chart->OnAllowPointMove = [&](TChartPanel* sender, TShiftState, int, int, bool&) {
        sender->Clear();
    };
    QTest::mousePress(f.chart.get(), Qt::LeftButton, {}, f.MiddlePixel());
    QTest::mouseMove(f.chart.get(), QPoint(150, 60));
    QVERIFY(!f.chart->Dragging());
    QVERIFY(f.chart->Lines().empty());
}
