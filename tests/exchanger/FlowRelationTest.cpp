#include "FlowRelationTest.h"

#include "FlowArrangement.h"
#include "HeatTransfer.h"
#include "HxTestSupport.h"

#include <QTest>
#include <cmath>
#include <limits>

using TModel = TFlowRelation::TModel;
Q_DECLARE_METATYPE(TModel)

namespace {

constexpr double NotANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double Infinity = std::numeric_limits<double>::infinity();

// Every relation, named as the rows of the tables below use them.
struct TNamedRelation
{
    const char* name;
    TModel model;
    int shellPasses;
};

constexpr TNamedRelation AllRelations[] = {
    {"counter flow", TModel::fmCounterFlow, 1},
    {"parallel flow", TModel::fmParallelFlow, 1},
    {"1 shell pass", TModel::fmShellPasses, 1},
    {"2 shell passes", TModel::fmShellPasses, 2},
    {"3 shell passes", TModel::fmShellPasses, 3},
    {"8 shell passes", TModel::fmShellPasses, 8},
    {"cross flow, both unmixed", TModel::fmCrossFlowUnmixed, 1},
    {"cross flow, Cmax mixed", TModel::fmCrossFlowCmaxMixed, 1},
    {"cross flow, Cmin mixed", TModel::fmCrossFlowCminMixed, 1},
};

void AddRelationColumns()
{
    QTest::addColumn<TModel>("model");
    QTest::addColumn<int>("shellPasses");
}

// One row per relation, named after it.
void AddRowPerRelation()
{
    AddRelationColumns();
    for (const TNamedRelation& relation : AllRelations)
        QTest::newRow(relation.name) << relation.model << relation.shellPasses;
}

TFlowRelation FetchedRelation()
{
    QFETCH(TModel, model);
    QFETCH(int, shellPasses);
    return TFlowRelation(model, shellPasses);
}

double EffectivenessOf(const TFlowRelation& relation, double ntu, double cr)
{
    const std::optional<double> e = relation.Effectiveness(ntu, cr);
    if (!e)
        throw std::logic_error("no effectiveness");
    return *e;
}

const double NtuGrid[] = {0.01, 0.02, 0.05, 0.1, 0.2, 0.5, 1, 1.5, 2, 3, 5, 7, 10, 15, 20};
const double CrGrid[] = {0, 1e-9, 0.01, 0.1, 0.25, 0.5, 0.75, 0.9, 0.99, 0.999999, 1};

QByteArray Where(double ntu, double cr)
{
    return QStringLiteral("ntu %1, cr %2").arg(ntu).arg(cr).toLatin1();
}

} // namespace

