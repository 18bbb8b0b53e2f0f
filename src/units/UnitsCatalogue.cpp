#include "UnitsCatalogue.h"

#include <iterator>
#include <span>
#include <stdexcept>
#include <string>

namespace {

struct TUnitDef
{
    const char* name; // UTF-8
    double factor;    // units of this kind in one reference unit
    const char* format;
};

struct TUnitsList
{
    std::span<const TUnitDef> units;
    // Additive offset per unit relative to the reference unit; temperature only.
    std::span<const double> offsets = {};
};

constexpr double TemperatureOffsets[] = {0.0, 32.0, 273.15};

// Shared by utAirFlowPrim, utAirFlowSec.
constexpr TUnitDef AirFlowUnits[] = {
    {"m³/s", 1.0, "%0.3f"},
    {"m³/min", 60.0, "%0.2f"},
    {"m³/hr", 3600.0, "%0.0f"},
    {"l/s", 1000.0, "%0.0f"},
    {"cfm", 2118.8800032893155, "%0.2f"},
};
constexpr TUnitDef AirFlowSmallUnits[] = {
    {"l/s", 1.0, "%0.1f"},
    {"m³/min", 0.06, "%0.2f"},
    {"cfm", 2.1188800032893154, "%0.3f"},
};
constexpr TUnitDef AirFlowRateUnits[] = {
    {"m³/s/m²", 1.0, "%0.3f"},
    {"m³/min/m²", 60.0, "%0.2f"},
    {"m³/hr/m²", 3600.0, "%0.0f"},
    {"l/s/m²", 1000.0, "%0.0f"},
    {"cfm/ft²", 196.8503937007874, "%0.2f"},
};
// Shared by utAirPressDrop, utPressure, utPressureSteam, utWaterPressDrop.
constexpr TUnitDef PressureUnits[] = {
    {"kPa", 1.0, "%0.3f"},
    {"Pa", 1000.0, "%0.0f"},
    {"Psi", 0.1450376807894691, "%0.4f"},
    {"Bar", 0.01, "%0.5f"},
    {"Atm", 0.00986923, "%0.5f"},
    {"InchWg", 4.014630759755623, "%0.4f"},
    {"InchHg", 0.295, "%0.4f"},
    {"mHead", 0.10197162129779283, "%0.4f"},
};
constexpr TUnitDef AltitudeUnits[] = {
    {"m", 1.0, "%0.1f"},
    {"ft", 3.2808398950131235, "%0.1f"},
};
constexpr TUnitDef AngularSpeedUnits[] = {
    {"rpm", 1.0, "%0.0f"},
    {"Rad/s", 0.10471975511965978, "%0.3f"},
    {"Rev/s", 0.016666666666666666, "%0.0f"},
};
constexpr TUnitDef AreaUnits[] = {
    {"m²", 1.0, "%0.1f"},
    {"cm²", 10000.0, "%0.1f"},
    {"mm²", 1000000.0, "%0.0f"},
    {"inch²", 1550.0031000062, "%0.2f"},
    {"ft²", 10.763910416709722, "%0.1f"},
};
constexpr TUnitDef CondensateRateUnits[] = {
    {"g/s", 1.0, "%0.1f"},
    {"kg/s", 0.001, "%0.4f"},
    {"kg/min", 0.06, "%0.3f"},
    {"lb/hr", 0.002204622621848776, "%0.3f"},
};
constexpr TUnitDef ConductanceUnits[] = {
    {"kW/°C", 1.0, "%0.3f"},
    {"W/°C", 1000.0, "%0.0f"},
    {"MBH/°F", 1.8956339758268757, "%0.3f"},
    {"Btu/h°F", 1895.6339758268755, "%0.0f"},
};
constexpr TUnitDef ConductivityUnits[] = {
    {"kW/m·K", 1.0, "%0.6g"},
    {"W/m·K", 1000.0, "%0.6g"},
    {"mW/m·K", 1000000.0, "%0.6g"},
    {"Btu/hr·ft°F", 577.7, "%0.6g"},
};
constexpr TUnitDef DensityUnits[] = {
    {"kg/m³", 1.0, "%0.5g"},
    {"mg/L", 1000.0, "%0.1g"},
    {"lb/ft³", 0.06242796057614461, "%0.4g"},
};
constexpr TUnitDef DiameterUnits[] = {
    {"m", 1.0, "%0.3f"},
    {"mm", 1000.0, "%0.0f"},
    {"inch", 39.37007874015748, "%0.2f"},
    {"1/8\"", 314.96062992125985, "%0.0f"},
    {"ft", 3.2808398950131235, "%0.3f"},
};
// Shared by utDutyPrim, utDutySec.
constexpr TUnitDef DutyUnits[] = {
    {"kW", 1.0, "%0.3f"},
    {"W", 1000.0, "%0.0f"},
    {"Btu/hr", 3412.141156488376, "%0.0f"},
    {"MBh", 3.412141156488376, "%0.3f"},
    // The International Table kilocalorie, 4.1868 kJ, as engineering uses it.
    {"kcal/hr", 859.8452278589854, "%0.1f"},
};
constexpr TUnitDef DutyRateUnits[] = {
    {"W/m²", 1.0, "%0.1f"},
    {"kW/m²", 0.001, "%0.3f"},
    {"Btu/hr·ft²", 0.31699828634688587, "%0.1f"},
    {"MBh/ft²", 0.31699828634688587, "%0.3f"},
    {"kcal/hr·ft²", 0.07988223559759244, "%0.1f"},
};
constexpr TUnitDef EnergyUnits[] = {
    {"kJ", 1.0, "%0.3f"},
    {"J", 1000.0, "%0.0f"},
    {"kW-hr", 0.0002777777777777778, "%0.5g"},
    {"W-hr", 0.2777777777777778, "%0.5g"},
    {"Btu", 0.9478169879134378, "%0.5g"},
};
constexpr TUnitDef EnergyPerVolUnits[] = {
    {"kW/cms", 1.0, "%0.3f"},
    {"kJ/m³", 1.0, "%0.3f"},
    {"Btu/ft³", 0.026839188244036336, "%0.3f"},
};
constexpr TUnitDef EnthalpyUnits[] = {
    {"kJ/kg", 1.0, "%0.1f"},
    {"Btu/lb", 0.4299226139294927, "%0.1f"},
};
constexpr TUnitDef FinDensityUnits[] = {
    {"fpi", 1.0, "%0.4f"},
    {"fin/mm", 0.03937007874015748, "%0.5f"},
    {"fins/m", 39.37007874015748, "%0.3f"},
    {"fins/ft", 12.0, "%0.3f"},
};
constexpr TUnitDef HeatOfRespirUnits[] = {
    {"kJ/kg/day", 1.0, "%0.2f"},
    {"mW/kg", 11.574074074074074, "%0.4f"},
    {"Btu/lb/day", 0.4299226139294927, "%0.2f"},
};
constexpr TUnitDef HeatTransCoeffUnits[] = {
    {"W/m²°C", 1.0, "%0.5g"},
    // The catalogue's Btu per hour, foot and degree: 1/5.678264134306047, the
    // thermal resistance's factor, where 1/5.678 would show a wrong fifth digit.
    {"Btu/hr·ft²°F", 0.17611015908160324, "%0.5g"},
};
constexpr TUnitDef HumidityUnits[] = {
    {"kg/kg", 1.0, "%0.4f"},
    {"g/kg", 1000.0, "%0.2f"},
    {"gr/lb", 7000.0, "%0.1f"},
};
constexpr TUnitDef LengthBigUnits[] = {
    {"m", 1.0, "%0.2f"},
    {"ft", 3.2808398950131235, "%0.1f"},
};
// Shared by utLengthMeasure, utLengthPrim, utLengthSec.
constexpr TUnitDef LengthUnits[] = {
    {"m", 1.0, "%0.3f"},
    {"cm", 100.0, "%0.2f"},
    {"mm", 1000.0, "%0.1f"},
    {"inch", 39.37007874015748, "%0.2f"},
    {"ft", 3.2808398950131235, "%0.3f"},
};
constexpr TUnitDef LengthSmallUnits[] = {
    {"mm", 1.0, "%0.4f"},
    {"um", 1000.0, "%0.1f"},
    {"Thou\"", 39.37007874015748, "%0.3f"},
};
constexpr TUnitDef MassUnits[] = {
    {"kg", 1.0, "%0.0f"},
    {"ton SI", 0.001, "%0.3f"},
    {"lb", 2.2046226218487757, "%0.1f"},
};
constexpr TUnitDef MassSmallUnits[] = {
    {"g", 1.0, "%0.1f"},
    {"oz", 0.035273961949580414, "%0.3f"},
};
// Shared by utMassFlow, utMassFlowGas.
constexpr TUnitDef MassFlowUnits[] = {
    {"kg/s", 1.0, "%0.4f"},
    {"g/s", 1000.0, "%0.1f"},
    {"kg/hr", 3600.0, "%0.2f"},
    {"lb/s", 2.2046226218487757, "%0.5f"},
    {"lb/min", 132.27735731092656, "%0.3f"},
    {"lb/hr", 7936.6414386555925, "%0.1f"},
};
constexpr TUnitDef MassFluxUnits[] = {
    {"kg/m²s", 1.0, "%0.3f"},
    {"g/m²s", 1000.0, "%0.0f"},
    {"kg/m²hr", 3600.0, "%0.1f"},
    {"lb/ft²s", 0.20481614362252168, "%0.4f"},
    {"lb/ft²min", 12.288968617351301, "%0.2f"},
    {"lb/ft²hr", 737.3381170410781, "%0.0f"},
};
constexpr TUnitDef MetRateUnits[] = {
    {"W/P", 1.0, "%0.1f"},
    {"Btu/hr/P", 3.412141156488376, "%0.0f"},
};
constexpr TUnitDef PeopleDensityUnits[] = {
    {"m²/P", 1.0, "%0.1f"},
    {"ft²/P", 10.763910416709722, "%0.2f"},
};
constexpr TUnitDef PowerUnits[] = {
    {"kW", 1.0, "%0.3f"},
    {"W", 1000.0, "%0.0f"},
    {"HP", 1.341021858656296, "%0.2f"},
};
constexpr TUnitDef PressureBarUnits[] = {
    {"kPa", 1.0, "%0.3f"},      {"Psi", 0.1450376807894691, "%0.4f"},
    {"Bar", 0.01, "%0.5f"},     {"Atm", 0.00986923, "%0.5f"},
    {"InchHg", 0.295, "%0.4f"}, {"mHead", 0.10197162129779283, "%0.4f"},
};
// Shared by utPressureRateGas, utPressureRateLiquid.
constexpr TUnitDef PressureRateUnits[] = {
    {"Pa/m", 1.0, "%0.2f"},
    {"kPa/m", 0.001, "%0.5f"},
    {"iwg/100'", 0.12236594555735139, "%0.4f"},
    {"Psi/ft", 4.4207485104630184e-05, "%0.6f"},
};
constexpr TUnitDef ProportionUnits[] = {
    {"", 1.0, "%0.3f"},
    {"%", 100.0, "%0.1f"},
    {"ratio", 1.0, "%0.3f"},
};
constexpr TUnitDef RateUnits[] = {
    {"/sec", 1.0, "%0.4f"},
    {"/min", 60.0, "%0.2f"},
    {"/hr", 3600.0, "%0.0f"},
};
constexpr TUnitDef SpecificHeatUnits[] = {
    {"kJ/kg·K", 1.0, "%0.4g"},
    // 1/4.1868: the Btu/lb°F of the International Table, not 1/4.187.
    {"Btu/lb°F", 0.23884589662749595, "%0.4g"},
};
constexpr TUnitDef SpecificVolUnits[] = {
    {"m³/kg", 1.0, "%0.3f"},
    {"ft³/lb", 16.018463373960138, "%0.3f"},
};
// Shared by utTemperature, utTemperatureChange.
constexpr TUnitDef TemperatureUnits[] = {
    {"°C", 1.0, "%0.1f"},
    {"°F", 1.8, "%0.1f"},
    {"K", 1.0, "%0.2f"},
};
constexpr TUnitDef ThermalCapacityUnits[] = {
    {"W-hr/m²°C", 1.0, "%0.1f"},
    {"Btu/ft²°F", 0.5705969154243945, "%0.1f"},
};
constexpr TUnitDef ThermalResistUnits[] = {
    {"m²°C/W", 1.0, "%0.4f"},
    {"ft²·hr·°F/Btu", 5.678264134306047, "%0.3f"},
};
constexpr TUnitDef TimeUnits[] = {
    {"sec", 1.0, "%0.0f"},
    {"min", 0.016666666666666666, "%0.2f"},
    {"hr", 0.0002777777777777778, "%0.4f"},
};
constexpr TUnitDef VelocityUnits[] = {
    {"m/s", 1.0, "%0.2f"},
    {"fpm", 196.8503937007874, "%0.1f"},
};
constexpr TUnitDef ViscosityUnits[] = {
    {"kg/m·s", 1.0, "%0.6g"},
    {"N·s/m²", 1.0, "%0.6g"},
    {"µPa·s", 1000000.0, "%0.6g"},
    {"cP", 1000.0, "%0.6g"},
    {"lbm/ft·s", 0.0671955, "%0.6g"},
    {"lbf·s/ft²", 0.020885, "%0.6g"},
    {"lbf·hr/ft²", 5.8014e-06, "%0.6g"},
};
constexpr TUnitDef VolumeUnits[] = {
    {"m³", 1.0, "%0.4f"},    {"litre", 1000.0, "%0.2f"},  {"cc", 1000000.0, "%0.0f"},
    {"ft³", 35.32, "%0.4f"}, {"inch³", 61023.0, "%0.1f"},
};
constexpr TUnitDef VolumeFluidUnits[] = {
    {"kl", 1.0, "%0.3f"},
    {"litre", 1000.0, "%0.5g"},
    {"IP Gal", 220.0, "%0.5g"},
    {"US Gal", 264.1720523581484, "%0.5g"},
};
constexpr TUnitDef WaterFlowUnits[] = {
    {"l/s", 1.0, "%0.3f"},   {"l/min", 60.0, "%0.2f"}, {"dm³/hr", 3600.0, "%0.2f"},
    {"m³/hr", 3.6, "%0.2f"}, {"m³/s", 0.001, "%0.4f"}, {"usgpm", 15.850323141488905, "%0.1f"},
};

// Indexed by TUnitsType ordinal.
constexpr TUnitsList UnitsLists[] = {
    {},                                     // utNone
    {AirFlowUnits},                         // utAirFlowPrim
    {AirFlowUnits},                         // utAirFlowSec
    {AirFlowSmallUnits},                    // utAirFlowSmall
    {AirFlowRateUnits},                     // utAirFlowRate
    {PressureUnits},                        // utAirPressDrop
    {AltitudeUnits},                        // utAltitude
    {AngularSpeedUnits},                    // utAngularSpeed
    {AreaUnits},                            // utArea
    {CondensateRateUnits},                  // utCondensateRate
    {ConductanceUnits},                     // utConductance
    {ConductivityUnits},                    // utConductivity
    {DensityUnits},                         // utDensity
    {DiameterUnits},                        // utDiameter
    {DutyUnits},                            // utDutyPrim
    {DutyUnits},                            // utDutySec
    {DutyRateUnits},                        // utDutyRate
    {EnergyUnits},                          // utEnergy
    {EnergyPerVolUnits},                    // utEnergyPerVol
    {EnthalpyUnits},                        // utEnthalpy
    {FinDensityUnits},                      // utFinDensity
    {HeatOfRespirUnits},                    // utHeatOfRespir
    {HeatTransCoeffUnits},                  // utHeatTransCoeff
    {HumidityUnits},                        // utHumidity
    {LengthBigUnits},                       // utLengthBig
    {LengthUnits},                          // utLengthMeasure
    {LengthUnits},                          // utLengthPrim
    {LengthUnits},                          // utLengthSec
    {LengthSmallUnits},                     // utLengthSmall
    {MassUnits},                            // utMass
    {MassSmallUnits},                       // utMassSmall
    {MassFlowUnits},                        // utMassFlow
    {MassFlowUnits},                        // utMassFlowGas
    {MassFluxUnits},                        // utMassFlux
    {MetRateUnits},                         // utMetRate
    {PeopleDensityUnits},                   // utPeopleDensity
    {PowerUnits},                           // utPower
    {PressureUnits},                        // utPressure
    {PressureBarUnits},                     // utPressureBar
    {PressureUnits},                        // utPressureSteam
    {PressureRateUnits},                    // utPressureRateGas
    {PressureRateUnits},                    // utPressureRateLiquid
    {ProportionUnits},                      // utProportion
    {RateUnits},                            // utRate
    {SpecificHeatUnits},                    // utSpecificHeat
    {SpecificVolUnits},                     // utSpecificVol
    {TemperatureUnits, TemperatureOffsets}, // utTemperature
    {TemperatureUnits},                     // utTemperatureChange
    {ThermalCapacityUnits},                 // utThermalCapacity
    {ThermalResistUnits},                   // utThermalResist
    {TimeUnits},                            // utTime
    {VelocityUnits},                        // utVelocity
    {ViscosityUnits},                       // utViscosity
    {VolumeUnits},                          // utVolume
    {VolumeFluidUnits},                     // utVolumeFluid
    {WaterFlowUnits},                       // utWaterFlow
    {PressureUnits},                        // utWaterPressDrop
};

static_assert(std::size(UnitsLists) == UnitsTypeCount);

const TUnitsList& ListOf(TUnitsType type)
{
    if (type >= UnitsTypeCount)
        throw std::out_of_range("Unknown units type " + std::to_string(int(type)));
    return UnitsLists[type];
}

const TUnitDef& UnitOf(TUnitsType type, int index)
{
    const TUnitsList& list = ListOf(type);
    const int lookup = index & 0xFF;
    if (lookup >= int(list.units.size()))
        throw std::out_of_range("Units index " + std::to_string(index) +
                                " is outside the list of units type " + std::to_string(int(type)));
    return list.units[lookup];
}

double OffsetOf(TUnitsType type, int index)
{
    const TUnitsList& list = ListOf(type);
    return list.offsets.empty() ? 0.0 : list.offsets[index & 0xFF];
}

} // namespace

