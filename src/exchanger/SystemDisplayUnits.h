#pragma once

#include "DisplayUnits.h"
#include "UnitSystem.h"

struct TCaseInputRow;

// The row's value shown as its field shows it in unit `units` of the
// field's quantity, converted from the record's unit.
TShownUnit CaseInputShownUnit(const TCaseInputRow& row, int units);

// Every quantity of the results in the system's units: none set for SI, whose
// texts are the record's.
TDisplayUnits SystemDisplayUnits(TUnitSystem system);
