#include "CaseSolve.h"

#include "CaseInput.h"
#include "Feasibility.h"
#include "SolveOutcome.h"

namespace {

const QString DiagnosticsStep = QStringLiteral("diagnostics");
const QString ArrangementStep = QStringLiteral("arrangement");

void Fail(TCaseResult& result, const THx& given, int mask, TSolveFailure failure)
{
    result.hx = given;
    result.hx.MarkNothingSolved(mask);
    result.failure = std::move(failure);
}

TSolveFailure MathFailure(TMathFault fault, const QString& step)
{
    return {TSolveFailure::fkMathFault, fault, QString::fromLatin1(MathFaultText(fault)), step};
}

} // namespace

QString TSolveFailure::Text() const
{
    return NoSolutionText() + QStringLiteral(" (") + reason + u')';
}

QString TCaseResult::StatusText() const
{
    return failure ? failure->Text() : SolvedStatusText(MethodName(hx.method), verdict);
}

TCaseResult SolveCase(const TCaseInput& input, const THx& previous, const TDisplayUnits& units)
{
    TCaseResult result{previous, {}, {}};
    input.ApplyTo(result.hx);
    const THx given = result.hx;
    if (!input.heatXType.arrangementError.isEmpty()) {
        Fail(result, given, input.mask,
             {TSolveFailure::fkArrangement, {}, input.heatXType.arrangementError, ArrangementStep});
        return result;
    }
    if (const std::optional<TMathFault> fault = result.hx.SolveOrFault(input.mask)) {
        const QString step = MethodName(result.hx.method);
        Fail(result, given, input.mask, MathFailure(*fault, step));
        return result;
    }
    try {
        result.verdict = JudgeSolve(given, result.hx, input.mask, units);
    } catch (const EMathError& error) {
        Fail(result, given, input.mask, MathFailure(error.Fault(), DiagnosticsStep));
        return result;
    }
    if (input.HasTableProblems())
        for (const QString& problem : input.TableProblems())
            result.verdict.AddWarning(problem);
    return result;
}
