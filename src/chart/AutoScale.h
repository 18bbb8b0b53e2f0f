#pragma once

#include <optional>

// A rounded range that covers a wanted span of values, as the chart's AutoScaleY chooses it.
class TAutoScale
{
public:
    double Lo = 0.0;
    double Hi = 0.0;
    std::optional<int> Ticks; // wanted tick count; set on a linear axis only

    // Covers lo..hi, never below `floor`, with at most `maxTicks` intervals on a linear axis.
    static TAutoScale Compute(int maxTicks, double lo, double hi, double floor, bool logarithmic);
};
