#include "CaseSolveTest.h"

#include "CaseInput.h"
#include "CaseSolve.h"
#include "HxFields.h"
#include "HxTestSupport.h"

#include <QTest>
#include <cmath>
#include <functional>

namespace {

using TChange = std::function<void(TCaseInput&)>;

// The initial case, changed.
TCaseInput InitialWith(const TChange& change)
{
    TCaseInput input = TCaseInput::Initial();
    change(input);
    return input;
}

} // namespace

void CaseSolveTest::failureComesBackWithItsKindAndStep_data()
{
    QTest::addColumn<TChange>("change");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("step");
    QTest::newRow("no cold flow: the duty over a zero capacity rate")
        << TChange([](TCaseInput& c) { c.values[mbMc] = 0; }) << int(TSolveFailure::fkMathFault)
        << "No solution with this data... (Floating point division by zero)"
        << "Hot fluid specified";
    QTest::newRow("a hot flow that overflows the duty")
        << TChange([](TCaseInput& c) { c.values[mbMh] = 1e308; }) << int(TSolveFailure::fkMathFault)
        << "No solution with this data... (Floating point overflow)"
        << "Hot fluid specified";
    QTest::newRow("a type whose arrangement is not known")
        << TChange([](TCaseInput& c) { c.heatXType.arrangementError = "unknown arrangement"; })
        << int(TSolveFailure::fkArrangement)
        << "No solution with this data... (unknown arrangement)"
        << "arrangement";
}

// The record keeps the input and marks nothing solved: no output shows a number
// of the case solved before.
void CaseSolveTest::failureComesBackWithItsKindAndStep()
{
    QFETCH(TChange, change);
    const TCaseInput input = InitialWith(change);
    const TCaseResult result = SolveCase(input, SolvedInitialCase());
    QVERIFY(result.failure);
    QTEST(int(result.failure->kind), "kind");
    QTEST(result.failure->Text(), "text");
    QTEST(result.failure->step, "step");
    QCOMPARE(result.StatusText(), result.failure->Text());
    QVERIFY(result.verdict.Findings().isEmpty());
    for (const TCaseInputRow& row : CaseInputRows) {
        const double value = result.hx.Result(row.member);
        if (HasBit(input.mask, row.bit) || row.allowance)
            QCOMPARE(value, input.values[row.bit]);
        else
            QVERIFY2(std::isnan(value), row.name);
    }
    for (const double THx::*derived : {&THx::ch, &THx::lmtd, &THx::e, &THx::ntu, &THx::F})
        QVERIFY(std::isnan(result.hx.Result(derived)));
}

// A fluid or type whose table value was no number: the case solves with the
// default and warns, each problem once.
void CaseSolveTest::tableProblemsAreWarnings()
{
    const QString problem = "fluids.ini, section [air], cp \"x\" is not a number: 1 is used";
    const TCaseResult result = SolveCase(InitialWith([&](TCaseInput& c) {
                                             c.hotFluid.tableProblem = problem;
                                             c.coldFluid.tableProblem = problem;
                                         }),
                                         SolvedInitialCase());
    QVERIFY(!result.failure);
    QCOMPARE(result.verdict.Kind(), TVerdict::vkWarnings);
    QCOMPARE(result.verdict.Findings(), QStringList{problem});
    QCOMPARE(result.StatusText(), "Solved with warnings  (Hot fluid specified): " + problem);
}

void CaseSolveTest::maskThatComputesNothingKeepsThePreviousMethod()
{
    THx previous = SolvedInitialCase();
    previous.method = THxMethod::hmLmtd;
    const TCaseResult result =
        SolveCase(InitialWith([](TCaseInput& c) { c.mask = mgRating; }), previous);
    QVERIFY(!result.failure);
    QCOMPARE(result.hx.method, THxMethod::hmLmtd);
    QVERIFY(std::isnan(result.hx.Result(&THx::Q)));
}