void FlowRelationTest::textbookEffectiveness_data()
{
    AddRelationColumns();
    QTest::addColumn<double>("ntu");
    QTest::addColumn<double>("cr");
    QTest::addColumn<QString>("effectiveness");
    const auto row = [](const char* name, TModel model, int passes, double ntu, double cr,
                        const char* e) {
        QTest::newRow(name) << model << passes << ntu << cr << QString::fromLatin1(e);
    };
    row("counter flow (1, 0.5)", TModel::fmCounterFlow, 1, 1, 0.5, "0.5647");
    row("parallel flow (1, 0.5)", TModel::fmParallelFlow, 1, 1, 0.5, "0.5179");
    row("1 shell pass (1, 0.5)", TModel::fmShellPasses, 1, 1, 0.5, "0.5399");
    row("2 shell passes (1, 0.5)", TModel::fmShellPasses, 2, 1, 0.5, "0.5583");
    row("cross flow, both unmixed (1, 0.5)", TModel::fmCrossFlowUnmixed, 1, 1, 0.5, "0.5475");
    row("cross flow, Cmax mixed (1, 0.5)", TModel::fmCrossFlowCmaxMixed, 1, 1, 0.5, "0.5420");
    row("cross flow, Cmin mixed (1, 0.5)", TModel::fmCrossFlowCminMixed, 1, 1, 0.5, "0.5448");
    // The exact series, not the one-line approximation (which gives 0.4685).
    row("cross flow, both unmixed (1, 1)", TModel::fmCrossFlowUnmixed, 1, 1, 1, "0.4762");
    row("counter flow (2, 0.5)", TModel::fmCounterFlow, 1, 2, 0.5, "0.7746");
    row("parallel flow (2, 0.5)", TModel::fmParallelFlow, 1, 2, 0.5, "0.6335");
    row("1 shell pass (2, 0.5)", TModel::fmShellPasses, 1, 2, 0.5, "0.6931");
    row("2 shell passes (2, 0.5)", TModel::fmShellPasses, 2, 2, 0.5, "0.7522");
    row("cross flow, both unmixed (2, 0.5)", TModel::fmCrossFlowUnmixed, 1, 2, 0.5, "0.7324");
    row("cross flow, Cmax mixed (2, 0.5)", TModel::fmCrossFlowCmaxMixed, 1, 2, 0.5, "0.7020");
    row("cross flow, Cmin mixed (2, 0.5)", TModel::fmCrossFlowCminMixed, 1, 2, 0.5, "0.7175");
    row("counter flow (5, 1)", TModel::fmCounterFlow, 1, 5, 1, "0.8333");
    row("parallel flow (5, 1)", TModel::fmParallelFlow, 1, 5, 1, "0.5000");
    row("1 shell pass (5, 1)", TModel::fmShellPasses, 1, 5, 1, "0.5854");
    row("2 shell passes (5, 1)", TModel::fmShellPasses, 2, 5, 1, "0.7274");
    row("cross flow, both unmixed (5, 1)", TModel::fmCrossFlowUnmixed, 1, 5, 1, "0.7509");
    row("cross flow, Cmax mixed (5, 1)", TModel::fmCrossFlowCmaxMixed, 1, 5, 1, "0.6296");
    row("cross flow, Cmin mixed (5, 1)", TModel::fmCrossFlowCminMixed, 1, 5, 1, "0.6296");
    row("cross flow, both unmixed (3, 0.25)", TModel::fmCrossFlowUnmixed, 1, 3, 0.25, "0.8885");
    row("cross flow, both unmixed (0.5, 0.75)", TModel::fmCrossFlowUnmixed, 1, 0.5, 0.75, "0.3416");
}

void FlowRelationTest::textbookEffectiveness()
{
    const TFlowRelation relation = FetchedRelation();
    QFETCH(double, ntu);
    QFETCH(double, cr);
    QFETCH(QString, effectiveness);
    const double e = EffectivenessOf(relation, ntu, cr);
    QCOMPARE(Fixed4(e), effectiveness);
    const std::optional<double> back = relation.Ntu(e, cr);
    QVERIFY(back);
    QVERIFY2(std::abs(*back - ntu) <= 1e-9 * ntu, qPrintable(FloatToRoundTripText(*back)));
}

