#pragma once

// The mask of given values: bit n set means value n of the case is given. Bits
// above 8 carry no meaning; every test below ignores them.

// Bit numbers, in the order of the nine given values (check boxes cb0 ... cb8).
enum TMaskBit : int
{
    mbThi,
    mbTho,
    mbMh,
    mbTci,
    mbTco,
    mbMc,
    mbUo,
    mbAo,
    mbQ,
    // The service allowances follow the nine: always given, never in a mask.
    mbRfh,
    mbRfc,
    mbMargin
};

// The values a mask can tick: thi ... Q.
inline constexpr int MaskedValueCount = mbQ + 1;

// The groups the solver tests with HasAll.
enum TMaskGroup : int
{
    mgHotTemps = 3,           // thi, tho: hot flow from duty
    mgHotOutletAndFlow = 6,   // tho, mh: hot inlet from duty
    mgHotFluid = 7,           // thi, tho, mh
    mgColdTemps = 24,         // tci, tco: cold flow from duty
    mgColdOutletAndFlow = 48, // tco, mc: cold inlet from duty
    mgColdFluid = 56,         // tci, tco, mc
    mgAllTemps = 27,          // thi, tho, tci, tco: LMTD method
    mgInletsAndFlows = 45,    // thi, mh, tci, mc: e-Ntu method
    mgArea = 128,             // Ao: sizing computes Uo
    mgRating = 192,           // Uo, Ao
    mgDuty = 256              // Q
};

// 1 shifted left by n (0 for a bit number outside an int).
constexpr int BitOf(int n)
{
    return n >= 0 && n < 31 ? 1 << n : 0;
}

constexpr void SetBit(int& mask, int n)
{
    mask |= BitOf(n);
}

constexpr bool HasAll(int mask, int group)
{
    return (mask & group) == group;
}

constexpr bool HasBit(int mask, int n)
{
    return BitOf(n) != 0 && (mask & BitOf(n)) != 0;
}

// Whether Solve computes anything with this mask: Uo and Ao given without Q,
// and without all four temperatures or both inlets and both flows, computes
// nothing and keeps the method of the solve before.
constexpr bool SolveComputes(int mask)
{
    return HasAll(mask, mgDuty) || !HasAll(mask, mgRating) || HasAll(mask, mgAllTemps) ||
           HasAll(mask, mgInletsAndFlows);
}
