#pragma once

// The counter-flow relations of the duty solver. Free of side effects; faults
// (division by zero, invalid operation, overflow) raise EMathError.
//
// Each keeps its textbook form wherever that form is accurate to about 1e-13
// relative, so ordinary cases keep their numbers to the bit. Where a difference
// of nearly equal numbers meets a logarithm or an exponential (end differences
// equal but for the last bits, Cr within rounding of 1, a tiny Ntu), the
// textbook form would divide rounding noise by rounding noise; there a log1p or
// expm1 form takes over, accurate to a few units in the last place.

// Log mean temperature difference, K, for counter flow (the hot inlet faces the
// cold outlet). 0 when one end difference is 0 or the temperatures cross.
double Lmtd(double thi, double tho, double tci, double tco);

// Counter-flow effectiveness; a fault in the cr != 0 branch falls back to ntu/(ntu + 0.5).
double Effectiveness(double cr, double ntu);

// (1 - d)/(1 - cr d) with d = exp(-ntu (1 - cr)), ntu/(ntu + 1) where cr d is 1.
double CounterflowEffectiveness(double cr, double ntu);

// Inverse of the counter-flow relation, capped at 10 for e >= 1 (cr != 1) and at
// 100 for e = 1 at cr = 1.
double NtuFromEffectiveness(double cr, double e);
