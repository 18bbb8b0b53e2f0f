#pragma once

#include "Hx.h"
#include "SpecMask.h"
#include "UnitsType.h"
#include "UoUnits.h"

// One value of a case that the user can give, with everything the program
// needs to show, keep and read it: the window's field, the case line, the case
// file, the remembered case and the built-in initial case all take it from
// here. A field holds its value in its quantity's base unit, which is the
// record's unit except for Uo (W/m²°C in the field, kW/(m²·K) in the record).
struct TCaseInputRow
{
    const char* name;     // in the record, the case file, the settings, JSON and CSV
    double THx::*member;  // in the record
    TMaskBit bit;         // of the mask of given values; also the row's index
    TUnitsType unitsType; // of the field
    const char* format;   // of the field
    double rangeLo;       // of the field, in its base unit; both 0: no range
    double rangeHi;
    double resetValue;   // what Reset puts into the field, in its base unit
    double initialValue; // of the built-in initial case, in the record's unit
    bool inWatts;        // the field gives Uo in W/m²°C
    // A service allowance: always given, and 0 where a case line, case file or
    // remembered case lacks it.
    bool allowance = false;
    int unitsBase = 0; // of the field, in the units catalogue

    double FieldValue(double recordValue) const
    {
        return inWatts ? UoInWatts(recordValue) : recordValue;
    }
    double RecordValue(double fieldValue) const
    {
        return inWatts ? UoFromWatts(fieldValue) : fieldValue;
    }
};

// In the order of the mask bits, which is also the order of the fields.
inline constexpr TCaseInputRow CaseInputRows[] = {
    {"thi", &THx::thi, mbThi, utTemperature, "%0.1f", AbsoluteZero, 2000.0, 35.0, 35.0, false},
    {"tho", &THx::tho, mbTho, utTemperature, "%0.1f", AbsoluteZero, 2000.0, 13.0, 12.0, false},
    {"mh", &THx::mh, mbMh, utMassFlow, "%0.4f", 0.0001, 100000.0, 1.0, 1.0, false},
    {"tci", &THx::tci, mbTci, utTemperature, "%0.1f", AbsoluteZero, 2000.0, 5.0, 6.0, false},
    {"tco", &THx::tco, mbTco, utTemperature, "%0.1f", AbsoluteZero, 2000.0, 11.0, 0, false},
    {"mc", &THx::mc, mbMc, utMassFlow, "%0.4f", 0.0001, 100000.0, 0.895, 0.8, false},
    {"Uo", &THx::Uo, mbUo, utHeatTransCoeff, "%0.5g", 0.01, 10000.0, 37.0, 0.037, true},
    {"Ao", &THx::Ao, mbAo, utArea, "%0.1f", 0.0001, 1000000.0, 41.8, 0, false},
    {"Q", &THx::Q, mbQ, utDutyPrim, "%0.3f", 0.000001, 10000000.0, 22.506, 0, false},
    {"Rfh", &THx::Rfh, mbRfh, utThermalResist, "%0.4f", 0, 0.01, 0, 0, false, true},
    {"Rfc", &THx::Rfc, mbRfc, utThermalResist, "%0.4f", 0, 0.01, 0, 0, false, true},
    // In % of area: the proportion's second unit.
    {"margin", &THx::margin, mbMargin, utProportion, "%0.1f", 0, 100.0, 0, 0, false, true, 1},
};

inline constexpr int CaseInputCount = int(std::size(CaseInputRows));

// The rows sit at their mask bits.
consteval bool RowsAtTheirBits()
{
    for (int i = 0; i < CaseInputCount; ++i)
        if (CaseInputRows[i].bit != i)
            return false;
    return true;
}
static_assert(RowsAtTheirBits());
