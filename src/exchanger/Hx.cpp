#include "Hx.h"

#include "Approach.h"
#include "CheckedMath.h"
#include "DisplayUnits.h"
#include "Format.h"
#include "HeatTransfer.h"
#include "ResultsPage.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

using Checked::Add;
using Checked::Div;
using Checked::Mul;
using Checked::Sub;

namespace {

// What a solve may compute: the nine given values in the order of their mask
// bits, then the derived values, which every method computes before it reads
// them. THx::unsolved has one bit for each, in this order.
constexpr double THx::*SolvedValues[] = {
    &THx::thi, &THx::tho, &THx::mh,   &THx::tci,  &THx::tco,  &THx::mc,     &THx::Uo,   &THx::Ao,
    &THx::Q,   &THx::ch,  &THx::cc,   &THx::lmtd, &THx::cmax, &THx::cmin,   &THx::itd,  &THx::e,
    &THx::ntu, &THx::cr,  &THx::Qmax, &THx::F,    &THx::Us,   &THx::Aclean, &THx::Areq, &THx::OD};
constexpr std::size_t FirstDerived = mbQ + 1;

// A fouling resistance in m²·K/W is this many m²·K/kW, the unit of 1/Uo in the record.
constexpr double FoulingToRecord = 1000;

// For the length of one solve, the derived values stand at NaN, which no step
// stores: one still NaN at the end was not reached. It gets its value back, as
// the record is never left with a NaN, and is marked unsolved.
class TReachedValues
{
public:
    explicit TReachedValues(THx& hx) : m_hx(hx)
    {
        for (std::size_t i = FirstDerived; i < std::size(SolvedValues); ++i) {
            m_held[i] = m_hx.*SolvedValues[i];
            m_hx.*SolvedValues[i] = std::numeric_limits<double>::quiet_NaN();
        }
    }
    ~TReachedValues()
    {
        for (std::size_t i = FirstDerived; i < std::size(SolvedValues); ++i) {
            if (!std::isnan(m_hx.*SolvedValues[i]))
                continue;
            m_hx.*SolvedValues[i] = m_held[i];
            m_hx.MarkUnsolved({SolvedValues[i]});
        }
    }
    TReachedValues(const TReachedValues&) = delete;
    TReachedValues& operator=(const TReachedValues&) = delete;

private:
    THx& m_hx;
    std::array<double, std::size(SolvedValues)> m_held{};
};

// The bit of a value in THx::unsolved; none for the specific heats, which no
// solve computes.
std::uint32_t UnsolvedBit(const double THx::*value)
{
    for (std::size_t i = 0; i < std::size(SolvedValues); ++i)
        if (SolvedValues[i] == value)
            return std::uint32_t(1) << i;
    return 0;
}

} // namespace

QString MethodName(THxMethod method)
{
    switch (method) {
    case THxMethod::hmNone:
        break;
    case THxMethod::hmDutySpecified:
        return QStringLiteral("Duty specified");
    case THxMethod::hmColdFluidSpecified:
        return QStringLiteral("Cold fluid specified");
    case THxMethod::hmHotFluidSpecified:
        return QStringLiteral("Hot fluid specified");
    case THxMethod::hmNotProperlySpecified:
        return QStringLiteral("Data not properly specified");
    case THxMethod::hmLmtd:
        return QStringLiteral("LMTD method");
    case THxMethod::hmENtu:
        return QStringLiteral("e-Ntu method");
    }
    return QString();
}

void THx::Solve(int mask)
{
    stop = TSolveStop::ssNone;
    unsolved = 0;
    const TReachedValues reached(*this);
    SolveByMethod(mask);
}

void THx::MarkUnsolved(std::initializer_list<double THx::*> values)
{
    for (double THx::*value : values)
        unsolved |= UnsolvedBit(value);
}

void THx::MarkNothingSolved(int mask)
{
    const std::uint32_t all = (std::uint32_t(1) << std::size(SolvedValues)) - 1;
    const std::uint32_t given = std::uint32_t(mask) & ((std::uint32_t(1) << FirstDerived) - 1);
    unsolved = all & ~given;
}

