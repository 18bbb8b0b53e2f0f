#pragma once

#include <QList>

// The ticks of a linear axis: a tidy step from the wanted tick count, and each
// tick's value and pixel offset along the plot.
class TLinearScale
{
public:
    struct TTick
    {
        double Value;
        int Offset; // pixels from the plot's left edge (X) or top edge (Y)
    };

    double Step = 0.0;
    QList<TTick> Ticks;

    // `min` < `max` in data units; `plotLength` the plot's width (X) or height (Y).
    static TLinearScale ForX(double min, double max, int wantedTicks, int plotLength);
    static TLinearScale ForY(double min, double max, int wantedTicks, int plotLength);
};
