#pragma once

#include "UnitsType.h"

#include <QString>

// A display unit as a text of results shows a quantity in it: display =
// value × factor + offset, written by the rules of the quantity's field.
struct TShownUnit
{
    QString name; // "°F"
    double factor = 1;
    double offset = 0;
    QString format;       // "%0.1f", "%0.5g"
    int minSigDigits = 0; // a fixed format shows at least so many significant digits

    // "95.0": the value in this unit, without the unit's name.
    QString Text(double value) const;
};

// The fewest significant digits a field of `type` shows: none for a
// temperature, a temperature difference or a proportion, whose decimals are
// their resolution; four for every other quantity, however small.
int MinSigDigitsOf(TUnitsType type);

// The catalogue's unit `units` of `type` for values held in unit `base`, with
// the unit's own format.
TShownUnit ShownUnitOf(TUnitsType type, int units, int base);
