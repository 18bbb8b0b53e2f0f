#include "FeasibilityTest.h"

#include "Feasibility.h"
#include "HxTestSupport.h"
#include "MathError.h"

#include <QTest>

void FeasibilityTest::verdicts_data()
{
    QTest::addColumn<bool>("fromSolved");
    QTest::addColumn<THxValues>("set");
    QTest::addColumn<int>("mask");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QStringList>("findings");

    QTest::newRow("initial case: feasible")
        << false << THxValues{} << 111 << "feasible" << QStringList{};
    QTest::newRow("LMTD example: feasible")
        << true << THxValues{{"tco", 13.0}} << 219 << "feasible" << QStringList{};
    QTest::newRow("e-Ntu example: feasible")
        << true << THxValues{} << 237 << "feasible" << QStringList{};

    // Oil at 120 °C cannot heat water to 130 °C.
    const THxValues coldAboveHotInlet = {{"thi", 120}, {"tho", 0},   {"mh", 2}, {"cph", 2.0},
                                         {"tci", 20},  {"tco", 130}, {"mc", 1}, {"cpc", 4.193},
                                         {"Uo", 0.3},  {"Ao", 50},   {"Q", 0}};
    // The solve stops at the cross: the effectiveness and size it would have
    // worked out from it are not judged.
    QTest::newRow("cold outlet above the hot inlet: temperature cross")
        << false << coldAboveHotInlet << 57 << "infeasible"
        << QStringList{"temperature cross at the hot end: thi 120.0 °C, tco 130.0 °C",
                       "temperature cross at the cold end: tho 4.7 °C, tci 20.0 °C"};
    QTest::newRow("the same with the area given")
        << false << coldAboveHotInlet << 57 + 128 << "infeasible"
        << QStringList{"temperature cross at the hot end: thi 120.0 °C, tco 130.0 °C",
                       "temperature cross at the cold end: tho 4.7 °C, tci 20.0 °C"};
    QTest::newRow("hot inlet below the cold inlet with e-Ntu: negative duty")
        << true << THxValues{{"thi", 5.0}} << 237 << "infeasible"
        << QStringList{"temperature cross at the hot end: thi 5.0 °C, tco 5.8 °C",
                       "temperature cross at the cold end: tho 5.8 °C, tci 6.0 °C",
                       "hot stream not cooling: thi 5.0 °C, tho 5.8 °C",
                       "cold stream not heating: tci 6.0 °C, tco 5.8 °C",
                       "duty not positive: Q -0.811 kW"};
    // Effectiveness 1 exactly: the hot stream leaves at the cold inlet.
    QTest::newRow("e-Ntu at the limit: temperature pinch")
        << false << THxValues{{"thi", 36}, {"mh", 1},  {"cph", 1}, {"tci", 4},
                              {"mc", 1},   {"cpc", 4}, {"Uo", 1},  {"Ao", 100}}
        << 237 << "infeasible"
        << QStringList{"temperature pinch at the cold end: tho 4.0 °C, tci 4.0 °C"};
    QTest::newRow("cold outlet below its inlet with the duty given: negative flow")
        << true << THxValues{{"Q", 20.0}, {"tco", 3.0}} << 256 + 31 << "infeasible"
        << QStringList{"cold stream not heating: tci 6.0 °C, tco 3.0 °C",
                       "effectiveness not positive: e -0.103",
                       "flow not positive: mc -1.5900 kg/s",
                       "capacity rate not positive: cc -6.667 kW/K",
                       "number of transfer units not positive: Ntu -0.193",
                       "given value changed: mh given 1.0000 kg/s, computed 0.8500 kg/s"};
    QTest::newRow("Uo and Ao given without enough temperatures: nothing computed")
        << true << THxValues{{"thi", 40.0}} << 193 << "infeasible"
        << QStringList{"nothing computed: with Uo and Ao given, give thi, tho, tci, tco or thi, "
                       "mh, tci, mc"};

    QTest::newRow("four temperatures and both flows: the cold side changes mh")
        << false << THxValues{{"thi", 80}, {"tho", 40}, {"mh", 2},     {"cph", 1},
                              {"tci", 20}, {"tco", 50}, {"mc", 0.6367}}
        << 63 << "warnings"
        << QStringList{"given value changed: mh given 2.0000 kg/s, computed 2.0023 kg/s"};
    QTest::newRow("four temperatures and both flows: a change within rounding is none")
        << false << THxValues{{"thi", 80}, {"tho", 40}, {"mh", 2},           {"cph", 1},
                              {"tci", 20}, {"tco", 50}, {"mc", 80.0 / 30.0}, {"cpc", 1}}
        << 63 << "feasible" << QStringList{};
    QTest::newRow("everything given: the duty changes both flows and Uo")
        << true << THxValues{{"Q", 30.0}} << 511 << "warnings"
        << QStringList{"given value changed: mh given 1.0000 kg/s, computed 1.2750 kg/s",
                       "given value changed: mc given 0.8000 kg/s, computed 1.0200 kg/s",
                       "given value changed: Uo given 37 W/m²°C, computed 47.176 W/m²°C"};
    QTest::newRow("duty with a lone cold outlet: the ticked outlet is computed over")
        << true << THxValues{{"Q", 20.0}, {"tco", 13.0}} << 256 + 16 << "warnings"
        << QStringList{"given value changed: tco given 13.0 °C, computed 12.0 °C"};
    QTest::newRow("nothing given: worked from the unticked duty")
        << true << THxValues{{"Q", 20.0}} << 0 << "warnings"
        << QStringList{"duty not given: worked from Q 20.000 kW as entered"};
}

