#include "Feasibility.h"

#include "Approach.h"
#include "Format.h"
#include "Hx.h"
#include "UoUnits.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace {

// How a number is written: fixed point with so many decimals ("%0.1f") or with
// at most so many significant digits ("%0.5g").
struct TNumberStyle
{
    QString (*text)(double value, int digits);
    int digits;
};

constexpr TNumberStyle Fixed1{FixedText, 1};
constexpr TNumberStyle Fixed3{FixedText, 3};
constexpr TNumberStyle Fixed4{FixedText, 4};
constexpr TNumberStyle General5{GeneralText, 5};

constexpr int NoDisplayUnit = -1;

// How a quantity is named and shown in a finding: the format and unit of its
// field in the window at its base unit (Uo in W/m²°C) or, for a derived value,
// of the results page; or the display unit of `shown`.
struct TQuantity
{
    QStringView name;
    double THx::*member;
    TNumberStyle style;
    double scale;     // field unit per record unit
    QStringView unit; // with its leading blank; empty for a ratio
    int shown;        // a quantity of TDisplayUnits, or NoDisplayUnit
};

// The nine values the user can give, in the order of their mask bits.
constexpr TQuantity GivenValues[] = {
    {u"thi", &THx::thi, Fixed1, 1, u" °C", mbThi},
    {u"tho", &THx::tho, Fixed1, 1, u" °C", mbTho},
    {u"mh", &THx::mh, Fixed4, 1, u" kg/s", mbMh},
    {u"tci", &THx::tci, Fixed1, 1, u" °C", mbTci},
    {u"tco", &THx::tco, Fixed1, 1, u" °C", mbTco},
    {u"mc", &THx::mc, Fixed4, 1, u" kg/s", mbMc},
    {u"Uo", &THx::Uo, General5, 1000, u" W/m²°C", mbUo},
    {u"Ao", &THx::Ao, Fixed1, 1, u" m²", mbAo},
    {u"Q", &THx::Q, Fixed3, 1, u" kW", mbQ},
};
constexpr const TQuantity& Thi = GivenValues[mbThi];
constexpr const TQuantity& Tho = GivenValues[mbTho];
constexpr const TQuantity& Tci = GivenValues[mbTci];
constexpr const TQuantity& Tco = GivenValues[mbTco];
constexpr const TQuantity& Duty = GivenValues[mbQ];
constexpr TQuantity EffectivenessValue{u"e", &THx::e, Fixed3, 1, u"", NoDisplayUnit};
constexpr TQuantity NtuValue{u"Ntu", &THx::ntu, Fixed3, 1, u"", NoDisplayUnit};
constexpr TQuantity Allowances[] = {
    {u"Rfh", &THx::Rfh, General5, 1, u" m²·K/W", mbRfh},
    {u"Rfc", &THx::Rfc, General5, 1, u" m²·K/W", mbRfc},
    {u"margin", &THx::margin, Fixed1, 1, u" %", mbMargin},
};
constexpr TQuantity ServiceCoefficient{u"Us", &THx::Us, General5, 1000, u" W/m²°C", mbUo};
constexpr TQuantity CleanCoefficient{u"Uo", &THx::Uo, General5, 1000, u" W/m²°C", mbUo};

// Above it, fouling takes most of the resistance to heat flow: the exchanger is
// sized for its dirt more than for its duty, and cleaning pays.
constexpr double HighestFoulingShare = 0.5;

// The usual design rule: below it the exchanger works far from counter flow,
// and a small change of the temperatures changes F, and the area, steeply.
constexpr double LowestDesignF = 0.75;

constexpr QLatin1StringView OneShellPass("shell-and-tube-1");

// One text from its parts, made in one allocation: a batch of many cases
// writes findings for each.
QString Joined(std::initializer_list<QStringView> parts)
{
    qsizetype size = 0;
    for (QStringView part : parts)
        size += part.size();
    QString text(size, Qt::Uninitialized);
    QChar* out = text.data();
    for (QStringView part : parts)
        out = std::copy(part.begin(), part.end(), out);
    return text;
}

// The quantity's display unit in `units`; none: its field's base unit.
const TShownUnit* DisplayUnit(const TQuantity& quantity, const TDisplayUnits& units)
{
    return quantity.shown == NoDisplayUnit ? nullptr : units.Of(quantity.shown);
}

// "120.0", without the unit
QString Number(const TQuantity& quantity, double value, const TDisplayUnits& units)
{
    if (const TShownUnit* unit = DisplayUnit(quantity, units))
        return unit->Text(value);
    return quantity.style.text(value * quantity.scale, quantity.style.digits);
}

