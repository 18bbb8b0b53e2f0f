#include "UnitsCatalogueTest.h"

#include "Format.h"
#include "UnitsCatalogue.h"

#include <QTest>
#include <cmath>
#include <stdexcept>

namespace {

TUnitsType TypeOf(int ordinal)
{
    return static_cast<TUnitsType>(ordinal);
}

// The factor from the type's base unit to `units`.
double Factor(TUnitsType type, int units)
{
    QString name;
    QString format;
    double factor = 0;
    double offset = 0;
    GetUnitsConversion(type, units, 0, name, factor, offset, format);
    return factor;
}

double ToDisplay(double value, double factor, double offset)
{
    return static_cast<double>(UnitsToDisplay(value, factor, offset));
}

double FromDisplay(double display, double factor, double offset)
{
    return static_cast<double>(UnitsFromDisplay(display, factor, offset));
}

} // namespace

void UnitsCatalogueTest::typeOrdinalsAndCounts_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("ordinal");
    QTest::addColumn<int>("count");
    QTest::newRow("utNone") << int(utNone) << 0 << 0;
    QTest::newRow("utAirFlowPrim") << int(utAirFlowPrim) << 1 << 5;
    QTest::newRow("utAirFlowSec") << int(utAirFlowSec) << 2 << 5;
    QTest::newRow("utAirFlowSmall") << int(utAirFlowSmall) << 3 << 3;
    QTest::newRow("utAirFlowRate") << int(utAirFlowRate) << 4 << 5;
    QTest::newRow("utAirPressDrop") << int(utAirPressDrop) << 5 << 8;
    QTest::newRow("utAltitude") << int(utAltitude) << 6 << 2;
    QTest::newRow("utAngularSpeed") << int(utAngularSpeed) << 7 << 3;
    QTest::newRow("utArea") << int(utArea) << 8 << 5;
    QTest::newRow("utCondensateRate") << int(utCondensateRate) << 9 << 4;
    QTest::newRow("utConductance") << int(utConductance) << 10 << 4;
    QTest::newRow("utConductivity") << int(utConductivity) << 11 << 4;
    QTest::newRow("utDensity") << int(utDensity) << 12 << 3;
    QTest::newRow("utDiameter") << int(utDiameter) << 13 << 5;
    QTest::newRow("utDutyPrim") << int(utDutyPrim) << 14 << 5;
    QTest::newRow("utDutySec") << int(utDutySec) << 15 << 5;
    QTest::newRow("utDutyRate") << int(utDutyRate) << 16 << 5;
    QTest::newRow("utEnergy") << int(utEnergy) << 17 << 5;
    QTest::newRow("utEnergyPerVol") << int(utEnergyPerVol) << 18 << 3;
    QTest::newRow("utEnthalpy") << int(utEnthalpy) << 19 << 2;
    QTest::newRow("utFinDensity") << int(utFinDensity) << 20 << 4;
    QTest::newRow("utHeatOfRespir") << int(utHeatOfRespir) << 21 << 3;
    QTest::newRow("utHeatTransCoeff") << int(utHeatTransCoeff) << 22 << 2;
    QTest::newRow("utHumidity") << int(utHumidity) << 23 << 3;
    QTest::newRow("utLengthBig") << int(utLengthBig) << 24 << 2;
    QTest::newRow("utLengthMeasure") << int(utLengthMeasure) << 25 << 5;
    QTest::newRow("utLengthPrim") << int(utLengthPrim) << 26 << 5;
    QTest::newRow("utLengthSec") << int(utLengthSec) << 27 << 5;
    QTest::newRow("utLengthSmall") << int(utLengthSmall) << 28 << 3;
    QTest::newRow("utMass") << int(utMass) << 29 << 3;
    QTest::newRow("utMassSmall") << int(utMassSmall) << 30 << 2;
    QTest::newRow("utMassFlow") << int(utMassFlow) << 31 << 6;
    QTest::newRow("utMassFlowGas") << int(utMassFlowGas) << 32 << 6;
    QTest::newRow("utMassFlux") << int(utMassFlux) << 33 << 6;
    QTest::newRow("utMetRate") << int(utMetRate) << 34 << 2;
    QTest::newRow("utPeopleDensity") << int(utPeopleDensity) << 35 << 2;
    QTest::newRow("utPower") << int(utPower) << 36 << 3;
    QTest::newRow("utPressure") << int(utPressure) << 37 << 8;
    QTest::newRow("utPressureBar") << int(utPressureBar) << 38 << 6;
    QTest::newRow("utPressureSteam") << int(utPressureSteam) << 39 << 8;
    QTest::newRow("utPressureRateGas") << int(utPressureRateGas) << 40 << 4;
    QTest::newRow("utPressureRateLiquid") << int(utPressureRateLiquid) << 41 << 4;
    QTest::newRow("utProportion") << int(utProportion) << 42 << 3;
    QTest::newRow("utRate") << int(utRate) << 43 << 3;
    QTest::newRow("utSpecificHeat") << int(utSpecificHeat) << 44 << 2;
    QTest::newRow("utSpecificVol") << int(utSpecificVol) << 45 << 2;
    QTest::newRow("utTemperature") << int(utTemperature) << 46 << 3;
    QTest::newRow("utTemperatureChange") << int(utTemperatureChange) << 47 << 3;
    QTest::newRow("utThermalCapacity") << int(utThermalCapacity) << 48 << 2;
    QTest::newRow("utThermalResist") << int(utThermalResist) << 49 << 2;
    QTest::newRow("utTime") << int(utTime) << 50 << 3;
    QTest::newRow("utVelocity") << int(utVelocity) << 51 << 2;
    QTest::newRow("utViscosity") << int(utViscosity) << 52 << 7;
    QTest::newRow("utVolume") << int(utVolume) << 53 << 5;
    QTest::newRow("utVolumeFluid") << int(utVolumeFluid) << 54 << 4;
    QTest::newRow("utWaterFlow") << int(utWaterFlow) << 55 << 6;
    QTest::newRow("utWaterPressDrop") << int(utWaterPressDrop) << 56 << 8;
}

void UnitsCatalogueTest::typeOrdinalsAndCounts()
{
    QFETCH(int, type);
    QFETCH(int, ordinal);
    QFETCH(int, count);
    QCOMPARE(type, ordinal);
    QCOMPARE(UnitsCount(TypeOf(type)), count);
    static_assert(sizeof(TUnitsType) == 1);
}