void FeasibilityTest::verdicts()
{
    QFETCH(bool, fromSolved);
    QFETCH(THxValues, set);
    QFETCH(int, mask);
    QFETCH(QString, verdict);
    QFETCH(QStringList, findings);
    THx hx = Prepared(fromSolved, set);
    THx plain = hx;
    const TVerdict result = SolveWithVerdict(hx, mask);
    QCOMPARE(result.Findings(), findings);
    QCOMPARE(QString(result.KindName()), verdict);
    QCOMPARE(result.IsInfeasible(), verdict == "infeasible");
    // Judging changes no value of the solve.
    plain.Solve(mask);
    QCOMPARE(RecordText(hx), RecordText(plain));
}

// Solve computes nothing exactly for the masks SolveComputes refuses: then it
// leaves every field, the method included, as it was.
void FeasibilityTest::solveComputesExactlyWhenSolveChangesTheRecord()
{
    for (int mask = 0; mask < 512; ++mask) {
        THx hx = SolvedInitialCase();
        hx.tco = 13;
        hx.Q = 20;
        hx.method = THxMethod::hmNone;
        const QString before = RecordText(hx);
        bool changed = true;
        try {
            hx.Solve(mask);
            changed = RecordText(hx) != before;
        } catch (const EMathError&) {
        }
        QVERIFY2(SolveComputes(mask) == changed, qPrintable(QString::number(mask)));
    }
}

void FeasibilityTest::infeasibleFindingsComeBeforeWarnings()
{
    TVerdict verdict;
    QCOMPARE(verdict.Kind(), TVerdict::vkFeasible);
    verdict.AddWarning("w1");
    QCOMPARE(verdict.Kind(), TVerdict::vkWarnings);
    verdict.AddInfeasible("i1");
    verdict.AddWarning("w2");
    verdict.AddInfeasible("i2");
    QCOMPARE(verdict.Kind(), TVerdict::vkInfeasible);
    QCOMPARE(verdict.Findings(), QStringList({"i1", "i2", "w1", "w2"}));
    QStringList lines{"Diagnostic"};
    verdict.AppendFindings(lines);
    QCOMPARE(lines, QStringList({"Diagnostic", "", "i1", "i2", "w1", "w2"}));
    lines = QStringList{"Diagnostic"};
    TVerdict().AppendFindings(lines);
    QCOMPARE(lines, QStringList{"Diagnostic"});
}

// Nothing computed leaves the record's earlier results beside huge given
// values: Uo·Ao, the first diagnostic product, overflows.
void FeasibilityTest::diagnosticOverflowFailsTheSolve()
{
    THx hx = SolvedInitialCase();
    hx.Uo = 1e300;
    hx.Ao = 1e300;
    try {
        SolveWithVerdict(hx, 193);
        QFAIL("no fault");
    } catch (const EMathError& error) {
        QCOMPARE(error.Fault(), TMathFault::mfOverflow);
    }
    QStringList lines;
    QVERIFY_THROWS_EXCEPTION(EMathError, hx.WriteDiagnostics(lines));
}

// The diagnostic lines show the products that the solve with a verdict checks.
void FeasibilityTest::diagnosticLinesShowTheCheckedProducts()
{
    const THx hx = SolvedInitialCase();
    QStringList lines;
    hx.WriteDiagnostics(lines);
    const std::array<double, 6> products = hx.DiagnosticProducts();
    const int lineOf[] = {2, 3, 5, 6, 7, 8};
    for (int i = 0; i < 6; ++i)
        QVERIFY2(lines[lineOf[i]].contains(" = " + Fixed3(products[i]) + " kW"),
                 qPrintable(lines[lineOf[i]]));
}
