#pragma once

#include "SpecMask.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <functional>
#include <string>

class THx;
class TLookupTables;
struct TCaseInput;

// The 13 values of a case as the command line and the case line carry them:
// fluid and type as 0-based table indexes, Uo in W/m²°C, the mask of given values
// as a decimal integer; or 16, the 13 followed by the service allowances Rfh,
// Rfc (m²·K/W) and margin (%), which are 0 where a line has 13. The one reader and writer of that
// format, for the main window's clipboard and command line as for --solve and --batch.
//
//   TCaseArguments::TTexts texts;
//   std::string problem = TCaseArguments::SplitCaseLine(line, texts);
//   if (problem.empty())
//       problem = arguments.Read(texts, [](TCaseArguments::TValue value, double number) {...});
//   TCaseArguments::FromCase(hx, hot, cold, type, mask).CaseLine()
//   SolveCase(arguments.Input(tables), previous)
struct TCaseArguments
{
    static constexpr int Count = 13;
    static constexpr int WithAllowances = 16;
    // The values in their order.
    enum TValue : int
    {
        cvHotFluid,
        cvThi,
        cvTho,
        cvMh,
        cvColdFluid,
        cvTci,
        cvTco,
        cvMc,
        cvHeatXType,
        cvUo,
        cvAo,
        cvQ,
        cvMask,
        cvRfh,
        cvRfc,
        cvMargin
    };
    // The mask bit of one of the nine numbers thi ... Q.
    static TMaskBit MaskBitOf(TValue number);

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
    double Rfh = 0;
    double Rfc = 0;
    double margin = 0;

    // The texts of the 13 or 16 values, views into the caller's text.
    struct TTexts
    {
        std::array<QStringView, WithAllowances> values;
        int count = Count;
    };
    // Told of each value as it converts: an index or the mask as a whole number.
    using TConverted = std::function<void(TValue value, double number)>;

    // Converts the texts into these values, in order ("." decimal separator,
    // optional exponent; indexes and the mask decimal integers), telling
    // `converted` of each value as it converts. Stops at the first that does not
    // convert and returns the problem naming it ("MH (value 4): 'x' is not a
    // valid floating point value"); empty when every value converted.
    std::string Read(const TTexts& texts, const TConverted& converted = {});
    // Reads a case line (SplitCaseLine, then Read); empty or the problem.
    std::string ReadCaseLine(QStringView line);

    // The value texts of a case line "Kelvane,HOT,THI,...,MASK": the tag in any
    // letter case; the line split at commas as SplitTextToArray splits it (the
    // whole line trimmed, each field up to its comma as it stands, the rest after
    // a comma trimmed, so one trailing comma adds nothing). Returns the problem
    // when the line is no case line, empty otherwise.
    static std::string SplitCaseLine(QStringView line, TTexts& texts);
    // values[first] to the end; the list must hold 13 or 16 from there.
    static TTexts Texts(const QStringList& values, qsizetype first);

    // The raising forms, for callers whose errors are exceptions: ECaseInputError
    // with the problem. Parse takes the 13 or 16 values from values[first] on.
    static TCaseArguments Parse(const QStringList& values, qsizetype first = 0);
    static TCaseArguments FromCaseLine(const QString& line);

    // The case line "Kelvane,0,35.000,...,111": indexes and mask as integers,
    // the nine numbers with three decimals; where an allowance is set, the three
    // follow as their shortest round-trip texts.
    QString CaseLine() const;
    // The nine numbers and the allowances of `hx` with the given indexes and mask.
    static TCaseArguments FromCase(const THx& hx, int hotFluid, int coldFluid, int heatXType,
                                   int mask);

    // The case these values give, with the tables' fluids and type (Uo in
    // kW/(m²·K)). Raises ECaseInputError when an index is not an entry of its table.
    TCaseInput Input(const TLookupTables& tables) const;
};
