#pragma once

#include <QList>

// The chart's rounding rules and step tables: tidy range limits, tick spacings
// and the walk along a logarithmic axis.
class TScaleSteps
{
public:
    // Rounds half to even, the rounding of every pixel and count in the chart.
    static long long Round(double value);

    // A multiple of `step` at or above `x` (below for RoundDownToStep); a fractional
    // part within `tolerance` of the multiple does not move it.
    static double RoundUpToStep(double x, double step, double tolerance);
    static double RoundDownToStep(double x, double step, double tolerance);

    // Rounding step for a whole range r: one tenth of the first 1-2-5 value >= r.
    static double RangeStep(double range);
    // Tidy tick spacing for a raw spacing.
    static double TickStep(double rawSpacing);
    // Start of a logarithmic range at or below a positive low end.
    static double LogFloor(double x);
    // Start of a logarithmic range whose low end is not positive, by its high end.
    static double LogStart(double high);
    // The next power of ten above `decade` that `x` has reached (within 0.001), or `x`
    // itself; `decade` moves to the power found and `isDecade` says whether one was.
    static double NextLogTick(double& decade, bool& isDecade, double x);
    // True when some element equals `x` exactly.
    static bool ValueInList(const QList<double>& list, double x);
};
