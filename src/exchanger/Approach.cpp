#include "Approach.h"

#include <cmath>

namespace Approach {

TEnd EndOf(double difference, double thi, double tci)
{
    const double tolerance = Tolerance * std::abs(thi - tci);
    if (difference < -tolerance)
        return TEnd::aeCross;
    // Not a number is no approach: it stands for a fault already recorded.
    return difference <= tolerance ? TEnd::aePinch : TEnd::aeOpen;
}

bool ReachesLimit(double e, double limit)
{
    return e >= limit - Tolerance;
}

} // namespace Approach
