#pragma once

#include <QList>

// The tick values of a logarithmic axis: powers of ten (major) and the doubling
// steps between them with their midpoints (minor).
class TLogScale
{
public:
    QList<double> Major;
    QList<double> Minor;

    // `min` and `max` are the axis limits in data units, min > 0.
    static TLogScale Ticks(double min, double max);
};
