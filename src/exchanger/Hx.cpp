#include "Hx.h"

#include "Approach.h"
#include "CheckedMath.h"
#include "Format.h"
#include "HeatTransfer.h"
#include "ResultsPage.h"

#include <algorithm>

using Checked::Add;
using Checked::Div;
using Checked::Mul;
using Checked::Sub;

void THx::Solve(int mask)
{
    stop = TSolveStop::ssNone;
    SolveByMethod(mask);
    if (stop != TSolveStop::ssNone)
        F = 0;
}

void THx::SolveByMethod(int mask)
{
    if (HasAll(mask, mgDuty)) {
        method = HxMethods::DutySpecified;
        CompleteColdSide(mask);
        CompleteHotSide(mask);
        CommonTail(mask);
    } else if (HasAll(mask, mgRating)) {
        // Without a full set of temperatures or of inlets and flows nothing is
        // computed and the method of the previous solve stays.
        if (HasAll(mask, mgAllTemps))
            LmtdMethod();
        else if (HasAll(mask, mgInletsAndFlows))
            EffectivenessNtuMethod();
    } else if (HasAll(mask, mgColdFluid)) {
        method = HxMethods::ColdFluidSpecified;
        ColdDutyFromFlow();
        CompleteHotSide(mask);
        CommonTail(mask);
    } else if (HasAll(mask, mgHotFluid)) {
        method = HxMethods::HotFluidSpecified;
        HotDutyFromFlow();
        CompleteColdSide(mask);
        CommonTail(mask);
    } else {
        // Uses whatever duty the record holds.
        method = HxMethods::NotProperlySpecified;
        CompleteColdSide(mask);
        CompleteHotSide(mask);
        CommonTail(mask);
    }
}

std::optional<TMathFault> THx::SolveOrFault(int mask)
{
    return Checked::FirstFault([&] { Solve(mask); });
}

void THx::LmtdMethod()
{
    method = HxMethods::Lmtd;
    if (!EndsOpen())
        return;
    lmtd = Lmtd(thi, tho, tci, tco);
    if (arrangement.IsCounterFlow()) {
        Q = Mul(Mul(Uo, Ao), lmtd);
    } else {
        if (!EffectivenessFromTemperatures())
            return;
        Q = Mul(Mul(Mul(Uo, Ao), F), lmtd);
    }
    ColdFlowFromDuty();
    HotFlowFromDuty();
    EffectivenessAndNtu();
}

void THx::EffectivenessNtuMethod()
{
    method = HxMethods::ENtu;
    ch = Mul(mh, cph);
    cc = Mul(mc, cpc);
    CapacityRates();
    ntu = Div(Mul(Uo, Ao), cmin);
    const TFlowRelation relation = arrangement.RelationFor(ch >= cc);
    if (arrangement.IsCounterFlow()) {
        e = Effectiveness(cr, ntu);
        F = 1;
    } else if (!Related(relation.Effectiveness(ntu, cr), e)) {
        return;
    }
    Q = Mul(e, Qmax);
    ColdOutletFromDuty();
    HotOutletFromDuty();
    // A large ntu takes e to its limit: the outlets are still sound, but the
    // lmtd and F would be worked out from the noise of the approach.
    if (!EndsOpen() || (!arrangement.IsCounterFlow() && !BelowLimit(relation)))
        return;
    lmtd = Lmtd(thi, tho, tci, tco);
    if (!arrangement.IsCounterFlow())
        Related(relation.CorrectionFactor(e, cr, ntu), F);
}

void THx::CommonTail(int mask)
{
    if (!EndsOpen())
        return;
    if (arrangement.IsCounterFlow()) {
        EffectivenessAndNtu();
        lmtd = Lmtd(thi, tho, tci, tco);
    } else {
        // The lmtd needs no ntu: found first, it is shown too where the
        // arrangement cannot reach the effectiveness.
        lmtd = Lmtd(thi, tho, tci, tco);
        if (!EffectivenessAndNtu())
            return;
    }
    SizeExchanger(mask);
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
    if (!arrangement.IsCounterFlow())
        return ArrangementNtu(arrangement.RelationFor(ch >= cc));
    ntu = NtuFromEffectiveness(cr, e);
    F = 1;
    return true;
}

// e and cr from the four temperatures alone, before any flow is known: the
// stream that changes more is the Cmin stream (so a tie counts the hot stream
// as Cmax, as CapacityRates does); then ntu and F of the arrangement. Both are
// kept where the arrangement has no ntu for them, so the verdict can tell why.
bool THx::EffectivenessFromTemperatures()
{
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
    stop = TSolveStop::ssPinch;
    return false;
}

