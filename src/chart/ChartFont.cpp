#include "ChartFont.h"

TChartFont::TChartFont(const QString& name, int pointSize, TColor color)
    : Name(name), Size(pointSize), Color(color)
{
}

TChartFont TChartFont::WithPixelHeight(const QString& name, int pixelHeight, TColor color)
{
    TChartFont font(name, 8, color);
    font.Height = pixelHeight;
    return font;
}

QFont TChartFont::ToQFont() const
{
    QFont font(Name);
    // Courier is missing on many desktops; keep the fallback fixed-pitch.
    if (Name.startsWith(QLatin1String("courier"), Qt::CaseInsensitive))
        font.setStyleHint(QFont::TypeWriter);
    if (Height > 0)
        font.setPixelSize(Height);
    else
        font.setPointSize(qMax(1, Size));
    font.setBold(Bold);
    font.setItalic(Italic);
    font.setUnderline(Underline);
    font.setStrikeOut(StrikeOut);
    return font;
}