// Every unit of every type, shared lists once per type that uses them.
void UnitsCatalogueTest::catalogueRows_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("factor");
    QTest::addColumn<double>("offset");
    QTest::addColumn<QString>("format");
    QTest::newRow("utAirFlowPrim 0 m³/s") << int(utAirFlowPrim) << 0 << QStringLiteral("m³/s")
                                          << 1.0 << 0.0 << QStringLiteral("%0.3f");
    QTest::newRow("utAirFlowPrim 1 m³/min") << int(utAirFlowPrim) << 1 << QStringLiteral("m³/min")
                                            << 60.0 << 0.0 << QStringLiteral("%0.2f");
    QTest::newRow("utAirFlowPrim 2 m³/hr") << int(utAirFlowPrim) << 2 << QStringLiteral("m³/hr")
                                           << 3600.0 << 0.0 << QStringLiteral("%0.0f");
    QTest::newRow("utAirFlowPrim 3 l/s") << int(utAirFlowPrim) << 3 << QStringLiteral("l/s")
                                         << 1000.0 << 0.0 << QStringLiteral("%0.0f");
    QTest::newRow("utAirFlowPrim 4 cfm") << int(utAirFlowPrim) << 4 << QStringLiteral("cfm")
                                         << 2118.8800032893155 << 0.0 << QStringLiteral("%0.2f");
    QTest::newRow("utAirFlowSec 0 m³/s") << int(utAirFlowSec) << 0 << QStringLiteral("m³/s") << 1.0
                                         << 0.0 << QStringLiteral("%0.3f");
    QTest::newRow("utAirFlowSec 1 m³/min") << int(utAirFlowSec) << 1 << QStringLiteral("m³/min")
                                           << 60.0 << 0.0 << QStringLiteral("%0.2f");
    QTest::newRow("utAirFlowSec 2 m³/hr") << int(utAirFlowSec) << 2 << QStringLiteral("m³/hr")
                                          << 3600.0 << 0.0 << QStringLiteral("%0.0f");
    QTest::newRow("utAirFlowSec 3 l/s") << int(utAirFlowSec) << 3 << QStringLiteral("l/s") << 1000.0
                                        << 0.0 << QStringLiteral("%0.0f");
    QTest::newRow("utAirFlowSec 4 cfm") << int(utAirFlowSec) << 4 << QStringLiteral("cfm")
                                        << 2118.8800032893155 << 0.0 << QStringLiteral("%0.2f");
    QTest::newRow("utAirFlowSmall 0 l/s") << int(utAirFlowSmall) << 0 << QStringLiteral("l/s")
                                          << 1.0 << 0.0 << QStringLiteral("%0.1f");
    QTest::newRow("utAirFlowSmall 1 m³/min") << int(utAirFlowSmall) << 1 << QStringLiteral("m³/min")
                                             << 0.06 << 0.0 << QStringLiteral("%0.2f");
    QTest::newRow("utAirFlowSmall 2 cfm") << int(utAirFlowSmall) << 2 << QStringLiteral("cfm")
                                          << 2.1188800032893154 << 0.0 << QStringLiteral("%0.3f");
    QTest::newRow("utAirFlowRate 0 m³/s/m²") << int(utAirFlowRate) << 0 << QStringLiteral("m³/s/m²")
                                             << 1.0 << 0.0 << QStringLiteral("%0.3f");
    QTest::newRow("utAirFlowRate 1 m³/min/m²")
        << int(utAirFlowRate) << 1 << QStringLiteral("m³/min/m²") << 60.0 << 0.0
        << QStringLiteral("%0.2f");
    QTest::newRow("utAirFlowRate 2 m³/hr/m²")
        << int(utAirFlowRate) << 2 << QStringLiteral("m³/hr/m²") << 3600.0 << 0.0
        << QStringLiteral("%0.0f");
    QTest::newRow("utAirFlowRate 3 l/s/m²") << int(utAirFlowRate) << 3 << QStringLiteral("l/s/m²")
                                            << 1000.0 << 0.0 << QStringLiteral("%0.0f");
    QTest::newRow("utAirFlowRate 4 cfm/ft²") << int(utAirFlowRate) << 4 << QStringLiteral("cfm/ft²")
                                             << 196.8503937007874 << 0.0 << QStringLiteral("%0.2f");
    QTest::newRow("utAirPressDrop 0 kPa") << int(utAirPressDrop) << 0 << QStringLiteral("kPa")
                                          << 1.0 << 0.0 << QStringLiteral("%0.3f");
    QTest::newRow("utAirPressDrop 1 Pa") << int(utAirPressDrop) << 1 << QStringLiteral("Pa")
                                         << 1000.0 << 0.0 << QStringLiteral("%0.0f");
    QTest::newRow("utAirPressDrop 2 Psi") << int(utAirPressDrop) << 2 << QStringLiteral("Psi")
                                          << 0.1450376807894691 << 0.0 << QStringLiteral("%0.4f");
    QTest::newRow("utAirPressDrop 3 Bar") << int(utAirPressDrop) << 3 << QStringLiteral("Bar")
                                          << 0.01 << 0.0 << QStringLiteral("%0.5f");
    QTest::newRow("utAirPressDrop 4 Atm") << int(utAirPressDrop) << 4 << QStringLiteral("Atm")
                                          << 0.00986923 << 0.0 << QStringLiteral("%0.5f");
    QTest::newRow("utAirPressDrop 5 InchWg") << int(utAirPressDrop) << 5 << QStringLiteral("InchWg")
                                             << 4.014630759755623 << 0.0 << QStringLiteral("%0.4f");
    QTest::newRow("utAirPressDrop 6 InchHg") << int(utAirPressDrop) << 6 << QStringLiteral("InchHg")
                                             << 0.295 << 0.0 << QStringLiteral("%0.4f");
    QTest::newRow("utAirPressDrop 7 mHead")
        << int(utAirPressDrop) << 7 << QStringLiteral("mHead") << 0.10197162129779283 << 0.0
        << QStringLiteral("%0.4f");
    QTest::newRow("utPressure 0 kPa")
        << int(utPressure) << 0 << QStringLiteral("kPa") << 1.0 << 0.0 << QStringLiteral("%0.3f");
    QTest::newRow("utPressure 1 Pa")
        << int(utPressure) << 1 << QStringLiteral("Pa") << 1000.0 << 0.0 << QStringLiteral("%0.0f");
    QTest::newRow("utPressure 2 Psi") << int(utPressure) << 2 << QStringLiteral("Psi")
                                      << 0.1450376807894691 << 0.0 << QStringLiteral("%0.4f");
    QTest::newRow("utPressure 3 Bar")
        << int(utPressure) << 3 << QStringLiteral("Bar") << 0.01 << 0.0 << QStringLiteral("%0.5f");
    QTest::newRow("utPressure 4 Atm") << int(utPressure) << 4 << QStringLiteral("Atm") << 0.00986923
                                      << 0.0 << QStringLiteral("%0.5f");
    QTest::newRow("utPressure 5 InchWg") << int(utPressure) << 5 << QStringLiteral("InchWg")
                                         << 4.014630759755623 << 0.0 << QStringLiteral("%0.4f");
    QTest::newRow("utPressure 6 InchHg") << int(utPressure) << 6 << QStringLiteral("InchHg")
                                         << 0.295 << 0.0 << QStringLiteral("%0.4f");
    QTest::newRow("utPressure 7 mHead") << int(utPressure) << 7 << QStringLiteral("mHead")
                                        << 0.10197162129779283 << 0.0 << QStringLiteral("%0.4f");
    QTest::newRow("utPressureSteam 0 kPa") << int(utPressureSteam) << 0 << QStringLiteral("kPa")
                                           << 1.0 << 0.0 << QStringLiteral("%0.3f");
    QTest::newRow("utPressureSteam 1 Pa") << int(utPressureSteam) << 1 << QStringLiteral("Pa")
                                          << 1000.0 << 0.0 << QStringLiteral("%0.0f");
    QTest::newRow("utPressureSteam 2 Psi") << int(utPressureSteam) << 2 << QStringLiteral("Psi")
                                           << 0.1450376807894691 << 0.0 << QStringLiteral("%0.4f");
    QTest::newRow("utPressureSteam 3 Bar") << int(utPressureSteam) << 3 << QStringLiteral("Bar")
                                           << 0.01 << 0.0 << QStringLiteral("%0.5f");
    QTest::newRow("utPressureSteam 4 Atm") << int(utPressureSteam) << 4 << QStringLiteral("Atm")
                                           << 0.00986923 << 0.0 << QStringLiteral("%0.5f");
    QTest::newRow("utPressureSteam 5 InchWg")
        << int(utPressureSteam) << 5 << QStringLiteral("InchWg") << 4.014630759755623 << 0.0
        << QStringLiteral("%0.4f");
    QTest::newRow("utPressureSteam 6 InchHg")
        << int(utPressureSteam) << 6 << QStringLiteral("InchHg") << 0.295 << 0.0
        << QStringLiteral("%0.4f");
    QTest::newRow("utPressureSteam 7 mHead")
        << int(utPressureSteam) << 7 << QStringLiteral("mHead") << 0.10197162129779283 << 0.0
        << QStringLiteral("%0.4f");
    QTest::newRow("utWaterPressDrop 0 kPa") << int(utWaterPressDrop) << 0 << QStringLiteral("kPa")
                                            << 1.0 << 0.0 << QStringLiteral("%0.3f");
    QTest::newRow("utWaterPressDrop 1 Pa") << int(utWaterPressDrop) << 1 << QStringLiteral("Pa")
                                           << 1000.0 << 0.0 << QStringLiteral("%0.0f");
    QTest::newRow("utWaterPressDrop 2 Psi") << int(utWaterPressDrop) << 2 << QStringLiteral("Psi")
                                            << 0.1450376807894691 << 0.0 << QStringLiteral("%0.4f");
    QTest::newRow("utWaterPressDrop 3 Bar") << int(utWaterPressDrop) << 3 << QStringLiteral("Bar")
                                            << 0.01 << 0.0 << QStringLiteral("%0.5f");
    QTest::newRow("utWaterPressDrop 4 Atm") << int(utWaterPressDrop) << 4 << QStringLiteral("Atm")
                                            << 0.00986923 << 0.0 << QStringLiteral("%0.5f");
    QTest::newRow("utWaterPressDrop 5 InchWg")
        << int(utWaterPressDrop) << 5 << QStringLiteral("InchWg") << 4.014630759755623 << 0.0
        << QStringLiteral("%0.4f");
    QTest::newRow("utWaterPressDrop 6 InchHg")
        << int(utWaterPressDrop) << 6 << QStringLiteral("InchHg") << 0.295 << 0.0
        << QStringLiteral("%0.4f");
    QTest::newRow("utWaterPressDrop 7 mHead")
        << int(utWaterPressDrop) << 7 << QStringLiteral("mHead") << 0.10197162129779283 << 0.0
        << QStringLiteral("%0.4f");
    QTest::newRow("utAltitude 0 m")
        << int(utAltitude) << 0 << QStringLiteral("m") << 1.0 << 0.0 << QStringLiteral("%0.1f");
    QTest::newRow("utAltitude 1 ft") << int(utAltitude) << 1 << QStringLiteral("ft")
                                     << 3.2808398950131235 << 0.0 << QStringLiteral("%0.1f");
    QTest::newRow("utAngularSpeed 0 rpm") << int(utAngularSpeed) << 0 << QStringLiteral("rpm")
                                          << 1.0 << 0.0 << QStringLiteral("%0.0f");
    QTest::newRow("utAngularSpeed 1 Rad/s")
        << int(utAngularSpeed) << 1 << QStringLiteral("Rad/s") << 0.10471975511965978 << 0.0
        << QStringLiteral("%0.3f");
    QTest::newRow("utAngularSpeed 2 Rev/s")
        << int(utAngularSpeed) << 2 << QStringLiteral("Rev/s") << 0.016666666666666666 << 0.0
        << QStringLiteral("%0.0f");
    QTest::newRow("utArea 0 m²") << int(utArea) << 0 << QStringLiteral("m²") << 1.0 << 0.0
                                 << QStringLiteral("%0.1f");
    QTest::newRow("utArea 1 cm²") << int(utArea) << 1 << QStringLiteral("cm²") << 10000.0 << 0.0
                                  << QStringLiteral("%0.1f");
    QTest::newRow("utArea 2 mm²") << int(utArea) << 2 << QStringLiteral("mm²") << 1000000.0 << 0.0
                                  << QStringLiteral("%0.0f");
    QTest::newRow("utArea 3 inch²") << int(utArea) << 3 << QStringLiteral("inch²")
                                    << 1550.0031000062 << 0.0 << QStringLiteral("%0.2f");
    QTest::newRow("utArea 4 ft²") << int(utArea) << 4 << QStringLiteral("ft²") << 10.763910416709722
                                  << 0.0 << QStringLiteral("%0.1f");
    QTest::newRow("utCondensateRate 0 g/s") << int(utCondensateRate) << 0 << QStringLiteral("g/s")
                                            << 1.0 << 0.0 << QStringLiteral("%0.1f");
    QTest::newRow("utCondensateRate 1 kg/s") << int(utCondensateRate) << 1 << QStringLiteral("kg/s")
                                             << 0.001 << 0.0 << QStringLiteral("%0.4f");
    QTest::newRow("utCondensateRate 2 kg/min")
        << int(utCondensateRate) << 2 << QStringLiteral("kg/min") << 0.06 << 0.0
        << QStringLiteral("%0.3f");
    QTest::newRow("utCondensateRate 3 lb/hr")
        << int(utCondensateRate) << 3 << QStringLiteral("lb/hr") << 0.002204622621848776 << 0.0
        << QStringLiteral("%0.3f");
    QTest::newRow("utConductance 0 kW/°C") << int(utConductance) << 0 << QStringLiteral("kW/°C")
                                           << 1.0 << 0.0 << QStringLiteral("%0.3f");
    QTest::newRow("utConductance 1 W/°C") << int(utConductance) << 1 << QStringLiteral("W/°C")
                                          << 1000.0 << 0.0 << QStringLiteral("%0.0f");
    QTest::newRow("utConductance 2 MBH/°F") << int(utConductance) << 2 << QStringLiteral("MBH/°F")
                                            << 1.8956339758268757 << 0.0 << QStringLiteral("%0.3f");
    QTest::newRow("utConductance 3 Btu/h°F")
        << int(utConductance) << 3 << QStringLiteral("Btu/h°F") << 1895.6339758268755 << 0.0
        << QStringLiteral("%0.0f");
    QTest::newRow("utConductivity 0 kW/m·K") << int(utConductivity) << 0 << QStringLiteral("kW/m·K")
                                             << 1.0 << 0.0 << QStringLiteral("%0.6g");
    QTest::newRow("utConductivity 1 W/m·K") << int(utConductivity) << 1 << QStringLiteral("W/m·K")
                                            << 1000.0 << 0.0 << QStringLiteral("%0.6g");
    QTest::newRow("utConductivity 2 mW/m·K") << int(utConductivity) << 2 << QStringLiteral("mW/m·K")
                                             << 1000000.0 << 0.0 << QStringLiteral("%0.6g");
    QTest::newRow("utConductivity 3 Btu/hr·ft°F")
        << int(utConductivity) << 3 << QStringLiteral("Btu/hr·ft°F") << 577.7 << 0.0
        << QStringLiteral("%0.6g");
    QTest::newRow("utDensity 0 kg/m³")
        << int(utDensity) << 0 << QStringLiteral("kg/m³") << 1.0 << 0.0 << QStringLiteral("%0.5g");
    QTest::newRow("utDensity 1 mg/L") << int(utDensity) << 1 << QStringLiteral("mg/L") << 1000.0
                                      << 0.0 << QStringLiteral("%0.1g");
    QTest::newRow("utDensity 2 lb/ft³") << int(utDensity) << 2 << QStringLiteral("lb/ft³")
                                        << 0.06242796057614461 << 0.0 << QStringLiteral("%0.4g");
    QTest::newRow("utDiameter 0 m")
        << int(utDiameter) << 0 << QStringLiteral("m") << 1.0 << 0.0 << QStringLiteral("%0.3f");
    QTest::newRow("utDiameter 1 mm")
        << int(utDiameter) << 1 << QStringLiteral("mm") << 1000.0 << 0.0 << QStringLiteral("%0.0f");
    QTest::newRow("utDiameter 2 inch") << int(utDiameter) << 2 << QStringLiteral("inch")
                                       << 39.37007874015748 << 0.0 << QStringLiteral("%0.2f");
    QTest::newRow("utDiameter 3 1/8\"") << int(utDiameter) << 3 << QStringLiteral("1/8\"")
                                        << 314.96062992125985 << 0.0 << QStringLiteral("%0.0f");
    QTest::newRow("utDiameter 4 ft") << int(utDiameter) << 4 << QStringLiteral("ft")
                                     << 3.2808398950131235 << 0.0 << QStringLiteral("%0.3f");
    QTest::newRow("utDutyPrim 0 kW")
        << int(utDutyPrim) << 0 << QStringLiteral("kW") << 1.0 << 0.0 << QStringLiteral("%0.3f");
    QTest::newRow("utDutyPrim 1 W")
        << int(utDutyPrim) << 1 << QStringLiteral("W") << 1000.0 << 0.0 << QStringLiteral("%0.0f");
    QTest::newRow("utDutyPrim 2 Btu/hr") << int(utDutyPrim) << 2 << QStringLiteral("Btu/hr")
                                         << 3412.141156488376 << 0.0 << QStringLiteral("%0.0f");
    QTest::newRow("utDutyPrim 3 MBh") << int(utDutyPrim) << 3 << QStringLiteral("MBh")
                                      << 3.412141156488376 << 0.0 << QStringLiteral("%0.3f");
    QTest::newRow("utDutyPrim 4 kcal/hr") << int(utDutyPrim) << 4 << QStringLiteral("kcal/hr")
                                          << 859.8452278589854 << 0.0 << QStringLiteral("%0.1f");
    QTest::newRow("utDutySec 0 kW")
        << int(utDutySec) << 0 << QStringLiteral("kW") << 1.0 << 0.0 << QStringLiteral("%0.3f");
    QTest::newRow("utDutySec 1 W")
        << int(utDutySec) << 1 << QStringLiteral("W") << 1000.0 << 0.0 << QStringLiteral("%0.0f");
    QTest::newRow("utDutySec 2 Btu/hr") << int(utDutySec) << 2 << QStringLiteral("Btu/hr")
                                        << 3412.141156488376 << 0.0 << QStringLiteral("%0.0f");
    QTest::newRow("utDutySec 3 MBh") << int(utDutySec) << 3 << QStringLiteral("MBh")
                                     << 3.412141156488376 << 0.0 << QStringLiteral("%0.3f");
    QTest::newRow("utDutySec 4 kcal/hr") << int(utDutySec) << 4 << QStringLiteral("kcal/hr")
                                         << 859.8452278589854 << 0.0 << QStringLiteral("%0.1f");
    QTest::newRow("utDutyRate 0 W/m²")
        << int(utDutyRate) << 0 << QStringLiteral("W/m²") << 1.0 << 0.0 << QStringLiteral("%0.1f");
    QTest::newRow("utDutyRate 1 kW/m²") << int(utDutyRate) << 1 << QStringLiteral("kW/m²") << 0.001
                                        << 0.0 << QStringLiteral("%0.3f");
    QTest::newRow("utDutyRate 2 Btu/hr·ft²")
        << int(utDutyRate) << 2 << QStringLiteral("Btu/hr·ft²") << 0.31699828634688587 << 0.0
        << QStringLiteral("%0.1f");
    QTest::newRow("utDutyRate 3 MBh/ft²") << int(utDutyRate) << 3 << QStringLiteral("MBh/ft²")
                                          << 0.31699828634688587 << 0.0 << QStringLiteral("%0.3f");
    QTest::newRow("utDutyRate 4 kcal/hr·ft²")
        << int(utDutyRate) << 4 << QStringLiteral("kcal/hr·ft²") << 0.07988223559759244 << 0.0
        << QStringLiteral("%0.1f");
    QTest::newRow("utEnergy 0 kJ")
        << int(utEnergy) << 0 << QStringLiteral("kJ") << 1.0 << 0.0 << QStringLiteral("%0.3f");
    QTest::newRow("utEnergy 1 J") << int(utEnergy) << 1 << QStringLiteral("J") << 1000.0 << 0.0
                                  << QStringLiteral("%0.0f");
    QTest::newRow("utEnergy 2 kW-hr") << int(utEnergy) << 2 << QStringLiteral("kW-hr")
                                      << 0.0002777777777777778 << 0.0 << QStringLiteral("%0.5g");
    QTest::newRow("utEnergy 3 W-hr") << int(utEnergy) << 3 << QStringLiteral("W-hr")
                                     << 0.2777777777777778 << 0.0 << QStringLiteral("%0.5g");
    QTest::newRow("utEnergy 4 Btu") << int(utEnergy) << 4 << QStringLiteral("Btu")
                                    << 0.9478169879134378 << 0.0 << QStringLiteral("%0.5g");
    QTest::newRow("utEnergyPerVol 0 kW/cms") << int(utEnergyPerVol) << 0 << QStringLiteral("kW/cms")
                                             << 1.0 << 0.0 << QStringLiteral("%0.3f");
    QTest::newRow("utEnergyPerVol 1 kJ/m³") << int(utEnergyPerVol) << 1 << QStringLiteral("kJ/m³")
                                            << 1.0 << 0.0 << QStringLiteral("%0.3f");
    QTest::newRow("utEnergyPerVol 2 Btu/ft³")
        << int(utEnergyPerVol) << 2 << QStringLiteral("Btu/ft³") << 0.026839188244036336 << 0.0
        << QStringLiteral("%0.3f");
    QTest::newRow("utEnthalpy 0 kJ/kg")
        << int(utEnthalpy) << 0 << QStringLiteral("kJ/kg") << 1.0 << 0.0 << QStringLiteral("%0.1f");
    QTest::newRow("utEnthalpy 1 Btu/lb") << int(utEnthalpy) << 1 << QStringLiteral("Btu/lb")
                                         << 0.4299226139294927 << 0.0 << QStringLiteral("%0.1f");
    QTest::newRow("utFinDensity 0 fpi")
        << int(utFinDensity) << 0 << QStringLiteral("fpi") << 1.0 << 0.0 << QStringLiteral("%0.4f");
    QTest::newRow("utFinDensity 1 fin/mm") << int(utFinDensity) << 1 << QStringLiteral("fin/mm")
                                           << 0.03937007874015748 << 0.0 << QStringLiteral("%0.5f");
    QTest::newRow("utFinDensity 2 fins/m") << int(utFinDensity) << 2 << QStringLiteral("fins/m")
                                           << 39.37007874015748 << 0.0 << QStringLiteral("%0.3f");
    QTest::newRow("utFinDensity 3 fins/ft") << int(utFinDensity) << 3 << QStringLiteral("fins/ft")
                                            << 12.0 << 0.0 << QStringLiteral("%0.3f");
    QTest::newRow("utHeatOfRespir 0 kJ/kg/day")
        << int(utHeatOfRespir) << 0 << QStringLiteral("kJ/kg/day") << 1.0 << 0.0
        << QStringLiteral("%0.2f");
    QTest::newRow("utHeatOfRespir 1 mW/kg") << int(utHeatOfRespir) << 1 << QStringLiteral("mW/kg")
                                            << 11.574074074074074 << 0.0 << QStringLiteral("%0.4f");
    QTest::newRow("utHeatOfRespir 2 Btu/lb/day")
        << int(utHeatOfRespir) << 2 << QStringLiteral("Btu/lb/day") << 0.4299226139294927 << 0.0
        << QStringLiteral("%0.2f");
    QTest::newRow("utHeatTransCoeff 0 W/m²°C")
        << int(utHeatTransCoeff) << 0 << QStringLiteral("W/m²°C") << 1.0 << 0.0
        << QStringLiteral("%0.5g");
    QTest::newRow("utHeatTransCoeff 1 Btu/hr·ft²°F")
        << int(utHeatTransCoeff) << 1 << QStringLiteral("Btu/hr·ft²°F") << 0.17611015908160324
        << 0.0 << QStringLiteral("%0.5g");
    QTest::newRow("utHumidity 0 kg/kg")
        << int(utHumidity) << 0 << QStringLiteral("kg/kg") << 1.0 << 0.0 << QStringLiteral("%0.4f");
    QTest::newRow("utHumidity 1 g/kg") << int(utHumidity) << 1 << QStringLiteral("g/kg") << 1000.0
                                       << 0.0 << QStringLiteral("%0.2f");
    QTest::newRow("utHumidity 2 gr/lb") << int(utHumidity) << 2 << QStringLiteral("gr/lb") << 7000.0
                                        << 0.0 << QStringLiteral("%0.1f");
    QTest::newRow("utLengthBig 0 m")
        << int(utLengthBig) << 0 << QStringLiteral("m") << 1.0 << 0.0 << QStringLiteral("%0.2f");
    QTest::newRow("utLengthBig 1 ft") << int(utLengthBig) << 1 << QStringLiteral("ft")
                                      << 3.2808398950131235 << 0.0 << QStringLiteral("%0.1f");
    QTest::newRow("utLengthMeasure 0 m") << int(utLengthMeasure) << 0 << QStringLiteral("m") << 1.0
                                         << 0.0 << QStringLiteral("%0.3f");
    QTest::newRow("utLengthMeasure 1 cm") << int(utLengthMeasure) << 1 << QStringLiteral("cm")
                                          << 100.0 << 0.0 << QStringLiteral("%0.2f");
    QTest::newRow("utLengthMeasure 2 mm") << int(utLengthMeasure) << 2 << QStringLiteral("mm")
                                          << 1000.0 << 0.0 << QStringLiteral("%0.1f");
    QTest::newRow("utLengthMeasure 3 inch") << int(utLengthMeasure) << 3 << QStringLiteral("inch")
                                            << 39.37007874015748 << 0.0 << QStringLiteral("%0.2f");
    QTest::newRow("utLengthMeasure 4 ft") << int(utLengthMeasure) << 4 << QStringLiteral("ft")
                                          << 3.2808398950131235 << 0.0 << QStringLiteral("%0.3f");
    QTest::newRow("utLengthPrim 0 m")
        << int(utLengthPrim) << 0 << QStringLiteral("m") << 1.0 << 0.0 << QStringLiteral("%0.3f");
    QTest::newRow("utLengthPrim 1 cm") << int(utLengthPrim) << 1 << QStringLiteral("cm") << 100.0
                                       << 0.0 << QStringLiteral("%0.2f");
    QTest::newRow("utLengthPrim 2 mm") << int(utLengthPrim) << 2 << QStringLiteral("mm") << 1000.0
                                       << 0.0 << QStringLiteral("%0.1f");
    QTest::newRow("utLengthPrim 3 inch") << int(utLengthPrim) << 3 << QStringLiteral("inch")
                                         << 39.37007874015748 << 0.0 << QStringLiteral("%0.2f");
    QTest::newRow("utLengthPrim 4 ft") << int(utLengthPrim) << 4 << QStringLiteral("ft")
                                       << 3.2808398950131235 << 0.0 << QStringLiteral("%0.3f");
    QTest::newRow("utLengthSec 0 m")
        << int(utLengthSec) << 0 << QStringLiteral("m") << 1.0 << 0.0 << QStringLiteral("%0.3f");
    QTest::newRow("utLengthSec 1 cm")
        << int(utLengthSec) << 1 << QStringLiteral("cm") << 100.0 << 0.0 << QStringLiteral("%0.2f");
    QTest::newRow("utLengthSec 2 mm") << int(utLengthSec) << 2 << QStringLiteral("mm") << 1000.0
                                      << 0.0 << QStringLiteral("%0.1f");
    QTest::newRow("utLengthSec 3 inch") << int(utLengthSec) << 3 << QStringLiteral("inch")
                                        << 39.37007874015748 << 0.0 << QStringLiteral("%0.2f");
    QTest::newRow("utLengthSec 4 ft") << int(utLengthSec) << 4 << QStringLiteral("ft")
                                      << 3.2808398950131235 << 0.0 << QStringLiteral("%0.3f");
    QTest::newRow("utLengthSmall 0 mm")
        << int(utLengthSmall) << 0 << QStringLiteral("mm") << 1.0 << 0.0 << QStringLiteral("%0.4f");
    QTest::newRow("utLengthSmall 1 um") << int(utLengthSmall) << 1 << QStringLiteral("um") << 1000.0
                                        << 0.0 << QStringLiteral("%0.1f");
    QTest::newRow("utLengthSmall 2 Thou\"") << int(utLengthSmall) << 2 << QStringLiteral("Thou\"")
                                            << 39.37007874015748 << 0.0 << QStringLiteral("%0.3f");
    QTest::newRow("utMass 0 kg") << int(utMass) << 0 << QStringLiteral("kg") << 1.0 << 0.0
                                 << QStringLiteral("%0.0f");
    QTest::newRow("utMass 1 ton SI")
        << int(utMass) << 1 << QStringLiteral("ton SI") << 0.001 << 0.0 << QStringLiteral("%0.3f");
    QTest::newRow("utMass 2 lb") << int(utMass) << 2 << QStringLiteral("lb") << 2.2046226218487757
                                 << 0.0 << QStringLiteral("%0.1f");
    QTest::newRow("utMassSmall 0 g")
        << int(utMassSmall) << 0 << QStringLiteral("g") << 1.0 << 0.0 << QStringLiteral("%0.1f");
    QTest::newRow("utMassSmall 1 oz") << int(utMassSmall) << 1 << QStringLiteral("oz")
                                      << 0.035273961949580414 << 0.0 << QStringLiteral("%0.3f");
    QTest::newRow("utMassFlow 0 kg/s")
        << int(utMassFlow) << 0 << QStringLiteral("kg/s") << 1.0 << 0.0 << QStringLiteral("%0.4f");
    QTest::newRow("utMassFlow 1 g/s") << int(utMassFlow) << 1 << QStringLiteral("g/s") << 1000.0
                                      << 0.0 << QStringLiteral("%0.1f");
    QTest::newRow("utMassFlow 2 kg/hr") << int(utMassFlow) << 2 << QStringLiteral("kg/hr") << 3600.0
                                        << 0.0 << QStringLiteral("%0.2f");
    QTest::newRow("utMassFlow 3 lb/s") << int(utMassFlow) << 3 << QStringLiteral("lb/s")
                                       << 2.2046226218487757 << 0.0 << QStringLiteral("%0.5f");
    QTest::newRow("utMassFlow 4 lb/min") << int(utMassFlow) << 4 << QStringLiteral("lb/min")
                                         << 132.27735731092656 << 0.0 << QStringLiteral("%0.3f");
    QTest::newRow("utMassFlow 5 lb/hr") << int(utMassFlow) << 5 << QStringLiteral("lb/hr")
                                        << 7936.6414386555925 << 0.0 << QStringLiteral("%0.1f");
    QTest::newRow("utMassFlowGas 0 kg/s") << int(utMassFlowGas) << 0 << QStringLiteral("kg/s")
                                          << 1.0 << 0.0 << QStringLiteral("%0.4f");
    QTest::newRow("utMassFlowGas 1 g/s") << int(utMassFlowGas) << 1 << QStringLiteral("g/s")
                                         << 1000.0 << 0.0 << QStringLiteral("%0.1f");
    QTest::newRow("utMassFlowGas 2 kg/hr") << int(utMassFlowGas) << 2 << QStringLiteral("kg/hr")
                                           << 3600.0 << 0.0 << QStringLiteral("%0.2f");
    QTest::newRow("utMassFlowGas 3 lb/s") << int(utMassFlowGas) << 3 << QStringLiteral("lb/s")
                                          << 2.2046226218487757 << 0.0 << QStringLiteral("%0.5f");
    QTest::newRow("utMassFlowGas 4 lb/min") << int(utMassFlowGas) << 4 << QStringLiteral("lb/min")
                                            << 132.27735731092656 << 0.0 << QStringLiteral("%0.3f");
    QTest::newRow("utMassFlowGas 5 lb/hr") << int(utMassFlowGas) << 5 << QStringLiteral("lb/hr")
                                           << 7936.6414386555925 << 0.0 << QStringLiteral("%0.1f");
    QTest::newRow("utMassFlux 0 kg/m²s") << int(utMassFlux) << 0 << QStringLiteral("kg/m²s") << 1.0
                                         << 0.0 << QStringLiteral("%0.3f");
    QTest::newRow("utMassFlux 1 g/m²s") << int(utMassFlux) << 1 << QStringLiteral("g/m²s") << 1000.0
                                        << 0.0 << QStringLiteral("%0.0f");
    QTest::newRow("utMassFlux 2 kg/m²hr") << int(utMassFlux) << 2 << QStringLiteral("kg/m²hr")
                                          << 3600.0 << 0.0 << QStringLiteral("%0.1f");
    QTest::newRow("utMassFlux 3 lb/ft²s") << int(utMassFlux) << 3 << QStringLiteral("lb/ft²s")
                                          << 0.20481614362252168 << 0.0 << QStringLiteral("%0.4f");
    QTest::newRow("utMassFlux 4 lb/ft²min") << int(utMassFlux) << 4 << QStringLiteral("lb/ft²min")
                                            << 12.288968617351301 << 0.0 << QStringLiteral("%0.2f");
    QTest::newRow("utMassFlux 5 lb/ft²hr") << int(utMassFlux) << 5 << QStringLiteral("lb/ft²hr")
                                           << 737.3381170410781 << 0.0 << QStringLiteral("%0.0f");
    QTest::newRow("utMetRate 0 W/P")
        << int(utMetRate) << 0 << QStringLiteral("W/P") << 1.0 << 0.0 << QStringLiteral("%0.1f");
    QTest::newRow("utMetRate 1 Btu/hr/P") << int(utMetRate) << 1 << QStringLiteral("Btu/hr/P")
                                          << 3.412141156488376 << 0.0 << QStringLiteral("%0.0f");
    QTest::newRow("utPeopleDensity 0 m²/P") << int(utPeopleDensity) << 0 << QStringLiteral("m²/P")
                                            << 1.0 << 0.0 << QStringLiteral("%0.1f");
    QTest::newRow("utPeopleDensity 1 ft²/P")
        << int(utPeopleDensity) << 1 << QStringLiteral("ft²/P") << 10.763910416709722 << 0.0
        << QStringLiteral("%0.2f");
    QTest::newRow("utPower 0 kW") << int(utPower) << 0 << QStringLiteral("kW") << 1.0 << 0.0
                                  << QStringLiteral("%0.3f");
    QTest::newRow("utPower 1 W") << int(utPower) << 1 << QStringLiteral("W") << 1000.0 << 0.0
                                 << QStringLiteral("%0.0f");
    QTest::newRow("utPower 2 HP") << int(utPower) << 2 << QStringLiteral("HP") << 1.341021858656296
                                  << 0.0 << QStringLiteral("%0.2f");
    QTest::newRow("utPressureBar 0 kPa") << int(utPressureBar) << 0 << QStringLiteral("kPa") << 1.0
                                         << 0.0 << QStringLiteral("%0.3f");
    QTest::newRow("utPressureBar 1 Psi") << int(utPressureBar) << 1 << QStringLiteral("Psi")
                                         << 0.1450376807894691 << 0.0 << QStringLiteral("%0.4f");
    QTest::newRow("utPressureBar 2 Bar") << int(utPressureBar) << 2 << QStringLiteral("Bar") << 0.01
                                         << 0.0 << QStringLiteral("%0.5f");
    QTest::newRow("utPressureBar 3 Atm") << int(utPressureBar) << 3 << QStringLiteral("Atm")
                                         << 0.00986923 << 0.0 << QStringLiteral("%0.5f");
    QTest::newRow("utPressureBar 4 InchHg") << int(utPressureBar) << 4 << QStringLiteral("InchHg")
                                            << 0.295 << 0.0 << QStringLiteral("%0.4f");
    QTest::newRow("utPressureBar 5 mHead") << int(utPressureBar) << 5 << QStringLiteral("mHead")
                                           << 0.10197162129779283 << 0.0 << QStringLiteral("%0.4f");
    QTest::newRow("utPressureRateGas 0 Pa/m")
        << int(utPressureRateGas) << 0 << QStringLiteral("Pa/m") << 1.0 << 0.0
        << QStringLiteral("%0.2f");
    QTest::newRow("utPressureRateGas 1 kPa/m")
        << int(utPressureRateGas) << 1 << QStringLiteral("kPa/m") << 0.001 << 0.0
        << QStringLiteral("%0.5f");
    QTest::newRow("utPressureRateGas 2 iwg/100'")
        << int(utPressureRateGas) << 2 << QStringLiteral("iwg/100'") << 0.12236594555735139 << 0.0
        << QStringLiteral("%0.4f");
    QTest::newRow("utPressureRateGas 3 Psi/ft")
        << int(utPressureRateGas) << 3 << QStringLiteral("Psi/ft") << 4.4207485104630184e-05 << 0.0
        << QStringLiteral("%0.6f");
    QTest::newRow("utPressureRateLiquid 0 Pa/m")
        << int(utPressureRateLiquid) << 0 << QStringLiteral("Pa/m") << 1.0 << 0.0
        << QStringLiteral("%0.2f");
    QTest::newRow("utPressureRateLiquid 1 kPa/m")
        << int(utPressureRateLiquid) << 1 << QStringLiteral("kPa/m") << 0.001 << 0.0
        << QStringLiteral("%0.5f");
    QTest::newRow("utPressureRateLiquid 2 iwg/100'")
        << int(utPressureRateLiquid) << 2 << QStringLiteral("iwg/100'") << 0.12236594555735139
        << 0.0 << QStringLiteral("%0.4f");
    QTest::newRow("utPressureRateLiquid 3 Psi/ft")
        << int(utPressureRateLiquid) << 3 << QStringLiteral("Psi/ft") << 4.4207485104630184e-05
        << 0.0 << QStringLiteral("%0.6f");
    QTest::newRow("utProportion 0 (empty)")
        << int(utProportion) << 0 << QString() << 1.0 << 0.0 << QStringLiteral("%0.3f");
    QTest::newRow("utProportion 1 %")
        << int(utProportion) << 1 << QStringLiteral("%") << 100.0 << 0.0 << QStringLiteral("%0.1f");
    QTest::newRow("utProportion 2 ratio") << int(utProportion) << 2 << QStringLiteral("ratio")
                                          << 1.0 << 0.0 << QStringLiteral("%0.3f");
    QTest::newRow("utRate 0 /sec")
        << int(utRate) << 0 << QStringLiteral("/sec") << 1.0 << 0.0 << QStringLiteral("%0.4f");
    QTest::newRow("utRate 1 /min")
        << int(utRate) << 1 << QStringLiteral("/min") << 60.0 << 0.0 << QStringLiteral("%0.2f");
    QTest::newRow("utRate 2 /hr") << int(utRate) << 2 << QStringLiteral("/hr") << 3600.0 << 0.0
                                  << QStringLiteral("%0.0f");
    QTest::newRow("utSpecificHeat 0 kJ/kg·K")
        << int(utSpecificHeat) << 0 << QStringLiteral("kJ/kg·K") << 1.0 << 0.0
        << QStringLiteral("%0.4g");
    QTest::newRow("utSpecificHeat 1 Btu/lb°F")
        << int(utSpecificHeat) << 1 << QStringLiteral("Btu/lb°F") << 0.23884589662749595 << 0.0
        << QStringLiteral("%0.4g");
    QTest::newRow("utSpecificVol 0 m³/kg") << int(utSpecificVol) << 0 << QStringLiteral("m³/kg")
                                           << 1.0 << 0.0 << QStringLiteral("%0.3f");
    QTest::newRow("utSpecificVol 1 ft³/lb") << int(utSpecificVol) << 1 << QStringLiteral("ft³/lb")
                                            << 16.018463373960138 << 0.0 << QStringLiteral("%0.3f");
    QTest::newRow("utTemperature 0 °C")
        << int(utTemperature) << 0 << QStringLiteral("°C") << 1.0 << 0.0 << QStringLiteral("%0.1f");
    QTest::newRow("utTemperature 1 °F") << int(utTemperature) << 1 << QStringLiteral("°F") << 1.8
                                        << 32.0 << QStringLiteral("%0.1f");
    QTest::newRow("utTemperature 2 K") << int(utTemperature) << 2 << QStringLiteral("K") << 1.0
                                       << 273.15 << QStringLiteral("%0.2f");
    QTest::newRow("utTemperatureChange 0 °C")
        << int(utTemperatureChange) << 0 << QStringLiteral("°C") << 1.0 << 0.0
        << QStringLiteral("%0.1f");
    QTest::newRow("utTemperatureChange 1 °F")
        << int(utTemperatureChange) << 1 << QStringLiteral("°F") << 1.8 << 0.0
        << QStringLiteral("%0.1f");
    QTest::newRow("utTemperatureChange 2 K") << int(utTemperatureChange) << 2 << QStringLiteral("K")
                                             << 1.0 << 0.0 << QStringLiteral("%0.2f");
    QTest::newRow("utThermalCapacity 0 W-hr/m²°C")
        << int(utThermalCapacity) << 0 << QStringLiteral("W-hr/m²°C") << 1.0 << 0.0
        << QStringLiteral("%0.1f");
    QTest::newRow("utThermalCapacity 1 Btu/ft²°F")
        << int(utThermalCapacity) << 1 << QStringLiteral("Btu/ft²°F") << 0.5705969154243945 << 0.0
        << QStringLiteral("%0.1f");
    QTest::newRow("utThermalResist 0 m²°C/W")
        << int(utThermalResist) << 0 << QStringLiteral("m²°C/W") << 1.0 << 0.0
        << QStringLiteral("%0.4f");
    QTest::newRow("utThermalResist 1 ft²·hr·°F/Btu")
        << int(utThermalResist) << 1 << QStringLiteral("ft²·hr·°F/Btu") << 5.678264134306047 << 0.0
        << QStringLiteral("%0.3f");
    QTest::newRow("utTime 0 sec") << int(utTime) << 0 << QStringLiteral("sec") << 1.0 << 0.0
                                  << QStringLiteral("%0.0f");
    QTest::newRow("utTime 1 min") << int(utTime) << 1 << QStringLiteral("min")
                                  << 0.016666666666666666 << 0.0 << QStringLiteral("%0.2f");
    QTest::newRow("utTime 2 hr") << int(utTime) << 2 << QStringLiteral("hr")
                                 << 0.0002777777777777778 << 0.0 << QStringLiteral("%0.4f");
    QTest::newRow("utVelocity 0 m/s")
        << int(utVelocity) << 0 << QStringLiteral("m/s") << 1.0 << 0.0 << QStringLiteral("%0.2f");
    QTest::newRow("utVelocity 1 fpm") << int(utVelocity) << 1 << QStringLiteral("fpm")
                                      << 196.8503937007874 << 0.0 << QStringLiteral("%0.1f");
    QTest::newRow("utViscosity 0 kg/m·s") << int(utViscosity) << 0 << QStringLiteral("kg/m·s")
                                          << 1.0 << 0.0 << QStringLiteral("%0.6g");
    QTest::newRow("utViscosity 1 N·s/m²") << int(utViscosity) << 1 << QStringLiteral("N·s/m²")
                                          << 1.0 << 0.0 << QStringLiteral("%0.6g");
    QTest::newRow("utViscosity 2 µPa·s") << int(utViscosity) << 2 << QStringLiteral("µPa·s")
                                         << 1000000.0 << 0.0 << QStringLiteral("%0.6g");
    QTest::newRow("utViscosity 3 cP") << int(utViscosity) << 3 << QStringLiteral("cP") << 1000.0
                                      << 0.0 << QStringLiteral("%0.6g");
    QTest::newRow("utViscosity 4 lbm/ft·s") << int(utViscosity) << 4 << QStringLiteral("lbm/ft·s")
                                            << 0.0671955 << 0.0 << QStringLiteral("%0.6g");
    QTest::newRow("utViscosity 5 lbf·s/ft²") << int(utViscosity) << 5 << QStringLiteral("lbf·s/ft²")
                                             << 0.020885 << 0.0 << QStringLiteral("%0.6g");
    QTest::newRow("utViscosity 6 lbf·hr/ft²")
        << int(utViscosity) << 6 << QStringLiteral("lbf·hr/ft²") << 5.8014e-06 << 0.0
        << QStringLiteral("%0.6g");
    QTest::newRow("utVolume 0 m³")
        << int(utVolume) << 0 << QStringLiteral("m³") << 1.0 << 0.0 << QStringLiteral("%0.4f");
    QTest::newRow("utVolume 1 litre") << int(utVolume) << 1 << QStringLiteral("litre") << 1000.0
                                      << 0.0 << QStringLiteral("%0.2f");
    QTest::newRow("utVolume 2 cc") << int(utVolume) << 2 << QStringLiteral("cc") << 1000000.0 << 0.0
                                   << QStringLiteral("%0.0f");
    QTest::newRow("utVolume 3 ft³")
        << int(utVolume) << 3 << QStringLiteral("ft³") << 35.32 << 0.0 << QStringLiteral("%0.4f");
    QTest::newRow("utVolume 4 inch³") << int(utVolume) << 4 << QStringLiteral("inch³") << 61023.0
                                      << 0.0 << QStringLiteral("%0.1f");
    QTest::newRow("utVolumeFluid 0 kl")
        << int(utVolumeFluid) << 0 << QStringLiteral("kl") << 1.0 << 0.0 << QStringLiteral("%0.3f");
    QTest::newRow("utVolumeFluid 1 litre") << int(utVolumeFluid) << 1 << QStringLiteral("litre")
                                           << 1000.0 << 0.0 << QStringLiteral("%0.5g");
    QTest::newRow("utVolumeFluid 2 IP Gal") << int(utVolumeFluid) << 2 << QStringLiteral("IP Gal")
                                            << 220.0 << 0.0 << QStringLiteral("%0.5g");
    QTest::newRow("utVolumeFluid 3 US Gal") << int(utVolumeFluid) << 3 << QStringLiteral("US Gal")
                                            << 264.1720523581484 << 0.0 << QStringLiteral("%0.5g");
    QTest::newRow("utWaterFlow 0 l/s")
        << int(utWaterFlow) << 0 << QStringLiteral("l/s") << 1.0 << 0.0 << QStringLiteral("%0.3f");
    QTest::newRow("utWaterFlow 1 l/min") << int(utWaterFlow) << 1 << QStringLiteral("l/min") << 60.0
                                         << 0.0 << QStringLiteral("%0.2f");
    QTest::newRow("utWaterFlow 2 dm³/hr") << int(utWaterFlow) << 2 << QStringLiteral("dm³/hr")
                                          << 3600.0 << 0.0 << QStringLiteral("%0.2f");
    QTest::newRow("utWaterFlow 3 m³/hr") << int(utWaterFlow) << 3 << QStringLiteral("m³/hr") << 3.6
                                         << 0.0 << QStringLiteral("%0.2f");
    QTest::newRow("utWaterFlow 4 m³/s") << int(utWaterFlow) << 4 << QStringLiteral("m³/s") << 0.001
                                        << 0.0 << QStringLiteral("%0.4f");
    QTest::newRow("utWaterFlow 5 usgpm") << int(utWaterFlow) << 5 << QStringLiteral("usgpm")
                                         << 15.850323141488905 << 0.0 << QStringLiteral("%0.1f");
}

