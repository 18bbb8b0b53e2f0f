#pragma once

#include "UnitsType.h"

#include <QString>

// The compiled-in units catalogue: per quantity type a short list of units,
// each with its name, conversion factor and default display format. Index 0
// of every list is the reference (base) unit with factor 1. A value v held
// in base units is shown as v × factor + offset.

// Number of units in the type's list; 0 for utNone.
int UnitsCount(TUnitsType type);

// The lookups expect an index already passed through CheckUnitsIndex; only
// its low byte selects the unit, and an index outside the list raises
// std::out_of_range rather than reading past it.
QString GetUnitsName(TUnitsType type, int index);   // "" for utNone
QString GetUnitsFormat(TUnitsType type, int index); // "%0.1f" for utNone

// Name, factor, offset and format for showing values held in unit `base` in
// unit `units`. For utNone only name and format are written.
void GetUnitsConversion(TUnitsType type, int units, int base, QString& name, double& factor,
                        double& offset, QString& format);

// The index forced into the type's list (utNone: unchanged).
int CheckUnitsIndex(TUnitsType type, int index);

long double UnitsToDisplay(long double value, long double factor, long double offset);
long double UnitsFromDisplay(long double display, long double factor, long double offset);
