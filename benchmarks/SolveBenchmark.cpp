// Time of one Solve for each of the six methods, on cases near the initial case.
#include "CaseInput.h"
#include "Hx.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Solve(benchmark::State& state, int mask, double duty)
{
    THx hx;
    SetInitialCase(hx);
    hx.Solve(InitialCaseMask);
    hx.tco = 13.0;
    hx.Q = duty;
    hx.Solve(mask); // every method below gives the same record when solved again
    for (auto _ : state) {
        hx.Solve(mask);
        benchmark::DoNotOptimize(hx);
        benchmark::ClobberMemory();
    }
    state.SetLabel(MethodName(hx.method).toStdString());
}

} // namespace

BENCHMARK_CAPTURE(BM_Solve, DutySpecified, 511, 23.529);
BENCHMARK_CAPTURE(BM_Solve, LmtdMethod, 219, 23.529);
BENCHMARK_CAPTURE(BM_Solve, ENtuMethod, 237, 23.529);
BENCHMARK_CAPTURE(BM_Solve, ColdFluidSpecified, 125, 23.529);
BENCHMARK_CAPTURE(BM_Solve, HotFluidSpecified, 111, 23.529);
BENCHMARK_CAPTURE(BM_Solve, DataNotProperlySpecified, 0, 20.0);

BENCHMARK_MAIN();