void FlowRelationTest::textbookCorrectionFactor_data()
{
    AddRelationColumns();
    QTest::addColumn<double>("e");
    QTest::addColumn<double>("cr");
    QTest::addColumn<QString>("factor");
    const auto row = [](const char* name, TModel model, int passes, double e, double cr,
                        const char* f) {
        QTest::newRow(name) << model << passes << e << cr << QString::fromLatin1(f);
    };
    row("1 shell pass (0.5, 0.5)", TModel::fmShellPasses, 1, 0.5, 0.5, "0.9420");
    row("1 shell pass (0.4, 1)", TModel::fmShellPasses, 1, 0.4, 1, "0.9209");
    row("2 shell passes (0.5, 0.5)", TModel::fmShellPasses, 2, 0.5, 0.5, "0.9861");
    row("parallel flow (0.5, 0.5)", TModel::fmParallelFlow, 1, 0.5, 0.5, "0.8774");
    row("parallel flow (0.6, 0.25)", TModel::fmParallelFlow, 1, 0.6, 0.25, "0.9062");
    row("cross flow, both unmixed (0.5, 0.5)", TModel::fmCrossFlowUnmixed, 1, 0.5, 0.5, "0.9586");
    row("cross flow, Cmax mixed (0.5, 0.5)", TModel::fmCrossFlowCmaxMixed, 1, 0.5, 0.5, "0.9468");
    row("cross flow, Cmin mixed (0.5, 0.5)", TModel::fmCrossFlowCminMixed, 1, 0.5, 0.5, "0.9529");
    row("cross flow, Cmin mixed (0.4, 1)", TModel::fmCrossFlowCminMixed, 1, 0.4, 1, "0.9324");
    row("counter flow (0.5, 0.5)", TModel::fmCounterFlow, 1, 0.5, 0.5, "1.0000");
    row("no duty", TModel::fmShellPasses, 1, 0, 0.5, "1.0000");
    row("one stream at constant temperature", TModel::fmParallelFlow, 1, 0.9, 0, "1.0000");
}

void FlowRelationTest::textbookCorrectionFactor()
{
    const TFlowRelation relation = FetchedRelation();
    QFETCH(double, e);
    QFETCH(double, cr);
    QFETCH(QString, factor);
    const std::optional<double> f = relation.CorrectionFactor(e, cr);
    QVERIFY(f);
    QCOMPARE(Fixed4(*f), factor);
    // F is the ratio of the two ntu, so it scales an lmtd into the arrangement's.
    const std::optional<double> ntu = relation.Ntu(e, cr);
    QVERIFY(ntu);
    QCOMPARE(relation.CorrectionFactor(e, cr, *ntu), f);
}

void FlowRelationTest::roundTrips_data()
{
    AddRowPerRelation();
}

// ntu -> e -> ntu over the grid. Where the relation is so flat that e, rounded
// to a double, no longer fixes ntu to 1e-9, the allowance grows by what that
// rounding alone moves ntu (a few units in the last place of e over the slope);
// the other way round, e -> ntu -> e, holds everywhere.
void FlowRelationTest::roundTrips()
{
    const TFlowRelation relation = FetchedRelation();
    for (const double cr : CrGrid) {
        for (const double ntu : NtuGrid) {
            const double e = EffectivenessOf(relation, ntu, cr);
            const std::optional<double> back = relation.Ntu(e, cr);
            if (e >= relation.Limit(cr)) {
                QVERIFY2(!back, Where(ntu, cr)); // e rounds to the limit itself
                continue;
            }
            QVERIFY2(back, Where(ntu, cr));
            const double again = EffectivenessOf(relation, *back, cr);
            QVERIFY2(std::abs(again - e) <= 2e-12 * e, Where(ntu, cr));
            const double h = 1e-6;
            const double slope = (EffectivenessOf(relation, ntu * (1 + h), cr) -
                                  EffectivenessOf(relation, ntu * (1 - h), cr)) /
                                 (2 * h * ntu);
            if (slope == 0)
                continue; // e does not tell ntu from its neighbours at all
            const double allowance =
                1e-9 * ntu + 16 * std::numeric_limits<double>::epsilon() * e / slope;
            QVERIFY2(std::abs(*back - ntu) <= allowance,
                     Where(ntu, cr) + " back " + FloatToRoundTripText(*back).toLatin1());
        }
    }
}

void FlowRelationTest::capacityRatioLimits_data()
{
    AddRowPerRelation();
}

