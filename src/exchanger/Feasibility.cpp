#include "Feasibility.h"

#include "Format.h"
#include "Hx.h"

namespace {

// How a quantity is named and shown in a finding: the format and unit of its
// field in the window (Uo in W/m²°C) or, for a derived value, of the results page.
struct TQuantity
{
    const char* name;
    double THx::*member;
    const char* format;
    double scale;     // field unit per record unit
    const char* unit; // with its leading blank; empty for a ratio
};

// The nine values the user can give, in the order of their mask bits.
constexpr TQuantity GivenValues[] = {
    {"thi", &THx::thi, "%0.1f", 1, " °C"},      {"tho", &THx::tho, "%0.1f", 1, " °C"},
    {"mh", &THx::mh, "%0.4f", 1, " kg/s"},      {"tci", &THx::tci, "%0.1f", 1, " °C"},
    {"tco", &THx::tco, "%0.1f", 1, " °C"},      {"mc", &THx::mc, "%0.4f", 1, " kg/s"},
    {"Uo", &THx::Uo, "%0.5g", 1000, " W/m²°C"}, {"Ao", &THx::Ao, "%0.1f", 1, " m²"},
    {"Q", &THx::Q, "%0.3f", 1, " kW"},
};
constexpr const TQuantity& Thi = GivenValues[mbThi];
constexpr const TQuantity& Tho = GivenValues[mbTho];
constexpr const TQuantity& Tci = GivenValues[mbTci];
constexpr const TQuantity& Tco = GivenValues[mbTco];
constexpr const TQuantity& Duty = GivenValues[mbQ];
constexpr TQuantity EffectivenessValue{"e", &THx::e, "%0.3f", 1, ""};

// An effectiveness above 1 by less than this is rounding, not a fault.
constexpr double EffectivenessRounding = 1e-9;

QString Number(const TQuantity& quantity, double value)
{
    return Format(QLatin1StringView(quantity.format), {value * quantity.scale}) +
           QString::fromUtf8(quantity.unit);
}

// "thi 120.0 °C"
QString Shown(const TQuantity& quantity, const THx& hx)
{
    return QLatin1StringView(quantity.name) + u' ' + Number(quantity, hx.*quantity.member);
}

// "what: shown, shown"
QString Finding(const QString& what, std::initializer_list<QString> shown)
{
    return what + QLatin1StringView(": ") + QStringList(shown).join(QLatin1StringView(", "));
}

using TCheck = void (*)(const TSolvedCase& solve, TVerdict& verdict);

// The hot inlet faces the cold outlet, the hot outlet the cold inlet.
void CheckEnd(const char* end, const TQuantity& hot, const TQuantity& cold, const THx& hx,
              TVerdict& verdict)
{
    const double difference = hx.*hot.member - hx.*cold.member;
    if (difference > 0)
        return;
    const QString what =
        QStringLiteral("temperature %1 at the %2")
            .arg(QLatin1StringView(difference < 0 ? "cross" : "pinch"), QLatin1StringView(end));
    verdict.AddInfeasible(Finding(what, {Shown(hot, hx), Shown(cold, hx)}));
}

void CheckEndDifferences(const TSolvedCase& solve, TVerdict& verdict)
{
    CheckEnd("hot end", Thi, Tco, solve.solved, verdict);
    CheckEnd("cold end", Tho, Tci, solve.solved, verdict);
}

void CheckStreamDirections(const TSolvedCase& solve, TVerdict& verdict)
{
    const THx& hx = solve.solved;
    if (!(hx.thi > hx.tho))
        verdict.AddInfeasible(
            Finding(QStringLiteral("hot stream not cooling"), {Shown(Thi, hx), Shown(Tho, hx)}));
    if (!(hx.tco > hx.tci))
        verdict.AddInfeasible(
            Finding(QStringLiteral("cold stream not heating"), {Shown(Tci, hx), Shown(Tco, hx)}));
}

void CheckDuty(const TSolvedCase& solve, TVerdict& verdict)
{
    if (!(solve.solved.Q > 0))
        verdict.AddInfeasible(
            Finding(QStringLiteral("duty not positive"), {Shown(Duty, solve.solved)}));
}

void CheckEffectiveness(const TSolvedCase& solve, TVerdict& verdict)
{
    const double e = solve.solved.e;
    if (e > 1 + EffectivenessRounding)
        verdict.AddInfeasible(Finding(QStringLiteral("effectiveness above 1"),
                                      {Shown(EffectivenessValue, solve.solved)}));
    else if (!(e > 0))
        verdict.AddInfeasible(Finding(QStringLiteral("effectiveness not positive"),
                                      {Shown(EffectivenessValue, solve.solved)}));
}

// A quantity that must be positive, and the mask bit that can make it an input
// (none for the ones every method computes).
struct TPositiveQuantity
{
    const char* what;
    TQuantity quantity;
    int bit;
};

constexpr int NoBit = -1;

constexpr TPositiveQuantity PositiveQuantities[] = {
    {"flow not positive", GivenValues[mbMh], mbMh},
    {"flow not positive", GivenValues[mbMc], mbMc},
    {"capacity rate not positive", {"ch", &THx::ch, "%0.3f", 1, " kW/K"}, NoBit},
    {"capacity rate not positive", {"cc", &THx::cc, "%0.3f", 1, " kW/K"}, NoBit},
    {"heat transfer coefficient not positive", GivenValues[mbUo], mbUo},
    {"area not positive", GivenValues[mbAo], mbAo},
    {"number of transfer units not positive", {"Ntu", &THx::ntu, "%0.3f", 1, ""}, NoBit},
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
            verdict.AddInfeasible(
                Finding(QLatin1StringView(item.what), {Shown(item.quantity, solve.solved)}));
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
            verdict.AddWarning(QStringLiteral("given value changed: %1 given %2, computed %3")
                                   .arg(QLatin1StringView(value.name), givenText, solvedText));
    }
}

void CheckUntickedDuty(const TSolvedCase& solve, TVerdict& verdict)
{
    if (solve.solved.method == QLatin1StringView("Data not properly specified"))
        verdict.AddWarning(QStringLiteral("duty not given: worked from %1 as entered")
                               .arg(Shown(Duty, solve.given)));
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