int UnitsCount(TUnitsType type)
{
    return int(ListOf(type).units.size());
}

QString GetUnitsName(TUnitsType type, int index)
{
    if (type == utNone)
        return QString();
    return QString::fromUtf8(UnitOf(type, index).name);
}

QString GetUnitsFormat(TUnitsType type, int index)
{
    if (type == utNone)
        return QStringLiteral("%0.1f");
    return QString::fromLatin1(UnitOf(type, index).format);
}

void GetUnitsConversion(TUnitsType type, int units, int base, QString& name, double& factor,
                        double& offset, QString& format)
{
    name = GetUnitsName(type, units);
    format = GetUnitsFormat(type, units);
    if (type == utNone)
        return;
    const long double ratio =
        static_cast<long double>(UnitOf(type, units).factor) / UnitOf(type, base).factor;
    factor = static_cast<double>(ratio);
    // Offsets are relative to the reference unit; a base unit with an offset of
    // its own (K or °F as base) has it taken out so that conversions stay true.
    offset = static_cast<double>(OffsetOf(type, units) - OffsetOf(type, base) * ratio);
}

int CheckUnitsIndex(TUnitsType type, int index)
{
    if (type == utNone)
        return index;
    const int max = UnitsCount(type) - 1;
    if (index > max)
        index = max;
    if (index < 0)
        index = 0;
    return index;
}

long double UnitsToDisplay(long double value, long double factor, long double offset)
{
    return value * factor + offset;
}

long double UnitsFromDisplay(long double display, long double factor, long double offset)
{
    return (display - offset) / factor;
}
