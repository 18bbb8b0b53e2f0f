#pragma once

#include "CaseInputs.h"
#include "LookupTables.h"

#include <array>

class THx;

// What the user gives of a case, at full precision: the nine values, the mask
// of the given ones, the two fluids with their specific heats and the exchanger
// type with its arrangement. Every way into the solver (the window's Calc, the
// command line, the case line and the batch) makes one, and SolveCase solves it.
struct TCaseInput
{
    // In the record's units, in the order of CaseInputRows.
    std::array<double, CaseInputCount> values{};
    int mask = 0;
    TFluid hotFluid;
    TFluid coldFluid;
    THeatXTypeEntry heatXType;

    // The built-in initial case: air / water / "fin and tube" with the built-in
    // specific heats, the rows' initial values, InitialCaseMask.
    static TCaseInput Initial();

    // Puts the input into `hx`: the nine values, the fluids with their cp, the
    // type's name and arrangement. The rest of the record stays.
    void ApplyTo(THx& hx) const;
    // The table problems of the fluids and the type, each once.
    QStringList TableProblems() const;
    bool HasTableProblems() const
    {
        return !hotFluid.tableProblem.isEmpty() || !coldFluid.tableProblem.isEmpty() ||
               !heatXType.tableProblem.isEmpty();
    }
};

// The mask the initial case is solved with: thi, tho, mh, tci, mc, Uo given.
inline constexpr int InitialCaseMask = 111;

// The initial case into `hx` (not solved).
void SetInitialCase(THx& hx);