void UnitsCatalogueTest::catalogueRows()
{
    QFETCH(int, type);
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(double, factor);
    QFETCH(double, offset);
    QFETCH(QString, format);

    const TUnitsType t = TypeOf(type);
    QCOMPARE(GetUnitsName(t, index), name);
    QCOMPARE(GetUnitsFormat(t, index), format);

    QString convName;
    QString convFormat;
    double convFactor = -1.0;
    double convOffset = -1.0;
    GetUnitsConversion(t, index, 0, convName, convFactor, convOffset, convFormat);
    QCOMPARE(convName, name);
    QCOMPARE(convFormat, format);
    // The stored doubles, exactly: against the reference unit the ratio is the factor itself.
    QVERIFY2(convFactor == factor, qPrintable(FloatToRoundTripText(convFactor)));
    QVERIFY2(convOffset == offset, qPrintable(FloatToRoundTripText(convOffset)));
}

void UnitsCatalogueTest::unitsAgreeWithTheirDefinitions_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("units");
    QTest::addColumn<double>("composed");
    // Btu/hr per kW, ft² per m², lb/hr per kg/s and °F per K as the catalogue has them.
    const double btuPerHour = Factor(utDutyPrim, 2);
    const double squareFeet = Factor(utArea, 4);
    const double poundsPerHour = Factor(utMassFlow, 5);
    const double fahrenheit = Factor(utTemperatureChange, 1);
    const double heatTransCoeff = btuPerHour / 1000 / squareFeet / fahrenheit; // base W
    QTest::newRow("Btu/hr·ft²°F") << int(utHeatTransCoeff) << 1 << heatTransCoeff;
    QTest::newRow("ft²·hr·°F/Btu") << int(utThermalResist) << 1 << 1 / heatTransCoeff;
    QTest::newRow("Btu/h°F") << int(utConductance) << 3 << btuPerHour / fahrenheit;
    QTest::newRow("Btu/lb°F") << int(utSpecificHeat) << 1
                              << btuPerHour / poundsPerHour / fahrenheit;
    QTest::newRow("Btu/hr·ft²") << int(utDutyRate) << 2 << btuPerHour / 1000 / squareFeet;
    // The pound, the foot and the International Table kilocalorie exactly.
    QTest::newRow("lb/hr") << int(utMassFlow) << 5 << 3600 / 0.45359237;
    QTest::newRow("ft²") << int(utArea) << 4 << 1 / (0.3048 * 0.3048);
    QTest::newRow("kcal/hr") << int(utDutyPrim) << 4 << 3600 / 4.1868;
    QTest::newRow("kcal/hr·ft²") << int(utDutyRate) << 4 << 3.6 / 4.1868 * (0.3048 * 0.3048);
}