void THx::MarkUnsolvedGivenValues(int bits)
{
    unsolved |= std::uint32_t(bits) & ((std::uint32_t(1) << FirstDerived) - 1);
}

double THx::Result(const double THx::*value) const
{
    if (unsolved == 0)
        return this->*value;
    return (unsolved & UnsolvedBit(value)) != 0 ? std::numeric_limits<double>::quiet_NaN()
                                                : this->*value;
}

void THx::SolveByMethod(int mask)
{
    if (!AllowancesSound(mask))
        return;
    const bool hotTemps = HasAll(mask, mgHotTemps);
    const bool coldTemps = HasAll(mask, mgColdTemps);
    if (HasAll(mask, mgDuty)) {
        method = THxMethod::hmDutySpecified;
        if (!StreamsChange(hotTemps, coldTemps, mask))
            return;
        CompleteColdSide(mask);
        CompleteHotSide(mask);
        CommonTail(mask);
    } else if (HasAll(mask, mgRating)) {
        // Without a full set of temperatures or of inlets and flows nothing is
        // computed and the method of the previous solve stays.
        if (HasAll(mask, mgAllTemps))
            LmtdMethod(mask);
        else if (HasAll(mask, mgInletsAndFlows))
            EffectivenessNtuMethod();
        else
            MarkUnsolvedGivenValues(~mask);
    } else if (HasAll(mask, mgColdFluid)) {
        method = THxMethod::hmColdFluidSpecified;
        if (!StreamsChange(hotTemps, false, mask))
            return;
        ColdDutyFromFlow();
        CompleteHotSide(mask);
        CommonTail(mask);
    } else if (HasAll(mask, mgHotFluid)) {
        method = THxMethod::hmHotFluidSpecified;
        if (!StreamsChange(false, coldTemps, mask))
            return;
        HotDutyFromFlow();
        CompleteColdSide(mask);
        CommonTail(mask);
    } else {
        // Uses whatever duty the record holds.
        method = THxMethod::hmNotProperlySpecified;
        if (!StreamsChange(hotTemps, coldTemps, mask))
            return;
        CompleteColdSide(mask);
        CompleteHotSide(mask);
        CommonTail(mask);
    }
}

std::optional<TMathFault> THx::SolveOrFault(int mask)
{
    return Checked::FirstFault([&] { Solve(mask); });
}

void THx::LmtdMethod(int mask)
{
    method = THxMethod::hmLmtd;
    if (!StreamsChange(true, true, mask))
        return;
    if (!EndsOpen() || !LmtdMethodDuty()) {
        MarkUnsolved({&THx::Q, &THx::mc, &THx::mh});
        return;
    }
    ColdFlowFromDuty();
    HotFlowFromDuty();
    EffectivenessAndNtu();
}

bool THx::LmtdMethodDuty()
{
    RatedAreas();
    lmtd = Lmtd(thi, tho, tci, tco);
    if (!EffectivenessFromTemperatures())
        return false;
    Q = Mul(Mul(Mul(Us, Ao), F), lmtd);
    return true;
}

void THx::EffectivenessNtuMethod()
{
    method = THxMethod::hmENtu;
    ch = Mul(mh, cph);
    cc = Mul(mc, cpc);
    CapacityRates();
    RatedAreas();
    ntu = Div(Mul(Us, Ao), cmin);
    const TFlowRelation relation = arrangement.RelationFor(ch >= cc);
    if (!Related(relation.Effectiveness(ntu, cr), e)) {
        MarkUnsolved({&THx::Q, &THx::tho, &THx::tco});
        return;
    }
    if (!relation.HasCorrectionFactor())
        F = 1;
    Q = Mul(e, Qmax);
    ColdOutletFromDuty();
    HotOutletFromDuty();
    // A large ntu takes e to its limit: the outlets are still sound, but the
    // lmtd and F would be worked out from the noise of the approach.
    if (!EndsOpen() || !BelowLimit(relation))
        return;
    lmtd = Lmtd(thi, tho, tci, tco);
    Related(relation.CorrectionFactor(e, cr, ntu), F);
}

