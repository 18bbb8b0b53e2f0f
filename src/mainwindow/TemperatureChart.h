#pragma once

#include <QString>

class TChartPanel;
class THx;

// How the chart shows a temperature: display = °C × factor + offset, and the
// unit on the axis, as the temperature fields show it.
struct TChartTemperatureUnit
{
    double factor = 1;
    double offset = 0;
    QString name = QStringLiteral("degC");
};

// The main window's chart of the two stream temperatures along the exchanger:
// x runs from the hot inlet end (0) to the hot outlet end (1); the hot stream is
// red, the cold stream green, both straight lines between their end
// temperatures, in the unit of the temperature fields. The cold stream enters at x = 1 (counter
// flow), or at x = 0 beside the hot inlet for parallel flow; the other arrangements, which have no
// single position along the flow, are drawn as counter flow.

// The window design's settings of the chart (no lines, all four limits 1.0).
void ConfigureTemperatureChart(TChartPanel& chart);
// The two lines of the solved case, the X range 0..1, a rounded Y range, the
// axis named in `unit`, redrawn.
void ShowTemperatureChart(TChartPanel& chart, const THx& hx, const TChartTemperatureUnit& unit);
// No lines; frame, plot area, axes and the scales of the last range stay.
void ClearTemperatureChart(TChartPanel& chart);
