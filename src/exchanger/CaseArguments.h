#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class THx;
class TLookupTables;

// The 13 values of a case as the command line and the case line carry them:
// fluid and type as 0-based table indexes, Uo in W/m²°C, the mask of given values
// as a decimal integer.
struct TCaseArguments
{
    static constexpr int Count = 13;

    int hotFluid = 0;
    double thi = 0;
    double tho = 0;
    double mh = 0;
    int coldFluid = 0;
    double tci = 0;
    double tco = 0;
    double mc = 0;
    int heatXType = 0;
    double Uo = 0;
    double Ao = 0;
    double Q = 0;
    int mask = 0;

    // Converts values[first] ... values[first + 12] ("." decimal separator,
    // optional exponent). Raises ECaseInputError naming the first bad value.
    static TCaseArguments Parse(const QStringList& values, qsizetype first = 0);
    // A case line "Kelvane,HOT,THI,...,MASK" (tag in any letter case, blanks
    // around fields allowed, one trailing comma ignored).
    static TCaseArguments FromCaseLine(const QString& line);

    // Fills `hx` as the main window does before Calc: the nine values (Uo in
    // kW/(m²·K)), the fluids with their table cp, the type name and arrangement.
    // Raises ECaseInputError when an index is not an entry of its table, and
    // EArrangementError, before changing `hx`, when the type's arrangement is unknown.
    void ApplyTo(THx& hx, const TLookupTables& tables) const;
};
