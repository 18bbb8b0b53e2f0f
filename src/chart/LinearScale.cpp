#include "LinearScale.h"

#include "ScaleSteps.h"

#include <cmath>

namespace {

double StepFor(double min, double max, int wantedTicks)
{
    return TScaleSteps::TickStep((max - min) / (wantedTicks - 1));
}

} // namespace

TLinearScale TLinearScale::ForX(double min, double max, int wantedTicks, int plotLength)
{
    TLinearScale scale;
    scale.Step = StepFor(min, max, wantedTicks);
    const double perStep = plotLength / ((max - min) / scale.Step);
    // The last tick may lie up to 2 % of the range beyond the plot.
    const long long n = static_cast<long long>(std::trunc(((max - min) * 1.02) / scale.Step));
    for (long long k = 0; k <= n; ++k)
        scale.Ticks.append({k * scale.Step + min, int(TScaleSteps::Round(k * perStep))});
    return scale;
}

TLinearScale TLinearScale::ForY(double min, double max, int wantedTicks, int plotLength)
{
    TLinearScale scale;
    scale.Step = StepFor(min, max, wantedTicks);
    const double perStep = plotLength / ((max - min) / scale.Step);
    const long long n = static_cast<long long>(std::trunc(((max - min) / scale.Step) * 1.02));
    const double offset = plotLength - n * perStep;
    for (long long k = 0; k <= n; ++k)
        scale.Ticks.append(
            {k * scale.Step + min, int(TScaleSteps::Round((n - k) * perStep + offset))});
    return scale;
}