// Each US unit of a quantity the results show is composed of the same Btu,
// foot, pound and degree, to the parts in ten million by which the Btu/lb°F of
// 4.1868 kJ/kgK and the Btu of 1055.056 J differ; the pound, foot and
// kilocalorie are as defined. A factor rounded to fewer digits shows a wrong
// last digit.
void UnitsCatalogueTest::unitsAgreeWithTheirDefinitions()
{
    QFETCH(int, type);
    QFETCH(int, units);
    QFETCH(double, composed);
    const double factor = Factor(TypeOf(type), units);
    QVERIFY2(std::abs(factor / composed - 1) < 2e-7,
             qPrintable(QString::number(factor, 'g', 17) + " against " +
                        QString::number(composed, 'g', 17)));
}

void UnitsCatalogueTest::checkUnitsIndex_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("expected");
    QTest::newRow("above the list is the last unit") << int(utTemperature) << 7 << 2;
    QTest::newRow("below the list is the first unit") << int(utTemperature) << -1 << 0;
    QTest::newRow("inside the list stays") << int(utTemperature) << 1 << 1;
    QTest::newRow("the last unit stays") << int(utViscosity) << 6 << 6;
    QTest::newRow("utNone keeps any index") << int(utNone) << 5 << 5;
    QTest::newRow("utNone keeps a negative index") << int(utNone) << -3 << -3;
}

