#pragma once

#include "DisplayUnits.h"
#include "Verdict.h"

class THx;

// One successful solve as the feasibility check sees it.
struct TSolvedCase
{
    const THx& given;  // the record as the solve found it
    const THx& solved; // the record the solve left
    int mask;          // the mask of given values it was solved with
    bool computed;     // false for the masks with which Solve computes nothing
    // The units the findings show their numbers in.
    const TDisplayUnits& units = TDisplayUnits::Record();
};

// Judges a solved case. Infeasible: nothing computed; a solve that stopped at
// an effectiveness at or within Approach::Tolerance of the most an arrangement
// other than counter flow reaches (named with the arrangement, e and the limit;
// only warnings beside it, as later values were not computed); values that
// arrangement has no solution for; an end temperature difference not above the
// tolerance, a pinch or cross (where the solve stopped there, only the
// temperatures and the duty are judged); a stream that does not cool or heat; a
// duty or an effectiveness not positive, or an effectiveness above 1; a flow,
// capacity rate, Uo, area or Ntu not positive where the solve computed it or
// worked from it unticked. Warnings: a ticked value the solve changed as its
// field shows it (format and unit of the field, Uo in W/m²°C, or its display
// unit); "Data not
// properly specified" working from an unticked duty; an arrangement's
// correction factor F below 0.75; the cold outlet above the hot outlet of one
// shell pass. Findings never contain ';', so a list of them can be joined with "; ".
TVerdict CheckFeasibility(const TSolvedCase& solve);

// Judges `solved`, which Solve made from `given` with `mask`. Raises EMathError
// when a product of the diagnostic lines overflows, as the diagnostic lines do.
TVerdict JudgeSolve(const THx& given, const THx& solved, int mask,
                    const TDisplayUnits& units = TDisplayUnits::Record());

// Solves `hx` with `mask` and judges the result. Raises EMathError when the
// solve faults or when a product of the diagnostic lines overflows, which is
// where a text of the results fails too, so every output fails on the same cases.
TVerdict SolveWithVerdict(THx& hx, int mask);
