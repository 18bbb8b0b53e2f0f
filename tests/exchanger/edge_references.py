#!/usr/bin/env python3
"""Reference values of the counter-flow relations at their numerical edges.

Worked out in 50-digit decimal arithmetic from the exact binary value of each
double argument, and printed to 30 significant digits for FormulasTest's
edge tables. Run: python3 tests/exchanger/edge_references.py
"""
from decimal import Decimal, getcontext
import math

getcontext().prec = 50
ONE = Decimal(1)


def d(x):
    return Decimal(x)  # the exact value of the double


def lmtd(thi, tho, tci, tco):
    dt1, dt2 = d(thi) - d(tco), d(tho) - d(tci)
    if dt1 == dt2:
        return dt1
    return (dt1 - dt2) / (dt1 / dt2).ln()


def effectiveness(cr, ntu):
    c, n = d(cr), d(ntu)
    if c == 1:
        return n / (1 + n)
    x = (-n * (1 - c)).exp()
    return (1 - x) / (1 - c * x)


def ntu(cr, e):
    c, x = d(cr), d(e)
    if c == 1:
        return x / (1 - x)
    return ((1 - x) / (1 - x * c)).ln() / (c - 1)


def show(value):
    return format(value, '.30g') if value != 0 else '0'


BELOW_ONE = math.nextafter(1.0, 0.0)

LMTD = [
    ("balanced, ends equal but for rounding", 143.6, 125.0, 61.1, 61.1 + (143.6 - 125.0)),
    ("ends one bit apart", 100.0, 36.1, 0.0, 100.0 - math.nextafter(36.1, 100)),
    ("ends 1e-6 apart", 100.0, 40.0, 20.0, 80.0 - 2e-5),
    ("ends 1e-3 apart", 100.0, 40.0, 20.0, 79.98),
    ("ends 2e-3 apart", 100.0, 40.0, 20.0, 79.96),
    ("ordinary", 80.0, 40.0, 20.0, 50.0),
]

EFFECTIVENESS = [
    ("cr 0, ntu 1e-12", 0.0, 1e-12),
    ("cr 0, ntu 1e-5", 0.0, 1e-5),
    ("cr 0.5, ntu 1e-12", 0.5, 1e-12),
    ("cr one bit below 1, ntu 1", BELOW_ONE, 1.0),
    ("cr 1 - 1e-10, ntu 5", 1 - 1e-10, 5.0),
    ("cr 1 - 1e-6, ntu 1000", 1 - 1e-6, 1000.0),
    ("cr 0.999, ntu 0.5", 0.999, 0.5),
    ("cr 0.5, ntu 2", 0.5, 2.0),
]

NTU = [
    ("cr one bit below 1, e 0.5", BELOW_ONE, 0.5),
    ("cr one bit below 1, e 12.5/146.1", BELOW_ONE, 12.5 / 146.1),
    ("cr 1 - 1e-10, e 0.9", 1 - 1e-10, 0.9),
    ("cr 1 - 1e-6, e 1 - 1e-6", 1 - 1e-6, 1 - 1e-6),
    ("cr 0, e 1e-12", 0.0, 1e-12),
    ("cr 0.5, e 1e-12", 0.5, 1e-12),
    ("cr 0.999, e 0.3", 0.999, 0.3),
    ("cr 0.5, e 0.5", 0.5, 0.5),
]

for name, *args in LMTD:
    print(f'LMTD   "{name}" {[repr(a) for a in args]} {show(lmtd(*args))}')
for name, cr, n in EFFECTIVENESS:
    print(f'EFF    "{name}" {cr!r} {n!r} {show(effectiveness(cr, n))}')
for name, cr, e in NTU:
    print(f'NTU    "{name}" {cr!r} {e!r} {show(ntu(cr, e))}')