void UnitsCatalogueTest::checkUnitsIndex()
{
    QFETCH(int, type);
    QFETCH(int, index);
    QTEST(CheckUnitsIndex(TypeOf(type), index), "expected");
}

void UnitsCatalogueTest::lookupOutsideListThrows()
{
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, GetUnitsName(utTemperature, 3));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, GetUnitsFormat(utTemperature, -1));
    QString name, format;
    double factor = 1.0, offset = 0.0;
    QVERIFY_THROWS_EXCEPTION(std::out_of_range,
                             GetUnitsConversion(utMassFlow, 0, 6, name, factor, offset, format));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, UnitsCount(static_cast<TUnitsType>(57)));
    // Only the low byte of an index selects the unit.
    QCOMPARE(GetUnitsName(utTemperature, 256 + 1), QStringLiteral("°F"));
}

void UnitsCatalogueTest::noneTypeLeavesFactorAndOffset()
{
    QString name = QStringLiteral("old");
    QString format;
    double factor = 7.5;
    double offset = -2.0;
    GetUnitsConversion(utNone, 3, 1, name, factor, offset, format);
    QCOMPARE(name, QString());
    QCOMPARE(format, QStringLiteral("%0.1f"));
    QCOMPARE(factor, 7.5);
    QCOMPARE(offset, -2.0);
    QCOMPARE(GetUnitsName(utNone, 0), QString());
    QCOMPARE(UnitsCount(utNone), 0);
}

