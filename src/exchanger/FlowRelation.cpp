#include "FlowRelation.h"

#include "HeatTransfer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

// Formulas use expm1 and log1p so that ε and ntu keep their precision where
// they are small and where cr approaches 1.

namespace {

using TModel = TFlowRelation::TModel;

bool IsRatio(double cr)
{
    return cr >= 0 && cr <= 1;
}

// cr = 0: one stream keeps its temperature, and every arrangement gives this.
double SingleStreamEffectiveness(double ntu)
{
    return -std::expm1(-ntu);
}

std::optional<double> SingleStreamNtu(double e)
{
    if (!(e < 1))
        return {};
    return -std::log1p(-e);
}

double CounterFlowEffectiveness(double ntu, double cr)
{
    if (cr == 1)
        return ntu / (1 + ntu);
    const double x = -std::expm1(-ntu * (1 - cr)); // 1 - exp(-ntu (1 - cr))
    return x / ((1 - cr) + cr * x);
}

std::optional<double> CounterFlowNtu(double e, double cr)
{
    if (!(e < 1))
        return {};
    if (cr == 1)
        return e / (1 - e);
    return -std::log1p(-e * (1 - cr) / (1 - e * cr)) / (1 - cr);
}

double ParallelFlowEffectiveness(double ntu, double cr)
{
    return -std::expm1(-ntu * (1 + cr)) / (1 + cr);
}

std::optional<double> ParallelFlowNtu(double e, double cr)
{
    const double x = e * (1 + cr);
    if (!(x < 1))
        return {};
    return -std::log1p(-x) / (1 + cr);
}

// One shell pass with an even number of tube passes: 2/(1 + cr + s coth(ntu s/2)),
// s = sqrt(1 + cr²), written with tanh so that ntu = 0 needs no special case.
double OnePassEffectiveness(double ntu, double cr)
{
    const double s = std::hypot(1.0, cr);
    const double t = std::tanh(ntu * s / 2);
    return 2 * t / ((1 + cr) * t + s);
}

double OnePassLimit(double cr)
{
    return 2 / (1 + cr + std::hypot(1.0, cr));
}

std::optional<double> OnePassNtu(double e, double cr)
{
    const double s = std::hypot(1.0, cr);
    const double t = s * e / (2 - (1 + cr) * e); // tanh(ntu s/2)
    if (!(t >= 0 && t < 1))
        return {};
    return 2 * std::atanh(t) / s;
}

// n exchangers of effectiveness e1 in series, the streams in counter flow
// between them: ((1 - e1 cr)/(1 - e1))^n = (1 - e cr)/(1 - e).
double SeriesEffectiveness(double e1, double cr, int n)
{
    if (cr == 1)
        return n * e1 / (1 + (n - 1) * e1);
    const double y = std::expm1(n * std::log1p(e1 * (1 - cr) / (1 - e1)));
    return y / (y + (1 - cr));
}

// The inverse: the effectiveness of one of the n from that of all (e < 1).
double SeriesMemberEffectiveness(double e, double cr, int n)
{
    if (cr == 1)
        return e / (n - (n - 1) * e);
    const double y = std::expm1(std::log1p(e * (1 - cr) / (1 - e)) / n);
    return y / (y + (1 - cr));
}

double ShellPassesEffectiveness(double ntu, double cr, int n)
{
    const double e1 = OnePassEffectiveness(ntu / n, cr);
    return n == 1 ? e1 : SeriesEffectiveness(e1, cr, n);
}

double ShellPassesLimit(double cr, int n)
{
    const double e1 = OnePassLimit(cr);
    return n == 1 ? e1 : SeriesEffectiveness(e1, cr, n);
}

std::optional<double> ShellPassesNtu(double e, double cr, int n)
{
    if (!(e < 1))
        return {};
    const std::optional<double> ntu1 =
        OnePassNtu(n == 1 ? e : SeriesMemberEffectiveness(e, cr, n), cr);
    if (!ntu1)
        return {};
    return n * *ntu1;
}

// The Cmax stream mixed, the Cmin stream unmixed: (1 - exp(-cr (1 - exp(-ntu))))/cr.
double CmaxMixedEffectiveness(double ntu, double cr)
{
    return -std::expm1(cr * std::expm1(-ntu)) / cr;
}

double CmaxMixedLimit(double cr)
{
    return -std::expm1(-cr) / cr;
}

std::optional<double> CmaxMixedNtu(double e, double cr)
{
    const double x = std::log1p(-e * cr) / cr; // ln(1 - e cr)/cr = -(1 - exp(-ntu))
    if (!(x > -1))
        return {};
    return -std::log1p(x);
}

// The Cmin stream mixed, the Cmax stream unmixed: 1 - exp(-(1 - exp(-cr ntu))/cr).
double CminMixedEffectiveness(double ntu, double cr)
{
    return -std::expm1(std::expm1(-cr * ntu) / cr);
}

double CminMixedLimit(double cr)
{
    return -std::expm1(-1 / cr);
}

std::optional<double> CminMixedNtu(double e, double cr)
{
    if (!(e < 1))
        return {};
    const double x = cr * std::log1p(-e); // cr ln(1 - e) = -(1 - exp(-cr ntu))
    if (!(x > -1))
        return {};
    return -std::log1p(x) / cr;
}

// P(X > n) for a Poisson variable X of mean x > 0, for every n. Outside a
// window around x, wide enough that the probability outside it is far below
// double precision, it is 1 (below) or 0 (above). Inside, the probabilities are
// built from the mode by their ratios and normalised by their sum, so that no
// exp(-x) underflows and every tail is a sum of positive terms.
class TPoissonTails
{
public:
    explicit TPoissonTails(double x)
    {
        constexpr double spread = 15; // standard deviations, and as many counts
        const double halfWidth = spread * (std::sqrt(x) + 1);
        m_first = std::int64_t(std::max(0.0, std::floor(x - halfWidth)));
        const auto last = std::int64_t(std::ceil(x + halfWidth));
        const std::int64_t mode = std::clamp(std::int64_t(std::floor(x)), m_first, last);
        std::vector<double> weight(std::size_t(last - m_first + 1));
        weight[std::size_t(mode - m_first)] = 1;
        for (std::int64_t m = mode + 1; m <= last; ++m)
            weight[std::size_t(m - m_first)] = weight[std::size_t(m - 1 - m_first)] * x / double(m);
        for (std::int64_t m = mode; m > m_first; --m)
            weight[std::size_t(m - 1 - m_first)] = weight[std::size_t(m - m_first)] * double(m) / x;
        // m_above[i] = P(X > m_first + i), summed from the far tail inwards.
        m_above.resize(weight.size());
        double tail = 0;
        for (std::size_t i = weight.size(); i-- > 0;) {
            m_above[i] = tail;
            tail += weight[i];
        }
        for (double& above : m_above)
            above /= tail;
    }

