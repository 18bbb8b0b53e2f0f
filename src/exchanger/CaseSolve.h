#pragma once

#include "DisplayUnits.h"
#include "Hx.h"
#include "MathError.h"
#include "Verdict.h"

#include <QString>
#include <optional>

struct TCaseInput;

// Why a case has no solution: a floating-point fault of the solve or of its
// diagnostic products, or a type whose arrangement is not known.
struct TSolveFailure
{
    enum TKind
    {
        fkMathFault,
        fkArrangement
    };

    TKind kind = fkMathFault;
    TMathFault fault = TMathFault::mfInvalidOp; // for fkMathFault
    QString reason;                             // the fault's text, or the arrangement's problem
    QString step; // the method the solve was in, "diagnostics" or "arrangement"

    // "No solution with this data... (" + reason + ")"
    QString Text() const;
};

// A solved case: the record, and its verdict or the failure. After a failure
// the record holds the input and nothing is solved (THx::Result is NaN for
// every value that was not given).
struct TCaseResult
{
    THx hx;
    TVerdict verdict;
    std::optional<TSolveFailure> failure;

    // The status line: the failure's text or SolvedStatusText.
    QString StatusText() const;
};

// The one solve of the program: `input` into a copy of `previous` (the record
// of the case solved before, whose method a solve that computes nothing
// keeps), solved with the input's mask and judged. Each table problem of the
// input is a warning. The findings show their numbers in `units`. Raises
// nothing for a case without a solution, so a batch of them costs no more than
// a batch of solved ones.
TCaseResult SolveCase(const TCaseInput& input, const THx& previous,
                      const TDisplayUnits& units = TDisplayUnits::Record());