void UnitsCatalogueTest::conversionBetweenUnits_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("base");
    QTest::addColumn<double>("factor");
    QTest::addColumn<double>("offset");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("format");
    QTest::newRow("temperature change °F has no offset")
        << int(utTemperatureChange) << 1 << 0 << 1.8 << 0.0 << "°F"
        << "%0.1f";
    QTest::newRow("temperature °F has offset 32")
        << int(utTemperature) << 1 << 0 << 1.8 << 32.0 << "°F"
        << "%0.1f";
    QTest::newRow("temperature K has offset 273.15")
        << int(utTemperature) << 2 << 0 << 1.0 << 273.15 << "K"
        << "%0.2f";
    QTest::newRow("kPa shown for base Pa") << int(utPressure) << 0 << 1 << 0.001 << 0.0 << "kPa"
                                           << "%0.3f";
    QTest::newRow("lb/hr shown for base kg/s")
        << int(utMassFlow) << 5 << 0 << 7936.6414386555925 << 0.0 << "lb/hr"
        << "%0.1f";
    QTest::newRow("kg/s shown for base kg/hr")
        << int(utMassFlowGas) << 0 << 2 << 1.0 / 3600.0 << 0.0 << "kg/s"
        << "%0.4f";
    QTest::newRow("% for an empty base") << int(utProportion) << 1 << 0 << 100.0 << 0.0 << "%"
                                         << "%0.1f";
    QTest::newRow("°C shown for base K") << int(utTemperature) << 0 << 2 << 1.0 << -273.15 << "°C"
                                         << "%0.1f";
    QTest::newRow("°C shown for base °F")
        << int(utTemperature) << 0 << 1 << 1.0 / 1.8 << -32.0 / 1.8 << "°C"
        << "%0.1f";
}