void THx::CommonTail(int mask)
{
    if (!EndsOpen() || !LmtdAndNtu()) {
        MarkUnsolved({HasBit(mask, mbAo) ? &THx::Uo : &THx::Ao});
        return;
    }
    SizeExchanger(mask);
}

// The lmtd needs no ntu: found first, it is shown too where the arrangement
// cannot reach the effectiveness. Counter flow, which never stops there, works
// out e and ntu first, as specified: of a case that faults in both, the fault
// told is the one there.
bool THx::LmtdAndNtu()
{
    if (arrangement.HasCorrectionFactor()) {
        lmtd = Lmtd(thi, tho, tci, tco);
        return EffectivenessAndNtu();
    }
    const bool related = EffectivenessAndNtu();
    lmtd = Lmtd(thi, tho, tci, tco);
    return related;
}

void THx::ColdDutyFromFlow()
{
    cc = Mul(mc, cpc);
    Q = Mul(Sub(tco, tci), cc);
}

void THx::HotDutyFromFlow()
{
    ch = Mul(mh, cph);
    Q = Mul(Sub(thi, tho), ch);
}

void THx::ColdFlowFromDuty()
{
    cc = Div(Q, Sub(tco, tci));
    mc = Div(cc, cpc);
}

void THx::ColdOutletFromDuty()
{
    cc = Mul(mc, cpc);
    tco = Add(Div(Q, cc), tci);
}

void THx::ColdInletFromDuty()
{
    cc = Mul(mc, cpc);
    tci = Sub(tco, Div(Q, cc));
}

void THx::HotOutletFromDuty()
{
    ch = Mul(mh, cph);
    tho = Sub(thi, Div(Q, ch));
}

void THx::HotInletFromDuty()
{
    ch = Mul(mh, cph);
    thi = Add(Div(Q, ch), tho);
}

void THx::HotFlowFromDuty()
{
    ch = Div(Q, Sub(thi, tho));
    mh = Div(ch, cph);
}

void THx::CompleteColdSide(int mask)
{
    if (HasAll(mask, mgColdTemps))
        ColdFlowFromDuty();
    else if (HasAll(mask, mgColdOutletAndFlow))
        ColdInletFromDuty();
    else
        ColdOutletFromDuty();
}

void THx::CompleteHotSide(int mask)
{
    if (HasAll(mask, mgHotTemps))
        HotFlowFromDuty();
    else if (HasAll(mask, mgHotOutletAndFlow))
        HotInletFromDuty();
    else
        HotOutletFromDuty();
}

void THx::CapacityRates()
{
    // A tie puts ch in cmax.
    if (ch >= cc) {
        cmax = ch;
        cmin = cc;
    } else {
        cmax = cc;
        cmin = ch;
    }
    cr = Div(cmin, cmax);
    itd = Sub(thi, tci);
    Qmax = Mul(cmin, itd);
}

bool THx::EffectivenessAndNtu()
{
    CapacityRates();
    e = Div(Q, Qmax);
    return ArrangementNtu(arrangement.RelationFor(ch >= cc));
}

// e and cr from the four temperatures alone, before any flow is known: the
// stream that changes more is the Cmin stream (so a tie counts the hot stream
// as Cmax, as CapacityRates does); then ntu and F of the arrangement. Both are
// kept where the arrangement has no ntu for them, so the verdict can tell why.
// Counter flow needs only its F of 1.
bool THx::EffectivenessFromTemperatures()
{
    if (!arrangement.HasCorrectionFactor()) {
        F = 1;
        return true;
    }
    const double hotChange = Sub(thi, tho);
    const double coldChange = Sub(tco, tci);
    const double larger = std::max(hotChange, coldChange);
    cr = Div(std::min(hotChange, coldChange), larger);
    e = Div(larger, Sub(thi, tci));
    return ArrangementNtu(arrangement.RelationFor(hotChange <= coldChange));
}

bool THx::ArrangementNtu(const TFlowRelation& relation)
{
    return BelowLimit(relation) && Related(relation.Ntu(e, cr), ntu) &&
           Related(relation.CorrectionFactor(e, cr, ntu), F);
}

