#include "SystemDisplayUnits.h"

#include "CaseInputs.h"

namespace {

// The quantities without a field, each in its catalogue type's base unit.
struct TResultQuantity
{
    TShownQuantity quantity;
    TUnitsType type;
};

constexpr TResultQuantity ResultQuantities[] = {
    {sqSpecificHeat, utSpecificHeat},
    {sqCapacityRate, utConductance},
    {sqTemperatureDifference, utTemperatureChange},
};

} // namespace

TShownUnit CaseInputShownUnit(const TCaseInputRow& row, int units)
{
    TShownUnit unit = ShownUnitOf(row.unitsType, units, row.unitsBase);
    // The field's base unit is W/m²°C where the record's is kW.
    unit.factor = row.FieldValue(unit.factor);
    return unit;
}

TDisplayUnits SystemDisplayUnits(TUnitSystem system)
{
    TDisplayUnits units;
    for (const TCaseInputRow& row : CaseInputRows) {
        const std::optional<int> index = UnitSystemIndex(system, row.unitsType);
        if (index && *index != row.unitsBase)
            units.Set(row.bit, CaseInputShownUnit(row, *index));
    }
    for (const TResultQuantity& result : ResultQuantities)
        if (const std::optional<int> index = UnitSystemIndex(system, result.type); index && *index)
            units.Set(result.quantity, ShownUnitOf(result.type, *index, 0));
    return units;
}