void UnitsCatalogueTest::conversionBetweenUnits()
{
    QFETCH(int, type);
    QFETCH(int, units);
    QFETCH(int, base);
    QString name, format;
    double factor = 0.0, offset = 99.0;
    GetUnitsConversion(TypeOf(type), units, base, name, factor, offset, format);
    QTEST(factor, "factor");
    QTEST(offset, "offset");
    QTEST(name, "name");
    QTEST(format, "format");
}

// A value in base units shown in the display unit and typed back.
void UnitsCatalogueTest::displayRoundTrip_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("base");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("display");
    QTest::newRow("35 °C is 95 °F") << int(utTemperature) << 1 << 0 << 35.0 << 95.0;
    QTest::newRow("100 °C is 212 °F") << int(utTemperature) << 1 << 0 << 100.0 << 212.0;
    QTest::newRow("-40 °C is -40 °F") << int(utTemperature) << 1 << 0 << -40.0 << -40.0;
    QTest::newRow("0 °C is 273.15 K") << int(utTemperature) << 2 << 0 << 0.0 << 273.15;
    QTest::newRow("300 K is 26.85 °C") << int(utTemperature) << 0 << 2 << 300.0 << 26.85;
    QTest::newRow("212 °F is 100 °C") << int(utTemperature) << 0 << 1 << 212.0 << 100.0;
    QTest::newRow("32 °F is 273.15 K") << int(utTemperature) << 2 << 1 << 32.0 << 273.15;
    QTest::newRow("a 10 °C difference is 18 °F")
        << int(utTemperatureChange) << 1 << 0 << 10.0 << 18.0;
    QTest::newRow("1 kg/s is 7936.64 lb/hr")
        << int(utMassFlow) << 5 << 0 << 1.0 << 7936.6414386555925;
    QTest::newRow("0.5 is 50 %") << int(utProportion) << 1 << 0 << 0.5 << 50.0;
    QTest::newRow("1 m³/s is 2118.88 cfm")
        << int(utAirFlowSec) << 4 << 0 << 1.0 << 2118.8800032893155;
}

