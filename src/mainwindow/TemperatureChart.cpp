#include "TemperatureChart.h"

#include "Hx.h"
#include "QvChartPanel.h"

#include <cmath>

namespace {

constexpr TColor HotColour = 255;
constexpr TColor ColdColour = 32768;
constexpr int LineWidth = 2;
constexpr int MaxYTicks = 9;
constexpr double YRangeMargin = 5.0;
constexpr double YFloor = -1000.0;

TChartLine& AddStreamLine(TChartPanel& chart, TColor colour)
{
    TChartLine& line = *chart.AddLine(colour, ptNone, nullptr, 2, TPointVec());
    line.SetPen(psSolid, LineWidth);
    return line;
}

} // namespace

void ConfigureTemperatureChart(TChartPanel& chart)
{
    chart.SetBevelOuter(bvLowered);
    chart.SetColor(clWindow);
    chart.SetAxesColor(clWindowText);
    chart.SetGridColor(clWhite);
    chart.SetLeftMargin(50);
    chart.SetRightMargin(20);
    chart.SetTopMargin(25);
    chart.SetBottomMargin(40);
    chart.SetXMin(1.0);
    chart.SetXMax(1.0);
    chart.SetYMin(1.0);
    chart.SetYMax(1.0);
    chart.SetTitleAlignment(taCenter);
    chart.SetShowXYPos(true);
    chart.SetShowXYPosPlace(ppBottomLeft);
    chart.SetShowXScale(true);
    chart.SetShowYScale(true);
    chart.SetScaleXTicks(6);
    chart.SetScaleYTicks(6);
    chart.SetScaleYLabel(QStringLiteral("temperature [degC]"));
    chart.SetAxisType(xtQuad1);
    chart.SetScaleType(stXY);
    chart.SetFontLabels(TChartFont::WithPixelHeight(QStringLiteral("Tahoma"), 11, clBlack));
    const TChartFont courier =
        TChartFont::WithPixelHeight(QStringLiteral("courier new"), 11, clBlack);
    chart.SetFontXYPos(courier);
    chart.SetScaleXFont(courier);
    chart.SetScaleYFont(courier);
}

void ShowTemperatureChart(TChartPanel& chart, const THx& hx, const TChartTemperatureUnit& unit)
{
    // A solve that stopped before an outlet has no stream to draw.
    for (const double THx::*temperature : {&THx::thi, &THx::tho, &THx::tci, &THx::tco})
        if (std::isnan(hx.Result(temperature))) {
            ClearTemperatureChart(chart);
            return;
        }
    const auto shown = [&unit](double celsius) { return celsius * unit.factor + unit.offset; };
    chart.Clear();
    chart.SetScaleYLabel(QStringLiteral("temperature [%1]").arg(unit.name));
    TChartLine& hot = AddStreamLine(chart, HotColour);
    TChartLine& cold = AddStreamLine(chart, ColdColour);
    hot.AddPoint(0, shown(hx.thi));
    hot.AddPoint(1, shown(hx.tho));
    if (hx.arrangement.Kind() == TFlowArrangement::TKind::akParallelFlow) {
        cold.AddPoint(0, shown(hx.tci));
        cold.AddPoint(1, shown(hx.tco));
    } else {
        cold.AddPoint(0, shown(hx.tco));
        cold.AddPoint(1, shown(hx.tci));
    }
    chart.SetXRange(0, 1);
    chart.AutoScaleY(MaxYTicks, shown(hx.tci) - YRangeMargin, shown(hx.thi) + YRangeMargin, YFloor);
    chart.Redraw();
}

void ClearTemperatureChart(TChartPanel& chart)
{
    chart.Clear();
    chart.Redraw();
}
