#pragma once

class THx;

// The one case of the whole run, shared by the main window, the case file, the
// clipboard code and the chart.
//
// Module start-up creates it through a TCurrentHxScope (before any window), which
// gives it the built-in initial case, solves it once and releases it at the end:
//
//     int main(...) { TCurrentHxScope currentHx; ... CurrentHx().Solve(mask); ... }

// The shared case; raises std::logic_error outside a TCurrentHxScope.
THx& CurrentHx();

// Built-in initial case: air / water / "fin and tube", thi 35, tho 12, mh 1,
// tci 6, mc 0.8, Uo 0.037 kW/(m²·K) (not solved).
void SetInitialCase(THx& hx);
// The mask the initial case is solved with: thi, tho, mh, tci, mc, Uo given.
inline constexpr int InitialCaseMask = 111;

// Owns CurrentHx for its lifetime: creates it, sets the initial case and solves it
// with InitialCaseMask. One scope at a time.
class TCurrentHxScope
{
public:
    TCurrentHxScope();
    ~TCurrentHxScope();
    TCurrentHxScope(const TCurrentHxScope&) = delete;
    TCurrentHxScope& operator=(const TCurrentHxScope&) = delete;
};