// The unit after a number, " °C", in two parts that need no text of their
// own: a blank and the display unit's name, or none and the quantity's unit.
struct TUnitText
{
    QStringView blank;
    QStringView name;
};

TUnitText UnitText(const TQuantity& quantity, const TDisplayUnits& units)
{
    if (const TShownUnit* unit = DisplayUnit(quantity, units))
        return {u" ", unit->name};
    return {{}, quantity.unit};
}

// "thi 120.0 °C"
QString Shown(const TQuantity& quantity, const THx& hx, const TDisplayUnits& units)
{
    const TUnitText unit = UnitText(quantity, units);
    return Joined({quantity.name, u" ", Number(quantity, hx.Result(quantity.member), units),
                   unit.blank, unit.name});
}

using TCheck = void (*)(const TSolvedCase& solve, TVerdict& verdict);

// The hot inlet faces the cold outlet, the hot outlet the cold inlet.
void CheckEnd(QStringView end, const TQuantity& hot, const TQuantity& cold,
              const TSolvedCase& solve, TVerdict& verdict)
{
    const THx& hx = solve.solved;
    const double difference = hx.Result(hot.member) - hx.Result(cold.member);
    const Approach::TEnd state = Approach::EndOf(difference, hx.thi, hx.tci);
    if (state == Approach::TEnd::aeOpen)
        return;
    verdict.AddInfeasible(Joined(
        {u"temperature ", state == Approach::TEnd::aeCross ? u"cross" : u"pinch", u" at the ", end,
         u": ", Shown(hot, hx, solve.units), u", ", Shown(cold, hx, solve.units)}));
}

void CheckEndDifferences(const TSolvedCase& solve, TVerdict& verdict)
{
    CheckEnd(u"hot end", Thi, Tco, solve, verdict);
    CheckEnd(u"cold end", Tho, Tci, solve, verdict);
}

// A stream whose temperature change is not above the tolerance neither cools
// nor heats (Approach::Changes).
void CheckStreamChange(double change, QStringView finding, const TQuantity& first,
                       const TQuantity& second, const TSolvedCase& solve, TVerdict& verdict)
{
    const THx& hx = solve.solved;
    if (std::isnan(change) || (change > 0 && Approach::Changes(change, hx.thi, hx.tci)))
        return;
    verdict.AddInfeasible(
        Joined({finding, Shown(first, hx, solve.units), u", ", Shown(second, hx, solve.units)}));
}

void CheckStreamDirections(const TSolvedCase& solve, TVerdict& verdict)
{
    const THx& hx = solve.solved;
    CheckStreamChange(hx.Result(&THx::thi) - hx.Result(&THx::tho), u"hot stream not cooling: ", Thi,
                      Tho, solve, verdict);
    CheckStreamChange(hx.Result(&THx::tco) - hx.Result(&THx::tci), u"cold stream not heating: ",
                      Tci, Tco, solve, verdict);
}

void CheckDuty(const TSolvedCase& solve, TVerdict& verdict)
{
    const double duty = solve.solved.Result(&THx::Q);
    if (!(duty > 0) && !std::isnan(duty))
        verdict.AddInfeasible(
            Joined({u"duty not positive: ", Shown(Duty, solve.solved, solve.units)}));
}

// Below absolute zero no stream can be.
void CheckAbsoluteZero(const TSolvedCase& solve, TVerdict& verdict)
{
    for (const TQuantity* temperature : {&Thi, &Tho, &Tci, &Tco})
        if (solve.solved.Result(temperature->member) < AbsoluteZero)
            verdict.AddInfeasible(Joined({u"temperature below absolute zero: ",
                                          Shown(*temperature, solve.solved, solve.units)}));
}

void CheckEffectiveness(const TSolvedCase& solve, TVerdict& verdict)
{
    const double e = solve.solved.Result(&THx::e);
    if (std::isnan(e))
        return;
    if (e > 1 + Approach::Tolerance)
        verdict.AddInfeasible(Joined(
            {u"effectiveness above 1: ", Shown(EffectivenessValue, solve.solved, solve.units)}));
    else if (!(e > 0))
        verdict.AddInfeasible(Joined({u"effectiveness not positive: ",
                                      Shown(EffectivenessValue, solve.solved, solve.units)}));
}