// cr = 0 and cr = 1 are taken by their limits: every arrangement gives
// 1 - exp(-ntu) at cr = 0, and the values run continuously into both ends.
void FlowRelationTest::capacityRatioLimits()
{
    const TFlowRelation relation = FetchedRelation();
    for (const double ntu : {0.01, 0.5, 1.0, 3.0, 10.0}) {
        const double single = 1 - std::exp(-ntu);
        QVERIFY2(std::abs(EffectivenessOf(relation, ntu, 0) - single) <= 1e-15, Where(ntu, 0));
        QVERIFY2(std::abs(EffectivenessOf(relation, ntu, 1e-12) - single) <= 1e-10,
                 Where(ntu, 1e-12));
        const double atOne = EffectivenessOf(relation, ntu, 1);
        QVERIFY2(std::abs(EffectivenessOf(relation, ntu, 1 - 1e-9) - atOne) <= 1e-8,
                 Where(ntu, 1 - 1e-9));
        QVERIFY2(std::isfinite(atOne) && atOne > 0 && atOne < 1, Where(ntu, 1));
        for (const double cr : {0.0, 1.0}) {
            const std::optional<double> back = relation.Ntu(EffectivenessOf(relation, ntu, cr), cr);
            if (ntu < 10) // at ntu 10 some arrangements are at their limit already
                QVERIFY2(back && std::abs(*back - ntu) <= 1e-9 * ntu, Where(ntu, cr));
        }
        QCOMPARE(relation.CorrectionFactor(single, 0), std::optional<double>(1.0));
    }
}

void FlowRelationTest::reach_data()
{
    AddRelationColumns();
    QTest::addColumn<double>("cr");
    QTest::addColumn<double>("limit");
    const auto row = [](const char* name, TModel model, int passes, double cr, double limit) {
        QTest::newRow(name) << model << passes << cr << limit;
    };
    const double one = 1 / (1 + 0.5 + std::sqrt(1.25)); // one shell pass at cr 0.5, halved
    const double twoRatio = std::pow((1 - 2 * one * 0.5) / (1 - 2 * one), 2);
    row("counter flow", TModel::fmCounterFlow, 1, 0.5, 1);
    row("parallel flow", TModel::fmParallelFlow, 1, 0.5, 1 / 1.5);
    row("parallel flow, cr 1", TModel::fmParallelFlow, 1, 1, 0.5);
    row("1 shell pass", TModel::fmShellPasses, 1, 0.5, 2 * one);
    row("1 shell pass, cr 1", TModel::fmShellPasses, 1, 1, 2 / (2 + std::sqrt(2.0)));
    row("2 shell passes", TModel::fmShellPasses, 2, 0.5, (twoRatio - 1) / (twoRatio - 0.5));
    row("cross flow, both unmixed", TModel::fmCrossFlowUnmixed, 1, 0.5, 1);
    row("cross flow, Cmax mixed", TModel::fmCrossFlowCmaxMixed, 1, 0.5, (1 - std::exp(-0.5)) / 0.5);
    row("cross flow, Cmin mixed", TModel::fmCrossFlowCminMixed, 1, 0.5, 1 - std::exp(-2.0));
    row("cross flow, Cmin mixed, cr 1", TModel::fmCrossFlowCminMixed, 1, 1, 1 - std::exp(-1.0));
    row("any arrangement at cr 0", TModel::fmShellPasses, 1, 0, 1);
}

// What an arrangement cannot reach: at or beyond its limit there is no ntu;
// just below it there is one, and a long enough exchanger comes close.
void FlowRelationTest::reach()
{
    const TFlowRelation relation = FetchedRelation();
    QFETCH(double, cr);
    QFETCH(double, limit);
    QVERIFY(std::abs(relation.Limit(cr) - limit) <= 1e-15);
    QVERIFY(!relation.Ntu(limit, cr));
    QVERIFY(!relation.Ntu(std::nextafter(limit, 2.0), cr));
    QVERIFY(!relation.CorrectionFactor(limit, cr));
    QVERIFY(!relation.Ntu(1.2, cr));
    const std::optional<double> near = relation.Ntu(limit * (1 - 1e-6), cr);
    QVERIFY(near && std::isfinite(*near) && *near > 1);
    const double far = EffectivenessOf(relation, 60, cr);
    QVERIFY(far < limit || far == limit);
    if (limit < 1)
        QVERIFY2(limit - far < 1e-9, qPrintable(FloatToRoundTripText(limit - far)));
}

