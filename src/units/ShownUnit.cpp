#include "ShownUnit.h"

#include "Format.h"
#include "NumberText.h"
#include "UnitsCatalogue.h"

QString TShownUnit::Text(double value) const
{
    // As a field converts: in extended precision, so the two texts agree.
    const auto display = static_cast<double>(UnitsToDisplay(value, factor, offset));
    return Format(FixedFormatWithSigDigits(format, minSigDigits, display), {display});
}

int MinSigDigitsOf(TUnitsType type)
{
    constexpr int sigDigits = 4;
    const bool resolution =
        type == utTemperature || type == utTemperatureChange || type == utProportion;
    return resolution ? 0 : sigDigits;
}

TShownUnit ShownUnitOf(TUnitsType type, int units, int base)
{
    TShownUnit unit;
    GetUnitsConversion(type, units, base, unit.name, unit.factor, unit.offset, unit.format);
    unit.minSigDigits = MinSigDigitsOf(type);
    return unit;
}
