#include "UnitSystem.h"

namespace {

// The units of one quantity in SI, US customary and metric engineering, as
// indexes of the units catalogue.
struct TSystemUnits
{
    TUnitsType type;
    int units[3];
};

constexpr TSystemUnits SystemUnits[] = {
    {utTemperature, {0, 1, 0}},    // °C, °F, °C
    {utMassFlow, {0, 5, 2}},       // kg/s, lb/hr, kg/hr
    {utHeatTransCoeff, {0, 1, 0}}, // W/m²°C, Btu/hr·ft²°F, W/m²°C
    {utArea, {0, 4, 0}},           // m², ft², m²
    {utDutyPrim, {0, 2, 4}},       // kW, Btu/hr, kcal/hr
    {utThermalResist, {0, 1, 0}},  // m²°C/W, ft²·hr·°F/Btu, m²°C/W
    // Of the results only.
    {utTemperatureChange, {0, 1, 0}}, // °C, °F, °C
    {utSpecificHeat, {0, 1, 0}},      // kJ/kg·K, Btu/lb°F, kJ/kg·K
    {utConductance, {0, 3, 1}},       // kW/°C, Btu/h°F, W/°C
};

} // namespace

QString UnitSystemName(TUnitSystem system)
{
    switch (system) {
    case TUnitSystem::usSI:
        return QStringLiteral("SI (kW, °C, kg/s, m²)");
    case TUnitSystem::usUSCustomary:
        return QStringLiteral("US customary (Btu/h, °F, lb/h, ft²)");
    case TUnitSystem::usMetricEngineering:
        return QStringLiteral("Metric engineering (kcal/h, °C, kg/h, m²)");
    }
    return QString();
}

std::optional<int> UnitSystemIndex(TUnitSystem system, TUnitsType type)
{
    for (const TSystemUnits& units : SystemUnits)
        if (units.type == type)
            return units.units[int(system)];
    return std::nullopt;
}