void FlowRelationTest::outsideTheDomain_data()
{
    QTest::addColumn<double>("ntuOrE");
    QTest::addColumn<double>("cr");
    QTest::newRow("negative") << -0.1 << 0.5;
    QTest::newRow("not a number") << NotANumber << 0.5;
    QTest::newRow("infinite") << Infinity << 0.5;
    QTest::newRow("cr below 0") << 0.5 << -0.1;
    QTest::newRow("cr above 1") << 0.5 << 1.1;
    QTest::newRow("cr not a number") << 0.5 << NotANumber;
}

// A relation outside its domain gives no value instead of a fault or a wrong number.
void FlowRelationTest::outsideTheDomain()
{
    QFETCH(double, ntuOrE);
    QFETCH(double, cr);
    for (const TNamedRelation& named : AllRelations) {
        const TFlowRelation relation(named.model, named.shellPasses);
        QVERIFY2(!relation.Effectiveness(ntuOrE, cr), named.name);
        QVERIFY2(!relation.Ntu(ntuOrE, cr), named.name);
        QVERIFY2(!relation.CorrectionFactor(ntuOrE, cr), named.name);
    }
}

void FlowRelationTest::arrangementKeys_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("canonicalKey");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("counterFlow");
    const auto row = [](const char* key, const char* canonical, const char* name) {
        QTest::newRow(key) << QString::fromLatin1(key) << QString::fromLatin1(canonical)
                           << QString::fromLatin1(name)
                           << (QByteArray(canonical) == "counter-flow");
    };
    row("counter-flow", "counter-flow", "counter flow");
    row("parallel-flow", "parallel-flow", "parallel flow");
    row("shell-and-tube-1", "shell-and-tube-1", "shell and tube, 1 shell pass");
    row("shell-and-tube-2", "shell-and-tube-2", "shell and tube, 2 shell passes");
    row("shell-and-tube-8", "shell-and-tube-8", "shell and tube, 8 shell passes");
    row("cross-flow-unmixed", "cross-flow-unmixed", "cross flow, both streams unmixed");
    row("cross-flow-hot-mixed", "cross-flow-hot-mixed", "cross flow, hot stream mixed");
    row("cross-flow-cold-mixed", "cross-flow-cold-mixed", "cross flow, cold stream mixed");
    row("Parallel-Flow", "parallel-flow", "parallel flow");
    row("SHELL-AND-TUBE-3", "shell-and-tube-3", "shell and tube, 3 shell passes");
}

void FlowRelationTest::arrangementKeys()
{
    QFETCH(QString, key);
    QFETCH(QString, canonicalKey);
    QFETCH(QString, name);
    QFETCH(bool, counterFlow);
    const std::optional<TFlowArrangement> arrangement = TFlowArrangement::FromKey(key);
    QVERIFY(arrangement);
    QCOMPARE(QString(arrangement->Key()), canonicalKey);
    QCOMPARE(arrangement->Name(), name);
    QCOMPARE(arrangement->IsCounterFlow(), counterFlow);
    QCOMPARE(TFlowArrangement::FromKey(QString(arrangement->Key())), arrangement);
}

void FlowRelationTest::unknownArrangementKeys_data()
{
    QTest::addColumn<QString>("key");
    for (const char* key :
         {"", "counterflow", "counter flow", "shell-and-tube", "shell-and-tube-",
          "shell-and-tube-0", "shell-and-tube-9", "shell-and-tube-12", "shell-and-tube-2x",
          "cross-flow", "cross-flow-mixed", "parallel-flow ", "zigzag"})
        QTest::newRow(*key ? key : "empty") << QString::fromLatin1(key);
}

