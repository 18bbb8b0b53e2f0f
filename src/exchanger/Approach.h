#pragma once

// How close the two streams come. One tolerance decides, for every arrangement
// and every method, both where the solve stops and what the verdict names: a
// pinch or cross at either end, and an effectiveness at the most the
// arrangement reaches.
namespace Approach {

// Relative to the inlet temperature difference thi - tci. The solve's
// temperatures carry rounding of about 1e-16 of their size; a value derived from
// a difference of at least this keeps seven digits or more, one derived from
// less would be rounding noise.
inline constexpr double Tolerance = 1e-9;

enum class TEnd
{
    aeOpen,  // the hot stream is warmer by more than the tolerance
    aePinch, // within the tolerance
    aeCross  // colder by more than the tolerance
};

// An end difference (thi - tco at the hot end, tho - tci at the cold end),
// judged against the inlet difference of a case with inlets thi and tci; open
// where a fault recorded in the solve left it not a number.
TEnd EndOf(double difference, double thi, double tci);

// Whether a stream's temperature change (thi - tho, tco - tci) is more than
// the tolerance either way: a flow can be worked out from the duty over it.
bool Changes(double change, double thi, double tci);

// Whether an effectiveness is at, or within the tolerance below, the most an
// arrangement reaches.
bool ReachesLimit(double e, double limit);

} // namespace Approach
