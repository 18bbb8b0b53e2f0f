#include "FlowArrangement.h"

#include "Format.h"

namespace {

using TKind = TFlowArrangement::TKind;
using TModel = TFlowRelation::TModel;

struct TKeyedArrangement
{
    QLatin1StringView key;
    TKind kind;
    int shellPasses;
};

using L = QLatin1StringView;

constexpr TKeyedArrangement KeyedArrangements[] = {
    {L("counter-flow"), TKind::akCounterFlow, 1},
    {L("parallel-flow"), TKind::akParallelFlow, 1},
    {L("shell-and-tube-1"), TKind::akShellAndTube, 1},
    {L("shell-and-tube-2"), TKind::akShellAndTube, 2},
    {L("shell-and-tube-3"), TKind::akShellAndTube, 3},
    {L("shell-and-tube-4"), TKind::akShellAndTube, 4},
    {L("shell-and-tube-5"), TKind::akShellAndTube, 5},
    {L("shell-and-tube-6"), TKind::akShellAndTube, 6},
    {L("shell-and-tube-7"), TKind::akShellAndTube, 7},
    {L("shell-and-tube-8"), TKind::akShellAndTube, 8},
    {L("cross-flow-unmixed"), TKind::akCrossFlowUnmixed, 1},
    {L("cross-flow-hot-mixed"), TKind::akCrossFlowHotMixed, 1},
    {L("cross-flow-cold-mixed"), TKind::akCrossFlowColdMixed, 1},
};
static_assert(std::size(KeyedArrangements) == 5 + TFlowArrangement::MaxShellPasses);

} // namespace

std::optional<TFlowArrangement> TFlowArrangement::FromKey(QStringView key)
{
    for (const TKeyedArrangement& keyed : KeyedArrangements)
        if (key.compare(keyed.key, Qt::CaseInsensitive) == 0)
            return TFlowArrangement(keyed.kind, keyed.shellPasses);
    return {};
}

QLatin1StringView TFlowArrangement::Key() const
{
    for (const TKeyedArrangement& keyed : KeyedArrangements)
        if (keyed.kind == m_kind && keyed.shellPasses == m_shellPasses)
            return keyed.key;
    return KeyedArrangements[0].key;
}

QString TFlowArrangement::Name() const
{
    switch (m_kind) {
    case TKind::akCounterFlow:
        break;
    case TKind::akParallelFlow:
        return QStringLiteral("parallel flow");
    case TKind::akShellAndTube:
        return Format(QStringLiteral("shell and tube, %d shell %s"),
                      {std::int64_t(m_shellPasses),
                       m_shellPasses == 1 ? QStringLiteral("pass") : QStringLiteral("passes")});
    case TKind::akCrossFlowUnmixed:
        return QStringLiteral("cross flow, both streams unmixed");
    case TKind::akCrossFlowHotMixed:
        return QStringLiteral("cross flow, hot stream mixed");
    case TKind::akCrossFlowColdMixed:
        return QStringLiteral("cross flow, cold stream mixed");
    }
    return QStringLiteral("counter flow");
}

TFlowRelation TFlowArrangement::RelationFor(bool hotIsCmax) const
{
    switch (m_kind) {
    case TKind::akCounterFlow:
        break;
    case TKind::akParallelFlow:
        return TFlowRelation(TModel::fmParallelFlow);
    case TKind::akShellAndTube:
        return TFlowRelation(TModel::fmShellPasses, m_shellPasses);
    case TKind::akCrossFlowUnmixed:
        return TFlowRelation(TModel::fmCrossFlowUnmixed);
    case TKind::akCrossFlowHotMixed:
        return TFlowRelation(hotIsCmax ? TModel::fmCrossFlowCmaxMixed
                                       : TModel::fmCrossFlowCminMixed);
    case TKind::akCrossFlowColdMixed:
        return TFlowRelation(hotIsCmax ? TModel::fmCrossFlowCminMixed
                                       : TModel::fmCrossFlowCmaxMixed);
    }
    return TFlowRelation(TModel::fmCounterFlowCapped);
}
