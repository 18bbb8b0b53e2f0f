#include "ChartFixture.h"

std::unique_ptr<TChartPanel> MakeChart(bool withScales)
{
    auto chart = std::make_unique<TChartPanel>();
    chart->SetColor(kPanelColor);
    chart->SetAxesColor(clBlack);
    chart->SetShowXScale(withScales);
    chart->SetShowYScale(withScales);
    chart->SetXRange(0, 1);
    chart->SetYRange(0, 40);
    chart->SetScaleYTicks(9);
    chart->Redraw();
    return chart;
}

bool HasInk(const QImage& image, const QRect& area, QRgb background)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.rect().contains(x, y) && image.pixel(x, y) != background)
                return true;
    return false;
}