void UnitsCatalogueTest::displayRoundTrip()
{
    QFETCH(int, type);
    QFETCH(int, units);
    QFETCH(int, base);
    QFETCH(double, value);
    QFETCH(double, display);
    QString name, format;
    double factor = 1.0, offset = 0.0;
    GetUnitsConversion(TypeOf(type), units, base, name, factor, offset, format);
    const double shown = ToDisplay(value, factor, offset);
    QVERIFY2(qAbs(shown - display) < 1e-9, qPrintable(FloatToRoundTripText(shown)));
    const double back = FromDisplay(shown, factor, offset);
    QVERIFY2(qAbs(back - value) < 1e-9, qPrintable(FloatToRoundTripText(back)));
}

void UnitsCatalogueTest::formattedDisplay_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("units");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("1 kg/s in lb/hr") << int(utMassFlow) << 5 << 1.0 << "7936.6";
    QTest::newRow("35 °C in °F") << int(utTemperature) << 1 << 35.0 << "95.0";
    QTest::newRow("0.5 in %") << int(utProportion) << 1 << 0.5 << "50.0";
    QTest::newRow("mg/L keeps one significant digit") << int(utDensity) << 1 << 0.0052 << "5";
}

void UnitsCatalogueTest::formattedDisplay()
{
    QFETCH(int, type);
    QFETCH(int, units);
    QFETCH(double, value);
    QString name, format;
    double factor = 1.0, offset = 0.0;
    GetUnitsConversion(TypeOf(type), units, 0, name, factor, offset, format);
    QTEST(Format(format, {ToDisplay(value, factor, offset)}), "text");
}