bool THx::EndsOpen()
{
    using Approach::TEnd;
    if (Approach::EndOf(Sub(thi, tco), thi, tci) == TEnd::aeOpen &&
        Approach::EndOf(Sub(tho, tci), thi, tci) == TEnd::aeOpen)
        return true;
    stop = TSolveStop::ssTemperatures;
    return false;
}

// A flow worked out from the duty divides by its stream's temperature change:
// where the two given temperatures of such a stream are equal, the stream
// neither cools nor heats, and nothing is computed.
bool THx::StreamsChange(bool hot, bool cold, int mask)
{
    const bool hotStill = hot && !Approach::Changes(Sub(thi, tho), thi, tci);
    const bool coldStill = cold && !Approach::Changes(Sub(tco, tci), thi, tci);
    if (!hotStill && !coldStill)
        return true;
    stop = TSolveStop::ssTemperatures;
    MarkUnsolvedGivenValues(~mask);
    return false;
}

// Values outside the relation's domain (cr outside 0..1) are left to the relation.
bool THx::BelowLimit(const TFlowRelation& relation)
{
    if (!relation.StopsAtLimit() ||
        !(cr >= 0 && cr <= 1 && Approach::ReachesLimit(e, relation.Limit(cr))))
        return true;
    stop = TSolveStop::ssArrangementLimit;
    return false;
}

bool THx::Related(std::optional<double> value, double& result)
{
    if (!value) {
        stop = TSolveStop::ssOutsideRelation;
        return false;
    }
    result = *value;
    return true;
}

void THx::SizeExchanger(int mask)
{
    // Counter flow's F of 1 leaves the lmtd as it is.
    const double difference = Mul(F, lmtd);
    // A given area wins: Uo is recomputed even when it is given too. The margin
    // is part of the given area, so the duty has the rest of it in service.
    if (HasBit(mask, mbAo)) {
        Areq = Div(Ao, MarginFactor());
        Us = Div(Q, Mul(Areq, difference));
        if (!CleanCoefficient()) {
            MarkUnsolved({&THx::Uo});
            return;
        }
    } else {
        ServiceCoefficient();
        Areq = Div(Q, Mul(Us, difference));
        Ao = Mul(Areq, MarginFactor());
    }
    DesignAreas();
}

// Negative allowances are no design: nothing is computed from them.
bool THx::AllowancesSound(int mask)
{
    if (Rfh >= 0 && Rfc >= 0 && margin >= 0)
        return true;
    stop = TSolveStop::ssAllowances;
    MarkUnsolvedGivenValues(~mask);
    return false;
}

// The fouling resistances in series with the clean coefficient. A coefficient
// that is not positive is the verdict's to name: it stays as it is.
void THx::ServiceCoefficient()
{
    const double fouling = FoulingResistance();
    Us = fouling == 0 || !(Uo > 0) ? Uo : Div(1, Add(Div(1, Uo), fouling));
}

// Uo from Us: false, with `stop` set, where the fouling alone resists more than
// the service coefficient allows.
bool THx::CleanCoefficient()
{
    const double fouling = FoulingResistance();
    if (fouling == 0 || !(Us > 0)) {
        Uo = Us;
        return true;
    }
    const double cleanResistance = Sub(Div(1, Us), fouling);
    if (!(cleanResistance > 0)) {
        stop = TSolveStop::ssAllowances;
        return false;
    }
    Uo = Div(1, cleanResistance);
    return true;
}

// A rated exchanger serves with all of its area: the margin plays no part.
void THx::RatedAreas()
{
    ServiceCoefficient();
    Areq = Ao;
    DesignAreas();
}

// Aclean = Q/(Uo F lmtd) = Areq Us/Uo. Where a coefficient or the area is not
// positive the verdict says so, and neither is worked out.
void THx::DesignAreas()
{
    if (!(Uo > 0 && Us > 0 && Areq > 0))
        return;
    Aclean = Mul(Areq, Div(Us, Uo));
    OD = Mul(Sub(Div(Ao, Aclean), 1), 100);
}

// Rfh + Rfc in m²·K/kW, the unit of 1/Uo in the record.
double THx::FoulingResistance() const
{
    return Mul(FoulingToRecord, Add(Rfh, Rfc));
}