    std::int64_t First() const { return m_first; }
    std::int64_t Last() const { return m_first + std::int64_t(m_above.size()) - 1; }

    double Above(std::int64_t n) const
    {
        if (n < m_first)
            return 1;
        if (n > Last())
            return 0;
        return m_above[std::size_t(n - m_first)];
    }

private:
    std::int64_t m_first = 0;
    std::vector<double> m_above;
};

// Both streams unmixed, by the exact series
//   ε = 1/(cr ntu) Σ_{n>=0} P(X > n) P(Y > n),  X ~ Poisson(ntu), Y ~ Poisson(cr ntu),
// each factor being 1 - exp(-x) Σ_{m<=n} x^m/m!.
double CrossFlowUnmixedEffectiveness(double ntu, double cr)
{
    const double crNtu = cr * ntu;
    if (crNtu < std::numeric_limits<double>::min())
        return SingleStreamEffectiveness(ntu); // cr ntu too small to tell
    const TPoissonTails larger(ntu);
    const TPoissonTails smaller(crNtu);
    // Below both windows every term is 1; above the smaller's window every term is 0.
    const std::int64_t ones = std::min(larger.First(), smaller.First());
    double sum = 0;
    for (std::int64_t n = smaller.Last(); n >= ones; --n)
        sum += larger.Above(n) * smaller.Above(n);
    return (sum + double(ones)) / crNtu;
}

// Bisection between the counter-flow ntu, which no arrangement undercuts, and
// the first doubling of it that reaches e.
std::optional<double> CrossFlowUnmixedNtu(double e, double cr)
{
    const auto reaches = [cr, e](double ntu) {
        return CrossFlowUnmixedEffectiveness(ntu, cr) >= e;
    };
    double lo = *CounterFlowNtu(e, cr);
    if (reaches(lo))
        return lo; // the two agree to double precision
    double hi = lo;
    do {
        if (hi >= TFlowRelation::MaxNtu)
            return {};
        lo = hi;
        hi = std::min(2 * hi, TFlowRelation::MaxNtu);
    } while (!reaches(hi));
    while (hi - lo > TFlowRelation::RootTolerance * hi) {
        const double mid = 0.5 * (lo + hi);
        (reaches(mid) ? hi : lo) = mid;
    }
    return 0.5 * (lo + hi);
}

} // namespace