void FlowRelationTest::unknownArrangementKeys()
{
    QFETCH(QString, key);
    QVERIFY(!TFlowArrangement::FromKey(key));
}

void FlowRelationTest::mixedStreamFollowsTheCapacityRates_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("hotIsCmax");
    QTest::addColumn<TModel>("model");
    QTest::newRow("hot mixed, hot Cmax")
        << "cross-flow-hot-mixed" << true << TModel::fmCrossFlowCmaxMixed;
    QTest::newRow("hot mixed, hot Cmin")
        << "cross-flow-hot-mixed" << false << TModel::fmCrossFlowCminMixed;
    QTest::newRow("cold mixed, hot Cmax")
        << "cross-flow-cold-mixed" << true << TModel::fmCrossFlowCminMixed;
    QTest::newRow("cold mixed, hot Cmin")
        << "cross-flow-cold-mixed" << false << TModel::fmCrossFlowCmaxMixed;
    QTest::newRow("unmixed, hot Cmax")
        << "cross-flow-unmixed" << true << TModel::fmCrossFlowUnmixed;
    QTest::newRow("unmixed, hot Cmin")
        << "cross-flow-unmixed" << false << TModel::fmCrossFlowUnmixed;
    QTest::newRow("parallel, hot Cmin") << "parallel-flow" << false << TModel::fmParallelFlow;
}

void FlowRelationTest::mixedStreamFollowsTheCapacityRates()
{
    QFETCH(QString, key);
    QFETCH(bool, hotIsCmax);
    QFETCH(TModel, model);
    const std::optional<TFlowArrangement> arrangement = TFlowArrangement::FromKey(key);
    QVERIFY(arrangement);
    QCOMPARE(arrangement->RelationFor(hotIsCmax).Model(), model);
}

void FlowRelationTest::cappedCounterFlowIsTheSolversArithmetic_data()
{
    QTest::addColumn<double>("ntu");
    QTest::addColumn<double>("e");
    QTest::addColumn<double>("cr");
    QTest::newRow("ordinary") << 1.5 << 0.6 << 0.4;
    QTest::newRow("balanced") << 2.0 << 0.5 << 1.0;
    QTest::newRow("e at 1: ntu capped") << 50.0 << 1.0 << 0.5;
    QTest::newRow("e at 1, balanced: ntu capped at 100") << 1e9 << 1.0 << 1.0;
    QTest::newRow("negative ntu and e") << -0.5 << -0.2 << 0.3;
    QTest::newRow("capacity ratio above 1") << 0.8 << 0.4 << 2.5;
}

// The duty solver's counter flow: the specified formulas to the bit, over
// values the relation as it is refuses; it never stops at its limit and its F
// is 1, as the relation as it is has it too.
void FlowRelationTest::cappedCounterFlowIsTheSolversArithmetic()
{
    QFETCH(double, ntu);
    QFETCH(double, e);
    QFETCH(double, cr);
    const TFlowRelation capped(TModel::fmCounterFlowCapped);
    QCOMPARE(capped.Effectiveness(ntu, cr), std::optional<double>(Effectiveness(cr, ntu)));
    QCOMPARE(capped.Ntu(e, cr), std::optional<double>(NtuFromEffectiveness(cr, e)));
    QCOMPARE(capped.CorrectionFactor(e, cr), std::optional<double>(1.0));
    QVERIFY(!capped.StopsAtLimit());
    QVERIFY(!capped.HasCorrectionFactor());
    QVERIFY(!TFlowRelation(TModel::fmCounterFlow).HasCorrectionFactor());
    QVERIFY(TFlowRelation(TModel::fmShellPasses, 2).HasCorrectionFactor());
    QCOMPARE(TFlowArrangement::FromKey(u"counter-flow")->RelationFor(true).Model(),
             TModel::fmCounterFlowCapped);
}
