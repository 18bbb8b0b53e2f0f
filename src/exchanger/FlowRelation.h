#pragma once

#include <optional>

// The effectiveness–NTU relation of one flow arrangement of two streams, in the
// capacity rate ratio cr = Cmin/Cmax (0 to 1) and ntu = UA/Cmin (0 or more).
// cr = 0 and cr = 1 are taken by their limits, never through a division by
// zero. Outside its domain a relation gives no value rather than a fault.
//
// A mixed cross-flow stream is named by its capacity rate (Cmax or Cmin mixed);
// which of the hot and cold streams that is, TFlowArrangement decides.
//
// Counter flow has two models. fmCounterFlow is the relation as it is, the one
// every other arrangement's F is measured against. fmCounterFlowCapped is counter
// flow as the duty solver works it (HeatTransfer.h): the textbook formulas over
// any values, an ntu capped rather than refused at the limit, faults raised as
// EMathError; it never stops a solve, and its F is 1.
class TFlowRelation
{
public:
    enum class TModel
    {
        fmCounterFlow,
        fmCounterFlowCapped,
        fmParallelFlow,
        fmShellPasses, // N shell passes, each with an even number of tube passes
        fmCrossFlowUnmixed,
        fmCrossFlowCmaxMixed,
        fmCrossFlowCminMixed
    };

    // Bounds of the bracketed root search for the relations without a closed inverse.
    static constexpr double RootTolerance = 1e-12; // relative, in ntu
    static constexpr double MaxNtu = 1e6;

    explicit constexpr TFlowRelation(TModel model, int shellPasses = 1)
        : m_model(model), m_shellPasses(shellPasses)
    {
    }

    TModel Model() const { return m_model; }

    // ε(ntu, cr); none unless ntu >= 0 and 0 <= cr <= 1.
    std::optional<double> Effectiveness(double ntu, double cr) const;
    // The ntu that gives the effectiveness e; none when no ntu does: e < 0, e at
    // or beyond Limit(cr), cr outside 0..1, or (root search only) an ntu above MaxNtu.
    std::optional<double> Ntu(double e, double cr) const;
    // What ε tends to as ntu grows without bound: the most the arrangement reaches.
    double Limit(double cr) const;
    // Whether a solve stops where ε reaches the limit: the capped counter flow
    // takes such an ε to its capped ntu instead.
    bool StopsAtLimit() const { return m_model != TModel::fmCounterFlowCapped; }
    // Whether the LMTD needs a correction factor: not for counter flow, whose F
    // is 1 by definition, before ε or ntu is known.
    bool HasCorrectionFactor() const
    {
        return m_model != TModel::fmCounterFlow && m_model != TModel::fmCounterFlowCapped;
    }
    // The LMTD correction factor F = ntu of counter flow / ntu of this
    // arrangement, both for (e, cr); 1 at e = 0 and at cr = 0, where all
    // arrangements agree. None where either ntu does not exist. The second form
    // takes this arrangement's ntu for (e, cr) as already found.
    std::optional<double> CorrectionFactor(double e, double cr) const;
    std::optional<double> CorrectionFactor(double e, double cr, double ntu) const;

private:
    TModel m_model;
    int m_shellPasses;
};