// The most the arrangement reaches, where the solve stopped at it. The stream
// that changes more is the Cmin stream, as the solve took it.
double ReachedLimit(const THx& hx)
{
    const bool hotIsCmax = hx.thi - hx.tho <= hx.tco - hx.tci;
    return hx.arrangement.RelationFor(hotIsCmax).Limit(hx.cr);
}

QString CapacityRatio(const THx& hx)
{
    return FixedText(hx.cr, 3);
}

void AddBeyondReach(const THx& hx, double limit, TVerdict& verdict)
{
    verdict.AddInfeasible(
        Joined({u"effectiveness beyond the reach of ", hx.arrangement.Name(), u": ",
                Shown(EffectivenessValue, hx, TDisplayUnits::Record()), u", limit ",
                FixedText(limit, 3), u" at Cr ", CapacityRatio(hx)}));
}

// Where the relation of cross flow with both streams unmixed would need an ntu
// above the most its series and root search take: an exchanger far larger than
// any built. Anywhere else, the values are outside its domain.
bool BeyondNtuRange(const THx& hx, bool fromNtu)
{
    if (hx.arrangement.Kind() != TFlowArrangement::TKind::akCrossFlowUnmixed)
        return false;
    return fromNtu ? hx.ntu > TFlowRelation::MaxNtu : hx.e >= 0 && hx.cr >= 0 && hx.cr <= 1;
}

// Stopped for values outside the arrangement's relation: a negative effectiveness
// or ntu, a capacity ratio outside 0..1. The checks after this one say which.
void CheckArrangementSolution(const TSolvedCase& solve, TVerdict& verdict)
{
    const THx& hx = solve.solved;
    if (hx.stop != TSolveStop::ssOutsideRelation)
        return;
    const bool fromNtu = hx.method == THxMethod::hmENtu;
    const TQuantity& value = fromNtu ? NtuValue : EffectivenessValue;
    if (BeyondNtuRange(hx, fromNtu)) {
        verdict.AddInfeasible(Joined({u"Ntu above the range of ", hx.arrangement.Name(), u": ",
                                      Shown(value, hx, solve.units), u", Cr ", CapacityRatio(hx),
                                      u", Ntu at most ", FixedText(TFlowRelation::MaxNtu, 0)}));
        return;
    }
    verdict.AddInfeasible(Joined({u"no solution for ", hx.arrangement.Name(), u": ",
                                  Shown(value, hx, solve.units), u", Cr ", CapacityRatio(hx)}));
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
    {u"capacity rate not positive: ",
     {u"ch", &THx::ch, Fixed3, 1, u" kW/K", sqCapacityRate},
     NoBit},
    {u"capacity rate not positive: ",
     {u"cc", &THx::cc, Fixed3, 1, u" kW/K", sqCapacityRate},
     NoBit},
    {u"heat transfer coefficient not positive: ", GivenValues[mbUo], mbUo},
    {u"area not positive: ", GivenValues[mbAo], mbAo},
    {u"number of transfer units not positive: ", NtuValue, NoBit},
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
        const double value = solve.solved.Result(item.quantity.member);
        if (!(value > 0) && !std::isnan(value) && !IsUsersGivenValue(solve, item))
            verdict.AddInfeasible(
                Joined({item.what, Shown(item.quantity, solve.solved, solve.units)}));
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
        const QString givenText = Number(value, given, solve.units);
        const QString solvedText = Number(value, solved, solve.units);
        if (givenText == solvedText)
            continue;
        const TUnitText unit = UnitText(value, solve.units);
        verdict.AddWarning(
            Joined({u"given value changed: ", value.name, u" given ", givenText, unit.blank,
                    unit.name, u", computed ", solvedText, unit.blank, unit.name}));
    }
}

void CheckCorrectionFactor(const TSolvedCase& solve, TVerdict& verdict)
{
    const THx& hx = solve.solved;
    if (hx.arrangement.IsCounterFlow() || hx.stop != TSolveStop::ssNone || !(hx.F < LowestDesignF))
        return;
    verdict.AddWarning(Joined(
        {u"correction factor below ", FixedText(LowestDesignF, 2), u": F ", FixedText(hx.F, 3)}));
}

// In one shell the cold stream leaving above the hot outlet has been warmer than
// the hot stream beside it: the heat flows back there. More shells in series are
// the usual way to take such a cross, so only one shell pass is judged.
void CheckShellCross(const TSolvedCase& solve, TVerdict& verdict)
{
    const THx& hx = solve.solved;
    if (hx.arrangement.Key() != OneShellPass || hx.stop != TSolveStop::ssNone || !(hx.tco > hx.tho))
        return;
    verdict.AddWarning(Joined({u"temperature cross in the shell: ", Shown(Tco, hx, solve.units),
                               u" above ", Shown(Tho, hx, solve.units)}));
}

