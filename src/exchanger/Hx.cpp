#include "Hx.h"

#include "CheckedMath.h"
#include "Format.h"
#include "HeatTransfer.h"
#include "ResultsPage.h"

using Checked::Add;
using Checked::Div;
using Checked::Mul;
using Checked::Sub;

void THx::Solve(int mask)
{
    if (HasAll(mask, mgDuty)) {
        method = QStringLiteral("Duty specified");
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
        method = QStringLiteral("Cold fluid specified");
        ColdDutyFromFlow();
        CompleteHotSide(mask);
        CommonTail(mask);
    } else if (HasAll(mask, mgHotFluid)) {
        method = QStringLiteral("Hot fluid specified");
        HotDutyFromFlow();
        CompleteColdSide(mask);
        CommonTail(mask);
    } else {
        // Uses whatever duty the record holds.
        method = QStringLiteral("Data not properly specified");
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
    method = QStringLiteral("LMTD method");
    lmtd = Lmtd(thi, tho, tci, tco);
    Q = Mul(Mul(Uo, Ao), lmtd);
    ColdFlowFromDuty();
    HotFlowFromDuty();
    EffectivenessAndNtu();
}

void THx::EffectivenessNtuMethod()
{
    method = QStringLiteral("e-Ntu method");
    ch = Mul(mh, cph);
    cc = Mul(mc, cpc);
    CapacityRates();
    ntu = Div(Mul(Uo, Ao), cmin);
    e = Effectiveness(cr, ntu);
    Q = Mul(e, Qmax);
    ColdOutletFromDuty();
    HotOutletFromDuty();
    lmtd = Lmtd(thi, tho, tci, tco);
}

void THx::CommonTail(int mask)
{
    EffectivenessAndNtu();
    lmtd = Lmtd(thi, tho, tci, tco);
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

void THx::EffectivenessAndNtu()
{
    CapacityRates();
    e = Div(Q, Qmax);
    ntu = NtuFromEffectiveness(cr, e);
}

void THx::SizeExchanger(int mask)
{
    // A given area wins: Uo is recomputed even when it is given too.
    if (HasBit(mask, mbAo))
        Uo = Div(Q, Mul(Ao, lmtd));
    else
        Ao = Div(Q, Mul(Uo, lmtd));
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
    TResultsPage::WriteHtml(*this, lines);
}

void THx::WriteDiagnostics(QStringList& lines) const
{
    const auto line = [&lines](const char* format, double value) {
        lines << Format(QLatin1StringView(format), {value});
    };
    lines << QStringLiteral("Diagnostic") << QString();
    line("Uo Ao = %0.3f kW/K", Mul(Uo, Ao));
    line("Ntu Cmin = %0.3f kW/K", Mul(ntu, cmin));
    lines << QString();
    line("ch (thi-tho) = %0.3f kW", Mul(Sub(thi, tho), ch));
    line("cc (tco-tci) = %0.3f kW", Mul(Sub(tco, tci), cc));
    line("Uo Ao lmtd = %0.3f kW", Mul(Mul(Uo, Ao), lmtd));
    line("e Qmax = %0.3f kW", Mul(e, Qmax));
}
