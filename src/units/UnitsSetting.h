#pragma once

#include "UnitsType.h"

#include <QList>
#include <QString>

// One display-unit choice shared with the maker's other tools through
// "units.ini": the unit index stored under [Section] Key.
struct UnitsSetting
{
    QString Section;
    QString Key;
    TUnitsType UnitsType = utNone;
    // The selected display unit, an index into the type's list. Kept exactly
    // as read from the file, even outside the list: other tools own its meaning.
    int UnitsValue = 0;
    // The unit in which the owning tool holds its values.
    int UnitsBase = 0;
};

// The registered settings in registration order; the entries are not owned.
QList<UnitsSetting*>& UnitsSettings();

// Fills the entry and appends it to UnitsSettings.
void RegisterUnitsSetting(UnitsSetting& entry, const QString& section, const QString& key,
                          TUnitsType type, int units, int base);
// Puts the 75 built-in entries, at their defaults, into an empty UnitsSettings.
void RegisterUnitsSettings();

// MakerFolder + "Rivod/units.ini".
QString UnitsSettingsPath();
// Reads every entry's UnitsValue from the file; a missing file, key or
// non-integer value keeps the current value.
void LoadUnitsSettings();
// Writes every entry's UnitsValue into the file, creating its folder and
// keeping everything else the file holds, then empties UnitsSettings. When the
// folder cannot be created nothing is written. A failed write throws
// std::runtime_error.
void SaveUnitsSettings();
