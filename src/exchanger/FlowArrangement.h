#pragma once

#include "FlowRelation.h"

#include <QLatin1StringView>
#include <QString>
#include <QStringView>
#include <optional>

// How the hot and cold streams of an exchanger type flow, as the type's
// "arrangement" key in heatxtype.ini names it; counter flow when it names none.
// Counter flow is solved by the counter-flow relations alone; every other
// arrangement by its effectiveness–NTU relation and the LMTD correction F.
class TFlowArrangement
{
public:
    enum class TKind
    {
        akCounterFlow,
        akParallelFlow,
        akShellAndTube,
        akCrossFlowUnmixed,
        akCrossFlowHotMixed,
        akCrossFlowColdMixed
    };
    static constexpr int MaxShellPasses = 8;

    TFlowArrangement() = default;

    // "counter-flow", "parallel-flow", "shell-and-tube-N" (N shell passes, 1 to
    // 8), "cross-flow-unmixed", "cross-flow-hot-mixed", "cross-flow-cold-mixed",
    // in any letter case; none for any other text.
    static std::optional<TFlowArrangement> FromKey(QStringView key);

    TKind Kind() const { return m_kind; }
    bool IsCounterFlow() const { return m_kind == TKind::akCounterFlow; }
    // The key as above, in lower case.
    QLatin1StringView Key() const;
    // In words, for the results page: "shell and tube, 2 shell passes".
    QString Name() const;
    // The relation the duty solver works with once the capacity rates are known
    // (counter flow's capped one): a mixed hot or cold stream is the Cmax stream
    // when its capacity rate is the larger (a tie counts the hot stream as
    // Cmax), else the Cmin stream.
    TFlowRelation RelationFor(bool hotIsCmax) const;
    // Whether the LMTD needs a correction factor F, whichever stream is Cmax.
    bool HasCorrectionFactor() const { return RelationFor(true).HasCorrectionFactor(); }

    bool operator==(const TFlowArrangement&) const = default;

private:
    TFlowArrangement(TKind kind, int shellPasses) : m_kind(kind), m_shellPasses(shellPasses) {}

    TKind m_kind = TKind::akCounterFlow;
    int m_shellPasses = 1;
};