double THx::MarginFactor() const
{
    return Add(1, Div(margin, 100));
}

void THx::SetHotFluid(const QString& name)
{
    hotFluid = name;
    cph = DefaultCp(name);
}

void THx::SetColdFluid(const QString& name)
{
    coldFluid = name;
    cpc = DefaultCp(name);
}

void THx::SetHeatXType(const QString& name)
{
    heatXType = name;
}

double THx::DefaultCp(const QString& name)
{
    struct TBuiltInFluid
    {
        QLatin1StringView name;
        double cp;
    };
    static constexpr TBuiltInFluid builtIn[] = {
        {QLatin1StringView("air"), 1.023},
        {QLatin1StringView("water"), 4.193},
        {QLatin1StringView("oil"), 2.0},
    };
    for (const TBuiltInFluid& fluid : builtIn)
        if (name.compare(fluid.name, Qt::CaseInsensitive) == 0)
            return fluid.cp;
    return 1.0;
}

void THx::WriteResultsPage(QStringList& lines) const
{
    WriteResultsPage(lines, TDisplayUnits::Record());
}

void THx::WriteResultsText(QStringList& lines) const
{
    WriteResultsText(lines, TDisplayUnits::Record());
}

void THx::WriteDiagnostics(QStringList& lines) const
{
    WriteDiagnostics(lines, TDisplayUnits::Record());
}

void THx::WriteResultsPage(QStringList& lines, const TDisplayUnits& units) const
{
    TResultsPage page(TResultsPage::TForm::rfHtml, lines);
    WriteResults(page, units);
    page.End();
}

void THx::WriteResultsText(QStringList& lines, const TDisplayUnits& units) const
{
    TResultsPage page(TResultsPage::TForm::rfText, lines);
    WriteResults(page, units);
    page.End();
}

void THx::WriteResults(TResultsPage& page, const TDisplayUnits& units) const
{
    using TUnit = TResultsPage::TUnit;
    using L = QLatin1StringView;
    const auto number = [&](L label, double value, TUnit unit, int quantity) {
        page.Number(label, value, unit, units.Of(quantity));
    };
    const bool counterFlow = arrangement.IsCounterFlow();
    page.Block(L("Hot fluid"), hotFluid);
    number(L("thi"), Result(&THx::thi), TUnit::ruDegC, mbThi);
    number(L("tho"), Result(&THx::tho), TUnit::ruDegC, mbTho);
    number(L("mh"), Result(&THx::mh), TUnit::ruKgPerS, mbMh);
    number(L("cph"), Result(&THx::cph), TUnit::ruSpecificHeat, sqSpecificHeat);
    number(L("ch"), Result(&THx::ch), TUnit::ruCapacityRate, sqCapacityRate);
    page.Block(L("Cold fluid"), coldFluid);
    number(L("tci"), Result(&THx::tci), TUnit::ruDegC, mbTci);
    number(L("tco"), Result(&THx::tco), TUnit::ruDegC, mbTco);
    number(L("mc"), Result(&THx::mc), TUnit::ruKgPerS, mbMc);
    number(L("cpc"), Result(&THx::cpc), TUnit::ruSpecificHeat, sqSpecificHeat);
    number(L("cc"), Result(&THx::cc), TUnit::ruCapacityRate, sqCapacityRate);
    page.Block(L("VuduD"), heatXType);
    if (!counterFlow)
        page.Text(L("arrangement"), arrangement.Name());
    number(L("Cmin"), Result(&THx::cmin), TUnit::ruCapacityRate, sqCapacityRate);
    number(L("Cmax"), Result(&THx::cmax), TUnit::ruCapacityRate, sqCapacityRate);
    page.Number(L("Cr"), Result(&THx::cr));
    number(L("Uo"), Result(&THx::Uo), TUnit::ruHeatTransCoeff, mbUo);
    if (HasAllowances()) {
        number(L("Rfh"), Rfh, TUnit::ruFouling, mbRfh);
        number(L("Rfc"), Rfc, TUnit::ruFouling, mbRfc);
        number(L("Us"), Result(&THx::Us), TUnit::ruHeatTransCoeff, mbUo);
        number(L("margin"), margin, TUnit::ruPercent, mbMargin);
        number(L("Aclean"), Result(&THx::Aclean), TUnit::ruArea, mbAo);
        number(L("Areq"), Result(&THx::Areq), TUnit::ruArea, mbAo);
        number(L("OD"), Result(&THx::OD), TUnit::ruPercent, mbMargin);
    }
    number(L("Ao"), Result(&THx::Ao), TUnit::ruArea, mbAo);
    number(L("itd"), Result(&THx::itd), TUnit::ruDegC, sqTemperatureDifference);
    number(L("lmtd"), Result(&THx::lmtd), TUnit::ruDegC, sqTemperatureDifference);
    if (!counterFlow)
        page.Number(L("F"), Result(&THx::F));
    number(L("Qmax"), Result(&THx::Qmax), TUnit::ruPower, mbQ);
    page.Number(L("Ntu"), Result(&THx::ntu));
    page.Number(L("e"), Result(&THx::e));
    page.Block(L("Duty"), MethodName(method));
    number(L("Q"), Result(&THx::Q), TUnit::ruPower, mbQ);
}