void CheckUntickedDuty(const TSolvedCase& solve, TVerdict& verdict)
{
    if (solve.solved.method == THxMethod::hmNotProperlySpecified)
        verdict.AddWarning(Joined({u"duty not given: worked from ",
                                   Shown(Duty, solve.given, solve.units), u" as entered"}));
}

// A negative allowance names itself; with none, the fouling alone resists more
// than the given area allows the service coefficient to.
void CheckAllowances(const TSolvedCase& solve, TVerdict& verdict)
{
    const THx& hx = solve.solved;
    bool negative = false;
    for (const TQuantity& allowance : Allowances) {
        if (hx.*allowance.member >= 0)
            continue;
        negative = true;
        verdict.AddInfeasible(Joined({u"allowance negative: ", Shown(allowance, hx, solve.units)}));
    }
    if (negative)
        return;
    // In W/m²K, as the resistances are in m²K/W.
    const double mostWatts = 1 / (hx.Rfh + hx.Rfc);
    const TShownUnit* shown = DisplayUnit(ServiceCoefficient, solve.units);
    const QString most = shown ? shown->Text(UoFromWatts(mostWatts)) : GeneralText(mostWatts, 5);
    const TUnitText unit = UnitText(ServiceCoefficient, solve.units);
    verdict.AddInfeasible(
        Joined({u"fouling needs more area than given: ", Shown(ServiceCoefficient, hx, solve.units),
                u" needed, fouling alone allows at most ", most, unit.blank, unit.name}));
}

// 1 - Us/Uo: the share of the service resistance the fouling takes.
void CheckFoulingShare(const TSolvedCase& solve, TVerdict& verdict)
{
    const THx& hx = solve.solved;
    const double us = hx.Result(&THx::Us);
    const double uo = hx.Result(&THx::Uo);
    if (!(us > 0 && uo > 0) || !(1 - us / uo > HighestFoulingShare))
        return;
    verdict.AddWarning(
        Joined({u"fouling above half the resistance: ", Shown(ServiceCoefficient, hx, solve.units),
                u", clean ", Shown(CleanCoefficient, hx, solve.units)}));
}

// In the order their findings are listed.
// Where the solve stopped for its temperatures, only they and the duty are its own.
constexpr TCheck TemperatureChecks[] = {CheckAbsoluteZero, CheckEndDifferences,
                                        CheckStreamDirections, CheckDuty};

constexpr TCheck InfeasibleChecks[] = {
    CheckAbsoluteZero, CheckArrangementSolution, CheckEndDifferences,     CheckStreamDirections,
    CheckDuty,         CheckEffectiveness,       CheckPositiveQuantities,
};

constexpr TCheck WarningChecks[] = {
    CheckOverwrittenGivenValues, CheckUntickedDuty, CheckCorrectionFactor, CheckShellCross,
    CheckFoulingShare,
};

void RunChecks(std::span<const TCheck> checks, const TSolvedCase& solve, TVerdict& verdict)
{
    for (const TCheck check : checks)
        check(solve, verdict);
}

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
    // The values after the step where a solve stopped hold earlier ones: they
    // are not judged.
    switch (solve.solved.stop) {
    case TSolveStop::ssArrangementLimit:
        AddBeyondReach(solve.solved, ReachedLimit(solve.solved), verdict);
        break;
    case TSolveStop::ssTemperatures:
        RunChecks(TemperatureChecks, solve, verdict);
        break;
    case TSolveStop::ssNone:
    case TSolveStop::ssOutsideRelation:
        RunChecks(InfeasibleChecks, solve, verdict);
        break;
    case TSolveStop::ssAllowances:
        CheckAllowances(solve, verdict);
        break;
    }
    RunChecks(WarningChecks, solve, verdict);
    return verdict;
}

TVerdict JudgeSolve(const THx& given, const THx& solved, int mask, const TDisplayUnits& units)
{
    solved.DiagnosticProducts(); // an overflow here fails the case, as in the diagnostic lines
    return CheckFeasibility({given, solved, mask, SolveComputes(mask), units});
}

TVerdict SolveWithVerdict(THx& hx, int mask)
{
    const THx given = hx;
    hx.Solve(mask);
    return JudgeSolve(given, hx, mask);
}
