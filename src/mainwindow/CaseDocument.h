#pragma once

#include "CaseInput.h"
#include "CaseSolve.h"

// The case the main window works on, without its widgets: the input as the
// controls give it now, and the input the last Calc solved with what that
// solve gave. Save As, Copy, the report, the chart, the page and the memo show
// the solved pair; what the user changes since reaches them only through the
// next Calc.
//
//   document.current.hotFluid = entry;     // a drop-down's choice
//   const TCaseResult& result = document.Solve(units);
class TCaseDocument
{
public:
    // The built-in initial case, solved.
    TCaseDocument();

    // What the controls hold (the fields read in at Calc), at full precision.
    TCaseInput current;

    // Solves `current`, which becomes the solved input; the findings show their
    // numbers in `units`.
    const TCaseResult& Solve(const TDisplayUnits& units);
    // The solved input solved again from the same record: the same result, its
    // findings in `units`.
    const TCaseResult& Rejudge(const TDisplayUnits& units);
    const TCaseInput& SolvedInput() const { return m_solvedInput; }
    const TCaseResult& Result() const { return m_result; }

private:
    TCaseInput m_solvedInput;
    THx m_solvedFrom; // the record the solved input was solved into
    TCaseResult m_result;
};
