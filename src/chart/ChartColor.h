#pragma once

#include "ChartTypes.h"

#include <QPalette>
#include <QRgb>

// Conversions of the chart's colour values.
class TChartColor
{
public:
    static bool IsSystemColor(TColor color) { return (color & 0xFF000000u) == 0xFF000000u; }

    // The RGB value of `color`: itself, or the system colour looked up in `palette`.
    static TColor Resolve(TColor color, const QPalette& palette);

    // The colour that a not-xor pen must carry to show `rgb` on a `gridRgb` pixel.
    static TColor DrawingForm(TColor rgb, TColor gridRgb)
    {
        return (rgb ^ gridRgb ^ 0xFFFFFFu) & 0xFFFFFFu;
    }

    static QRgb ToRgb(TColor rgb);
    static TColor FromRgb(QRgb rgb);
};
