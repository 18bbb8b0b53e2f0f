#include "AutoScale.h"

#include "ScaleSteps.h"

#include <algorithm>
#include <cmath>
#include <limits>

TAutoScale TAutoScale::Compute(int maxTicks, double lo, double hi, double floor, bool logarithmic)
{
    if (lo == hi) {
        lo *= 0.5;
        hi *= 1.5;
    }
    const double step = TScaleSteps::RangeStep(hi - lo);
    TAutoScale result;
    if (!logarithmic) {
        lo = TScaleSteps::RoundDownToStep(lo, step, 0);
        hi = TScaleSteps::RoundUpToStep(hi, step, 0);
        if (lo < floor)
            lo = floor;
        long long n = TScaleSteps::Round((hi - lo) / step);
        if (n > maxTicks)
            n = TScaleSteps::Round(n / 2.0);
        result.Ticks = int(std::clamp<long long>(n + 1, 2, std::numeric_limits<int>::max()));
    } else {
        if (lo < floor)
            lo = floor;
        lo = lo > 0 ? TScaleSteps::LogFloor(lo) : TScaleSteps::LogStart(hi);
        double v = lo;
        double decade = lo;
        bool isDecade = false;
        // The walk grows v by half each time; an infinite high end would never stop it.
        while (v <= hi && std::isfinite(v))
            v = TScaleSteps::NextLogTick(decade, isDecade, v * 1.5);
        hi = TScaleSteps::RoundUpToStep(v, step, 0);
    }
    result.Lo = lo;
    result.Hi = hi;
    return result;
}
