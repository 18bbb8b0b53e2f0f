#pragma once

#include "UnitsType.h"

#include <QString>
#include <optional>

// A system of display units for every quantity of a case at once: SI, US
// customary or metric engineering, each as units of the units catalogue.
enum class TUnitSystem
{
    usSI,
    usUSCustomary,
    usMetricEngineering
};

inline constexpr TUnitSystem UnitSystems[] = {TUnitSystem::usSI, TUnitSystem::usUSCustomary,
                                              TUnitSystem::usMetricEngineering};

// "SI (kW, °C, kg/s, m²)", "US customary (Btu/h, °F, lb/h, ft²)", "Metric
// engineering (kcal/h, °C, kg/h, m²)". Each takes the units the catalogue
// has: metric engineering keeps W/m²°C, m²°C/W and kJ/kg·K, which it has no
// kcal form of, and gives capacity rates in W/°C.
QString UnitSystemName(TUnitSystem system);

// The catalogue's index of the system's unit for `type`; none for a quantity
// the system leaves as it is (a proportion, shown in % in every system).
std::optional<int> UnitSystemIndex(TUnitSystem system, TUnitsType type);
