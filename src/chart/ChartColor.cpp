#include "ChartColor.h"

namespace {

// The desktop's system colour numbers the chart meets, and their palette roles.
QPalette::ColorRole SystemColorRole(TColor color)
{
    switch (color & 0xFFu) {
    case 4:  // menu
    case 15: // button face
        return QPalette::Button;
    case 5: // window background
        return QPalette::Window;
    case 13: // highlight
        return QPalette::Highlight;
    case 14: // highlighted text
        return QPalette::HighlightedText;
    case 18: // button text
        return QPalette::ButtonText;
    default: // 8 window text, and anything unknown
        return QPalette::WindowText;
    }
}

} // namespace

TColor TChartColor::Resolve(TColor color, const QPalette& palette)
{
    if (!IsSystemColor(color))
        return color & 0xFFFFFFu;
    return FromRgb(palette.color(QPalette::Active, SystemColorRole(color)).rgb());
}

QRgb TChartColor::ToRgb(TColor rgb)
{
    return qRgb(int(rgb & 0xFF), int((rgb >> 8) & 0xFF), int((rgb >> 16) & 0xFF));
}

TColor TChartColor::FromRgb(QRgb rgb)
{
    return TColor(qRed(rgb)) | (TColor(qGreen(rgb)) << 8) | (TColor(qBlue(rgb)) << 16);
}
