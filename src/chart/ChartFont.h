#pragma once

#include "ChartTypes.h"

#include <QFont>
#include <QString>

// A font as the chart's properties hold it: a face name, a size in points or a
// height in pixels, a colour and a style set. Copied by value.
class TChartFont
{
public:
    TChartFont() = default;
    TChartFont(const QString& name, int pointSize, TColor color = clBlack);
    static TChartFont WithPixelHeight(const QString& name, int pixelHeight, TColor color = clBlack);

    QString Name = QStringLiteral("courier new");
    int Size = 8;   // points; used while Height is 0
    int Height = 0; // pixels; wins over Size when positive
    TColor Color = clBlack;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;

    QFont ToQFont() const;

    bool operator==(const TChartFont&) const = default;
};
