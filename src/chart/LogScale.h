#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <utility>

// The tick values of a logarithmic axis: powers of ten (major) and the doubling
// steps between them with their midpoints (minor).
class TLogScale
{
public:
    QList<double> Major;
    QList<double> Minor;

    // `min` and `max` are the axis limits in data units, min > 0.
    static TLogScale Ticks(double min, double max);

    struct TPlacedTick
    {
        double Value;
        int Pixel;
        QString Label;
        bool ShowLabel;
    };
    // A label's lower and upper pixel along the axis, for the tick at `pixel`.
    using TLabelExtent = std::function<std::pair<int, int>(int pixel, const QString& label)>;

    // Every tick in drawing order, major ones first, with its pixel and label. Major labels
    // are always shown; a minor label is left out where it would touch one already shown.
    QList<TPlacedTick> Place(const std::function<int(double)>& pixelOf,
                             const TLabelExtent& extentOf) const;
};