void THx::WriteDiagnostics(QStringList& lines, const TDisplayUnits& units) const
{
    const std::array<double, 6> products = DiagnosticProducts();
    // "label = value unit", in the record's unit with three decimals or in the
    // display unit of `quantity`; a product the solve did not reach is left blank.
    const auto line = [&](const QString& label, double value, QLatin1StringView recordUnit,
                          int quantity) {
        if (std::isnan(value)) {
            lines << label + QLatin1StringView(" =");
            return;
        }
        const TShownUnit* shown = units.Of(quantity);
        lines << label + QLatin1StringView(" = ") +
                     (shown ? shown->Text(value) + u' ' + shown->name
                            : FixedText(value, 3) + u' ' + recordUnit);
    };
    const QLatin1StringView capacityRate("kW/K");
    const QLatin1StringView duty("kW");
    lines << QStringLiteral("Diagnostic") << QString();
    // With allowances the rate equation holds for the service coefficient and area.
    const bool service = HasAllowances();
    const QString rate = QString::fromLatin1(service ? "Us Areq" : "Uo Ao");
    line(rate, products[0], capacityRate, sqCapacityRate);
    line(QStringLiteral("Ntu Cmin"), products[1], capacityRate, sqCapacityRate);
    lines << QString();
    line(QStringLiteral("ch (thi-tho)"), products[2], duty, mbQ);
    line(QStringLiteral("cc (tco-tci)"), products[3], duty, mbQ);
    line(rate + QLatin1StringView(arrangement.IsCounterFlow() ? " lmtd" : " F lmtd"), products[4],
         duty, mbQ);
    line(QStringLiteral("e Qmax"), products[5], duty, mbQ);
}

std::array<double, 6> THx::DiagnosticProducts() const
{
    // NaN where a factor was not computed; an overflow of computed ones raises.
    const auto product = [](std::initializer_list<double> factors) {
        double result = 1;
        for (const double factor : factors) {
            if (std::isnan(factor))
                return factor;
            result = Mul(result, factor);
        }
        return result;
    };
    const auto difference = [](double a, double b) {
        return std::isnan(a) || std::isnan(b) ? std::numeric_limits<double>::quiet_NaN()
                                              : Sub(a, b);
    };
    const double uoAo = HasAllowances() ? product({Result(&THx::Us), Result(&THx::Areq)})
                                        : product({Result(&THx::Uo), Result(&THx::Ao)});
    // With an arrangement the rate equation holds with F.
    const double rateDuty = arrangement.IsCounterFlow()
                                ? product({uoAo, Result(&THx::lmtd)})
                                : product({uoAo, Result(&THx::F), Result(&THx::lmtd)});
    return {uoAo,
            product({Result(&THx::ntu), Result(&THx::cmin)}),
            product({difference(Result(&THx::thi), Result(&THx::tho)), Result(&THx::ch)}),
            product({difference(Result(&THx::tco), Result(&THx::tci)), Result(&THx::cc)}),
            rateDuty,
            product({Result(&THx::e), Result(&THx::Qmax)})};
}