// Values outside the relation's domain (cr outside 0..1) are left to the relation.
bool THx::BelowLimit(const TFlowRelation& relation)
{
    if (!(cr >= 0 && cr <= 1 && Approach::ReachesLimit(e, relation.Limit(cr))))
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
    // Counter flow takes the lmtd as it is; F enters no counter-flow number.
    const double difference = arrangement.IsCounterFlow() ? lmtd : Mul(F, lmtd);
    // A given area wins: Uo is recomputed even when it is given too.
    if (HasBit(mask, mbAo))
        Uo = Div(Q, Mul(Ao, difference));
    else
        Ao = Div(Q, Mul(Uo, difference));
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
    TResultsPage page(TResultsPage::TForm::rfHtml, lines);
    WriteResults(page);
    page.End();
}

void THx::WriteResultsText(QStringList& lines) const
{
    TResultsPage page(TResultsPage::TForm::rfText, lines);
    WriteResults(page);
    page.End();
}

void THx::WriteResults(TResultsPage& page) const
{
    using TUnit = TResultsPage::TUnit;
    using L = QLatin1StringView;
    const bool counterFlow = arrangement.IsCounterFlow();
    page.Block(L("Hot fluid"), hotFluid);
    page.Number(L("thi"), thi, TUnit::ruDegC);
    page.Number(L("tho"), tho, TUnit::ruDegC);
    page.Number(L("mh"), mh, TUnit::ruKgPerS);
    page.Number(L("cph"), cph, TUnit::ruSpecificHeat);
    page.Number(L("ch"), ch, TUnit::ruCapacityRate);
    page.Block(L("Cold fluid"), coldFluid);
    page.Number(L("tci"), tci, TUnit::ruDegC);
    page.Number(L("tco"), tco, TUnit::ruDegC);
    page.Number(L("mc"), mc, TUnit::ruKgPerS);
    page.Number(L("cpc"), cpc, TUnit::ruSpecificHeat);
    page.Number(L("cc"), cc, TUnit::ruCapacityRate);
    page.Block(L("VuduD"), heatXType);
    if (!counterFlow)
        page.Text(L("arrangement"), arrangement.Name());
    page.Number(L("Cmin"), cmin, TUnit::ruCapacityRate);
    page.Number(L("Cmax"), cmax, TUnit::ruCapacityRate);
    page.Number(L("Cr"), cr);
    page.Number(L("Uo"), Uo, TUnit::ruHeatTransCoeff);
    page.Number(L("Ao"), Ao, TUnit::ruArea);
    page.Number(L("itd"), itd, TUnit::ruDegC);
    page.Number(L("lmtd"), lmtd, TUnit::ruDegC);
    if (!counterFlow)
        page.Number(L("F"), F);
    page.Number(L("Qmax"), Qmax, TUnit::ruPower);
    page.Number(L("Ntu"), ntu);
    page.Number(L("e"), e);
    page.Block(L("Duty"), method);
    page.Number(L("Q"), Q, TUnit::ruPower);
}

void THx::WriteDiagnostics(QStringList& lines) const
{
    const std::array<double, 6> products = DiagnosticProducts();
    const auto line = [&lines](const char* format, double value) {
        lines << Format(QLatin1StringView(format), {value});
    };
    lines << QStringLiteral("Diagnostic") << QString();
    line("Uo Ao = %0.3f kW/K", products[0]);
    line("Ntu Cmin = %0.3f kW/K", products[1]);
    lines << QString();
    line("ch (thi-tho) = %0.3f kW", products[2]);
    line("cc (tco-tci) = %0.3f kW", products[3]);
    line(arrangement.IsCounterFlow() ? "Uo Ao lmtd = %0.3f kW" : "Uo Ao F lmtd = %0.3f kW",
         products[4]);
    line("e Qmax = %0.3f kW", products[5]);
}

std::array<double, 6> THx::DiagnosticProducts() const
{
    // With an arrangement the rate equation holds with F.
    const double rateDuty =
        arrangement.IsCounterFlow() ? Mul(Mul(Uo, Ao), lmtd) : Mul(Mul(Mul(Uo, Ao), F), lmtd);
    return {Mul(Uo, Ao), Mul(ntu, cmin), Mul(Sub(thi, tho), ch), Mul(Sub(tco, tci), cc),
            rateDuty,    Mul(e, Qmax)};
}
