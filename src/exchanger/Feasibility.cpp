#include "Feasibility.h"

#include "Format.h"
#include "Hx.h"

namespace {

// How a quantity is named and shown in a finding: the format and unit of its
// field in the window (Uo in W/m²°C) or, for a derived value, of the results page.
struct TQuantity
{
    QStringView name;
    double THx::*member;
    const char* format;
    double scale;     // field unit per record unit
    QStringView unit; // with its leading blank; empty for a ratio
};

// The nine values the user can give, in the order of their mask bits.
constexpr TQuantity GivenValues[] = {
    {u"thi", &THx::thi, "%0.1f", 1, u" °C"},      {u"tho", &THx::tho, "%0.1f", 1, u" °C"},
    {u"mh", &THx::mh, "%0.4f", 1, u" kg/s"},      {u"tci", &THx::tci, "%0.1f", 1, u" °C"},
    {u"tco", &THx::tco, "%0.1f", 1, u" °C"},      {u"mc", &THx::mc, "%0.4f", 1, u" kg/s"},
    {u"Uo", &THx::Uo, "%0.5g", 1000, u" W/m²°C"}, {u"Ao", &THx::Ao, "%0.1f", 1, u" m²"},
    {u"Q", &THx::Q, "%0.3f", 1, u" kW"},
};
constexpr const TQuantity& Thi = GivenValues[mbThi];
constexpr const TQuantity& Tho = GivenValues[mbTho];
constexpr const TQuantity& Tci = GivenValues[mbTci];
constexpr const TQuantity& Tco = GivenValues[mbTco];
constexpr const TQuantity& Duty = GivenValues[mbQ];
constexpr TQuantity EffectivenessValue{u"e", &THx::e, "%0.3f", 1, u""};

// An effectiveness above 1 by less than this is rounding, not a fault.
constexpr double EffectivenessRounding = 1e-9;

// One text from its parts, made in one allocation: a batch of many cases
// writes findings for each.
QString Joined(std::initializer_list<QStringView> parts)
{
    qsizetype size = 0;
    for (QStringView part : parts)
        size += part.size();
    QString text;
    text.reserve(size);
    for (QStringView part : parts)
        text += part;
    return text;
}

// "120.0 °C"
QString Number(const TQuantity& quantity, double value)
{
    QString text = Format(QLatin1StringView(quantity.format), {value * quantity.scale});
    text += quantity.unit;
    return text;
}

// "thi 120.0 °C"
QString Shown(const TQuantity& quantity, const THx& hx)
{
    return Joined({quantity.name, u" ", Number(quantity, hx.*quantity.member)});
}

using TCheck = void (*)(const TSolvedCase& solve, TVerdict& verdict);

// The hot inlet faces the cold outlet, the hot outlet the cold inlet.
void CheckEnd(QStringView end, const TQuantity& hot, const TQuantity& cold, const THx& hx,
              TVerdict& verdict)
{
    const double difference = hx.*hot.member - hx.*cold.member;
    if (difference > 0)
        return;
    verdict.AddInfeasible(
        Joined({u"temperature ", difference < 0 ? u"cross" : u"pinch", u" at the ", end, u": ",
                Shown(hot, hx), u", ", Shown(cold, hx)}));
}

void CheckEndDifferences(const TSolvedCase& solve, TVerdict& verdict)
{
    CheckEnd(u"hot end", Thi, Tco, solve.solved, verdict);
    CheckEnd(u"cold end", Tho, Tci, solve.solved, verdict);
}

void CheckStreamDirections(const TSolvedCase& solve, TVerdict& verdict)
{
    const THx& hx = solve.solved;
    if (!(hx.thi > hx.tho))
        verdict.AddInfeasible(
            Joined({u"hot stream not cooling: ", Shown(Thi, hx), u", ", Shown(Tho, hx)}));
    if (!(hx.tco > hx.tci))
        verdict.AddInfeasible(
            Joined({u"cold stream not heating: ", Shown(Tci, hx), u", ", Shown(Tco, hx)}));
}

void CheckDuty(const TSolvedCase& solve, TVerdict& verdict)
{
    if (!(solve.solved.Q > 0))
        verdict.AddInfeasible(Joined({u"duty not positive: ", Shown(Duty, solve.solved)}));
}

void CheckEffectiveness(const TSolvedCase& solve, TVerdict& verdict)
{
    const double e = solve.solved.e;
    if (e > 1 + EffectivenessRounding)
        verdict.AddInfeasible(
            Joined({u"effectiveness above 1: ", Shown(EffectivenessValue, solve.solved)}));
    else if (!(e > 0))
        verdict.AddInfeasible(
            Joined({u"effectiveness not positive: ", Shown(EffectivenessValue, solve.solved)}));
}

// A quantity that must be positive, and the mask bit that can make it an input
// (none for the ones every method computes).
struct TPositiveQuantity
{
    QStringView what;
    TQuantity quantity;
    int bit;
};

constexpr int NoBit = -1;

constexpr TPositiveQuantity PositiveQuantities[] = {
    {u"flow not positive: ", GivenValues[mbMh], mbMh},
    {u"flow not positive: ", GivenValues[mbMc], mbMc},
    {u"capacity rate not positive: ", {u"ch", &THx::ch, "%0.3f", 1, u" kW/K"}, NoBit},
    {u"capacity rate not positive: ", {u"cc", &THx::cc, "%0.3f", 1, u" kW/K"}, NoBit},
    {u"heat transfer coefficient not positive: ", GivenValues[mbUo], mbUo},
    {u"area not positive: ", GivenValues[mbAo], mbAo},
    {u"number of transfer units not positive: ", {u"Ntu", &THx::ntu, "%0.3f", 1, u""}, NoBit},
};

// A given value that kept its value is the user's; anything else the solve
// computed or worked from unticked.
bool IsUsersGivenValue(const TSolvedCase& solve, const TPositiveQuantity& item)
{
    const double THx::*member = item.quantity.member;
    return item.bit != NoBit && HasBit(solve.mask, item.bit) &&
           solve.given.*member == solve.solved.*member;
}

void CheckPositiveQuantities(const TSolvedCase& solve, TVerdict& verdict)
{
    for (const TPositiveQuantity& item : PositiveQuantities) {
        if (!(solve.solved.*item.quantity.member > 0) && !IsUsersGivenValue(solve, item))
            verdict.AddInfeasible(Joined({item.what, Shown(item.quantity, solve.solved)}));
    }
}

void CheckOverwrittenGivenValues(const TSolvedCase& solve, TVerdict& verdict)
{
    for (int bit = mbThi; bit <= mbQ; ++bit) {
        const TQuantity& value = GivenValues[bit];
        const double given = solve.given.*value.member;
        const double solved = solve.solved.*value.member;
        if (!HasBit(solve.mask, bit) || given == solved)
            continue;
        const QString givenText = Number(value, given);
        const QString solvedText = Number(value, solved);
        if (givenText != solvedText)
            verdict.AddWarning(Joined({u"given value changed: ", value.name, u" given ", givenText,
                                       u", computed ", solvedText}));
    }
}

void CheckUntickedDuty(const TSolvedCase& solve, TVerdict& verdict)
{
    if (solve.solved.method == QLatin1StringView("Data not properly specified"))
        verdict.AddWarning(
            Joined({u"duty not given: worked from ", Shown(Duty, solve.given), u" as entered"}));
}

// In the order their findings are listed.
constexpr TCheck Checks[] = {
    // Infeasible
    CheckEndDifferences,
    CheckStreamDirections,
    CheckDuty,
    CheckEffectiveness,
    CheckPositiveQuantities,
    // Warnings
    CheckOverwrittenGivenValues,
    CheckUntickedDuty,
};

} // namespace

TVerdict CheckFeasibility(const TSolvedCase& solve)
{
    TVerdict verdict;
    if (!solve.computed) {
        // The record holds the values just given beside the results of an
        // earlier solve: nothing in it can be judged.
        verdict.AddInfeasible(QStringLiteral(
            "nothing computed: with Uo and Ao given, give thi, tho, tci, tco or thi, mh, tci, mc"));
        return verdict;
    }
    for (const TCheck check : Checks)
        check(solve, verdict);
    return verdict;
}

TVerdict SolveWithVerdict(THx& hx, int mask)
{
    const THx given = hx;
    hx.Solve(mask);
    hx.DiagnosticProducts(); // an overflow here fails the case, as in the diagnostic lines
    return CheckFeasibility({given, hx, mask, SolveComputes(mask)});
}
