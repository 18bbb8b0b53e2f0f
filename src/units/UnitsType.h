#pragma once

#include <cstdint>

// The quantity types of the units catalogue. Every number the user sees
// belongs to one. The order of the members is part of the catalogue.
enum TUnitsType : std::uint8_t
{
    utNone,               // no unit
    utAirFlowPrim,        // air flow, primary
    utAirFlowSec,         // air flow, secondary
    utAirFlowSmall,       // air flow, small
    utAirFlowRate,        // air flow per face area
    utAirPressDrop,       // air pressure drop
    utAltitude,           // altitude
    utAngularSpeed,       // angular speed
    utArea,               // area
    utCondensateRate,     // condensate rate
    utConductance,        // conductance
    utConductivity,       // thermal conductivity
    utDensity,            // density
    utDiameter,           // diameter
    utDutyPrim,           // duty, primary
    utDutySec,            // duty, secondary
    utDutyRate,           // duty per area
    utEnergy,             // energy
    utEnergyPerVol,       // energy per volume
    utEnthalpy,           // enthalpy
    utFinDensity,         // fin density
    utHeatOfRespir,       // heat of respiration
    utHeatTransCoeff,     // heat transfer coefficient
    utHumidity,           // humidity ratio
    utLengthBig,          // length, big
    utLengthMeasure,      // length, measurement
    utLengthPrim,         // length, primary
    utLengthSec,          // length, secondary
    utLengthSmall,        // length, small
    utMass,               // mass
    utMassSmall,          // mass, small
    utMassFlow,           // mass flow
    utMassFlowGas,        // mass flow of refrigerant or steam
    utMassFlux,           // mass flux
    utMetRate,            // metabolic rate
    utPeopleDensity,      // floor area per person
    utPower,              // power
    utPressure,           // pressure, absolute or gauge
    utPressureBar,        // barometric pressure
    utPressureSteam,      // steam pressure
    utPressureRateGas,    // pressure gradient, gas
    utPressureRateLiquid, // pressure gradient, liquid
    utProportion,         // proportion
    utRate,               // rate per time
    utSpecificHeat,       // specific heat
    utSpecificVol,        // specific volume
    utTemperature,        // temperature
    utTemperatureChange,  // temperature difference
    utThermalCapacity,    // thermal capacity per area
    utThermalResist,      // thermal resistance
    utTime,               // time
    utVelocity,           // velocity
    utViscosity,          // viscosity
    utVolume,             // volume
    utVolumeFluid,        // fluid volume
    utWaterFlow,          // water flow
    utWaterPressDrop,     // water pressure drop
};

constexpr int UnitsTypeCount = 57;
