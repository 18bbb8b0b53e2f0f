#include "LogScale.h"

#include "LabelSpans.h"
#include "ScaleSteps.h"
#include "TickLabel.h"

#include <cmath>

TLogScale TLogScale::Ticks(double min, double max)
{
    TLogScale scale;
    scale.Major.append(min);
    double v = min;
    double decade = min;
    bool isDecade = false;
    // Doubling from a positive finite start always passes a finite max.
    while (max - v >= -0.001 && v > 0 && std::isfinite(v)) {
        const double prev = v;
        v = TScaleSteps::NextLogTick(decade, isDecade, v * 2);
        if (max - v < -0.001)
            break;
        if (isDecade) {
            scale.Major.append(v);
        } else {
            scale.Minor.append(v);
            scale.Minor.append(prev + (v - prev) / 2);
        }
    }
    if (scale.Minor.isEmpty())
        scale.Minor = {min + (max - min) / 4, min + (max - min) / 2};
    if (!TScaleSteps::ValueInList(scale.Major, max) && !TScaleSteps::ValueInList(scale.Minor, max))
        scale.Major.append(max);
    return scale;
}

QList<TLogScale::TPlacedTick> TLogScale::Place(const std::function<int(double)>& pixelOf,
                                               const TLabelExtent& extentOf) const
{
    QList<TPlacedTick> placed;
    TLabelSpans spans;
    const auto place = [&](double value, bool minor) {
        const int pixel = pixelOf(value);
        const QString label = TTickLabel::Text(value);
        const auto [lower, upper] = extentOf(pixel, label);
        const bool show = !(minor && spans.Overlaps(lower, upper));
        if (show)
            spans.Add(lower, upper);
        placed.append({value, pixel, label, show});
    };
    for (double value : Major)
        place(value, false);
    for (double value : Minor)
        place(value, true);
    return placed;
}
