#include "Approach.h"

#include <cmath>

namespace Approach {

namespace {

double ToleranceOf(double thi, double tci)
{
    return Tolerance * std::abs(thi - tci);
}

} // namespace

TEnd EndOf(double difference, double thi, double tci)
{
    const double tolerance = ToleranceOf(thi, tci);
    if (difference < -tolerance)
        return TEnd::aeCross;
    // Not a number is no approach: it stands for a fault already recorded.
    return difference <= tolerance ? TEnd::aePinch : TEnd::aeOpen;
}

bool Changes(double change, double thi, double tci)
{
    return !(std::abs(change) <= ToleranceOf(thi, tci));
}

bool ReachesLimit(double e, double limit)
{
    return e >= limit - Tolerance;
}

} // namespace Approach
