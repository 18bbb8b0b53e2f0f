#include "Approach.h"

#include <cmath>

namespace Approach {

TEnd EndOf(double difference, double thi, double tci)
{
    const double tolerance = Tolerance * std::abs(thi - tci);
    if (difference > tolerance)
        return TEnd::aeOpen;
    return difference < -tolerance ? TEnd::aeCross : TEnd::aePinch;
}

bool ReachesLimit(double e, double limit)
{
    return e >= limit - Tolerance;
}

} // namespace Approach