std::optional<double> TFlowRelation::Effectiveness(double ntu, double cr) const
{
    if (m_model == TModel::fmCounterFlowCapped)
        return ::Effectiveness(cr, ntu);
    if (!(ntu >= 0) || !std::isfinite(ntu) || !IsRatio(cr))
        return {};
    if (ntu == 0)
        return 0.0;
    if (cr == 0)
        return SingleStreamEffectiveness(ntu);
    switch (m_model) {
    case TModel::fmCounterFlow:
    case TModel::fmCounterFlowCapped:
        return CounterFlowEffectiveness(ntu, cr);
    case TModel::fmParallelFlow:
        return ParallelFlowEffectiveness(ntu, cr);
    case TModel::fmShellPasses:
        return ShellPassesEffectiveness(ntu, cr, m_shellPasses);
    case TModel::fmCrossFlowUnmixed:
        if (ntu > MaxNtu)
            return {};
        return CrossFlowUnmixedEffectiveness(ntu, cr);
    case TModel::fmCrossFlowCmaxMixed:
        return CmaxMixedEffectiveness(ntu, cr);
    case TModel::fmCrossFlowCminMixed:
        return CminMixedEffectiveness(ntu, cr);
    }
    return {};
}

std::optional<double> TFlowRelation::Ntu(double e, double cr) const
{
    if (m_model == TModel::fmCounterFlowCapped)
        return NtuFromEffectiveness(cr, e);
    if (!(e >= 0) || !IsRatio(cr) || !(e < Limit(cr)))
        return {};
    if (e == 0)
        return 0.0;
    if (cr == 0)
        return SingleStreamNtu(e);
    switch (m_model) {
    case TModel::fmCounterFlow:
    case TModel::fmCounterFlowCapped:
        return CounterFlowNtu(e, cr);
    case TModel::fmParallelFlow:
        return ParallelFlowNtu(e, cr);
    case TModel::fmShellPasses:
        return ShellPassesNtu(e, cr, m_shellPasses);
    case TModel::fmCrossFlowUnmixed:
        return CrossFlowUnmixedNtu(e, cr);
    case TModel::fmCrossFlowCmaxMixed:
        return CmaxMixedNtu(e, cr);
    case TModel::fmCrossFlowCminMixed:
        return CminMixedNtu(e, cr);
    }
    return {};
}

double TFlowRelation::Limit(double cr) const
{
    if (cr == 0)
        return 1;
    switch (m_model) {
    case TModel::fmCounterFlow:
    case TModel::fmCounterFlowCapped:
    case TModel::fmCrossFlowUnmixed:
        return 1;
    case TModel::fmParallelFlow:
        return 1 / (1 + cr);
    case TModel::fmShellPasses:
        return ShellPassesLimit(cr, m_shellPasses);
    case TModel::fmCrossFlowCmaxMixed:
        return CmaxMixedLimit(cr);
    case TModel::fmCrossFlowCminMixed:
        return CminMixedLimit(cr);
    }
    return 1;
}

std::optional<double> TFlowRelation::CorrectionFactor(double e, double cr) const
{
    if (m_model == TModel::fmCounterFlowCapped)
        return 1.0;
    const std::optional<double> ntu = Ntu(e, cr);
    if (!ntu)
        return {};
    return CorrectionFactor(e, cr, *ntu);
}

std::optional<double> TFlowRelation::CorrectionFactor(double e, double cr, double ntu) const
{
    if (!HasCorrectionFactor() || e == 0 || cr == 0)
        return 1.0;
    const std::optional<double> counterFlowNtu = CounterFlowNtu(e, cr);
    if (!counterFlowNtu || !(ntu > 0))
        return {};
    return *counterFlowNtu / ntu;
}
