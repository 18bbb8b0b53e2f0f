#include "ArrangementSolveTest.h"

#include "ArrangementError.h"
#include "BatchSolver.h"
#include "CaseArguments.h"
#include "CaseInput.h"
#include "CaseSolve.h"
#include "Feasibility.h"
#include "HeadlessRun.h"
#include "HeadlessSolver.h"
#include "HeatTransfer.h"
#include "HxTestSupport.h"
#include "LookupTables.h"
#include "TestFiles.h"
#include "Verdict.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <cmath>

namespace {

TFlowArrangement ArrangementOf(const QString& key)
{
    const std::optional<TFlowArrangement> arrangement = TFlowArrangement::FromKey(key);
    if (!arrangement)
        throw std::invalid_argument("no arrangement " + key.toStdString());
    return *arrangement;
}

// Oil at 120 -> 40 °C against water at 20 -> 60 °C: e 0.8 at Cr 0.5, beyond the
// 0.764 one shell pass reaches. Fields a solve may leave alone hold marks.
THx HotOilCase(const QString& key, double area)
{
    THx hx;
    hx.method = THxMethod::hmNone; // a mark: no solve chose one
    hx.arrangement = ArrangementOf(key);
    SetFields(hx, {{"thi", 120},
                   {"tho", 40},
                   {"mh", 1},
                   {"cph", 2},
                   {"tci", 20},
                   {"tco", 60},
                   {"mc", 1},
                   {"cpc", 4},
                   {"Uo", 0.5},
                   {"Ao", area},
                   {"Q", 160},
                   {"ntu", -7},
                   {"lmtd", -8},
                   {"e", -2},
                   {"cr", -3}});
    hx.F = -1;
    return hx;
}

// A feasible case of the same streams: oil at 120 °C, 2 kg/s, against water at
// 20 °C, 0.8 kg/s, through 6.5 m² at 500 W/m²°C.
THx SolvedFeasibleCase(const QString& key)
{
    THx hx;
    hx.hotFluid = QStringLiteral("oil");
    hx.coldFluid = QStringLiteral("water");
    hx.heatXType = QStringLiteral("test type");
    hx.arrangement = ArrangementOf(key);
    SetFields(hx, {{"thi", 120},
                   {"mh", 2},
                   {"cph", 2},
                   {"tci", 20},
                   {"mc", 0.8},
                   {"cpc", 4.193},
                   {"Uo", 0.5},
                   {"Ao", 6.5}});
    hx.Solve(1 + 4 + 8 + 32 + 64 + 128);
    return hx;
}

using TRun = THeadlessRun;

TRun RunHeadless(const QString& folder, const QStringList& arguments, const QByteArray& input = {})
{
    return ::RunHeadless(folder, "1.0", arguments, input);
}

} // namespace

QString ArrangementSolveTest::ProgramFolderWithTypes(const QByteArray& types)
{
    const QString folder = m_dir.path();
    QFile::remove(folder + "/fluids.ini");
    if (!QFile::copy(qEnvironmentVariable("KELVANE_PROGRAM_DIR") + "/fluids.ini",
                     folder + "/fluids.ini") ||
        !WriteAll(folder + "/heatxtype.ini", types))
        qFatal("cannot set up the program folder %s", qPrintable(folder));
    return folder;
}

void ArrangementSolveTest::unreachableEffectivenessStopsTheSolve_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("mask");
    QTest::addColumn<double>("area");
    QTest::addColumn<QString>("method");
    QTest::addColumn<QStringList>("untouched");
    QTest::addColumn<QString>("finding"); // the verdict's first; none where the solve completes
    const QStringList tail = {"ntu", "Ao"};
    const QString onePass =
        "effectiveness beyond the reach of shell and tube, 1 shell pass: e 0.800, limit 0.764 "
        "at Cr 0.500";
    QTest::newRow("1 shell pass, hot fluid specified")
        << "shell-and-tube-1" << 111 << 10.0 << "Hot fluid specified" << tail << onePass;
    QTest::newRow("1 shell pass, duty specified")
        << "shell-and-tube-1" << 256 + 3 + 24 + 64 << 10.0 << "Duty specified" << tail << onePass;
    QTest::newRow("1 shell pass, data not properly specified")
        << "shell-and-tube-1" << 1 + 4 + 8 + 32 + 64 << 10.0 << "Data not properly specified"
        << tail << onePass;
    QTest::newRow("1 shell pass, LMTD method") << "shell-and-tube-1" << 219 << 10.0 << "LMTD method"
                                               << QStringList{"Q", "ntu", "mh", "mc"} << onePass;
    QTest::newRow("parallel flow, cold fluid specified")
        << "parallel-flow" << 8 + 16 + 32 + 1 + 4 + 64 << 10.0 << "Cold fluid specified" << tail
        << "effectiveness beyond the reach of parallel flow: e 0.800, limit 0.667 at Cr 0.500";
    // Water is the Cmax stream here: mixed, it limits e to (1 - exp(-0.5))/0.5 = 0.787;
    // mixed oil, the Cmin stream, to 1 - exp(-2) = 0.865.
    QTest::newRow("cross flow, cold mixed, hot fluid specified")
        << "cross-flow-cold-mixed" << 111 << 10.0 << "Hot fluid specified" << tail
        << "effectiveness beyond the reach of cross flow, cold stream mixed: e 0.800, limit "
           "0.787 at Cr 0.500";
    QTest::newRow("cross flow, hot mixed reaches it")
        << "cross-flow-hot-mixed" << 111 << 10.0 << "Hot fluid specified" << QStringList{} << "";
    QTest::newRow("1 shell pass, e-Ntu method with a negative area")
        << "shell-and-tube-1" << 237 << -10.0 << "e-Ntu method"
        << QStringList{"e", "Q", "tho", "tco", "lmtd"}
        << "no solution for shell and tube, 1 shell pass: Ntu -2.500, Cr 0.500";
    QTest::newRow("2 shell passes reach it")
        << "shell-and-tube-2" << 111 << 10.0 << "Hot fluid specified" << QStringList{} << "";
    QTest::newRow("cross flow, both unmixed reaches it")
        << "cross-flow-unmixed" << 219 << 10.0 << "LMTD method" << QStringList{} << "";
    QTest::newRow("counter flow reaches it")
        << "counter-flow" << 111 << 10.0 << "Hot fluid specified" << QStringList{} << "";
}

// Where the arrangement cannot reach the effectiveness, Solve ends at that step
// without an error and without any non-finite value: what it solved before
// (the lmtd too) stays, F is 0, and the fields of later steps keep what they held.
// The verdict then finds the case infeasible and says why, first.
void ArrangementSolveTest::unreachableEffectivenessStopsTheSolve()
{
    QFETCH(QString, key);
    QFETCH(int, mask);
    QFETCH(double, area);
    QFETCH(QString, method);
    QFETCH(QStringList, untouched);
    QFETCH(QString, finding);
    const bool completes = finding.isEmpty();
    const THx before = HotOilCase(key, area);
    THx hx = before;
    hx.Solve(mask);
    QCOMPARE(MethodName(hx.method), method);
    // The verdict names the arrangement, e and the limit first.
    const TVerdict verdict = CheckFeasibility({before, hx, mask, true});
    if (completes) {
        for (const QString& other : verdict.Findings())
            QVERIFY2(!other.contains("reach") && !other.startsWith("no solution"),
                     qPrintable(other));
    } else {
        QVERIFY(verdict.IsInfeasible());
        QCOMPARE(verdict.Findings().first(), finding);
        // Beyond the reach, the values of later steps were not computed: no
        // finding judges them, only warnings may follow.
        if (finding.startsWith("effectiveness beyond"))
            for (const QString& other : verdict.Findings().mid(1))
                QVERIFY2(other.startsWith("duty not given") || other.startsWith("given value"),
                         qPrintable(other));
    }
    for (const THxNumberField& field : HxNumberFields)
        QVERIFY2(std::isfinite(hx.*field.member), field.name);
    // What the solve did not reach keeps its value in the record, and no output shows it.
    for (const QString& name : untouched) {
        QVERIFY2(FieldOf(hx, name) == FieldOf(before, name), qPrintable(name));
        QVERIFY2(std::isnan(ResultOf(hx, name)), qPrintable(name));
    }
    const TFlowRelation relation = hx.arrangement.RelationFor(hx.ch >= hx.cc);
    if (!completes) {
        QVERIFY(std::isnan(hx.Result(&THx::F)));
        if (!untouched.contains("e")) {
            QCOMPARE(Fixed3(hx.e), QStringLiteral("0.800"));
            QCOMPARE(Fixed3(hx.cr), QStringLiteral("0.500"));
            QVERIFY(hx.e >= relation.Limit(hx.cr));
            // The lmtd needs no ntu, so it is there too.
            QCOMPARE(hx.lmtd, Lmtd(hx.thi, hx.tho, hx.tci, hx.tco));
        }
        return;
    }
    QVERIFY(hx.F > 0 && hx.F <= 1);
    QCOMPARE(hx.F == 1, hx.arrangement.IsCounterFlow());
    QVERIFY(std::abs(*relation.Effectiveness(hx.ntu, hx.cr) - hx.e) <= 1e-12);
    // The rate equation with F gives the duty.
    QVERIFY(std::abs(hx.Uo * hx.Ao * hx.F * hx.lmtd - hx.Q) <= 1e-9 * hx.Q);
}

// The Cmin stream mixed at Cr 0.01 and ntu 1000: e rounds to 1, so the hot
// stream leaves at the cold inlet. The solve stops at that pinch, before the
// counter-flow ntu that F divides by grows too large to hold, and raises nothing.
void ArrangementSolveTest::effectivenessOfOneIsAPinch()
{
    THx hx = HotOilCase("cross-flow-hot-mixed", 4000);
    SetFields(hx, {{"mc", 50}});
    const THx given = hx;
    THx raising = hx;
    raising.Solve(237);
    QCOMPARE(raising.stop, TSolveStop::ssTemperatures);
    QVERIFY(!hx.SolveOrFault(237));
    QCOMPARE(RecordText(hx), RecordText(raising));
    QVERIFY(std::isnan(hx.Result(&THx::F)));
    QVERIFY(std::isnan(hx.Result(&THx::lmtd)));
    const TVerdict verdict = JudgeSolve(given, hx, 237);
    QCOMPARE(verdict.Findings(),
             QStringList{"temperature pinch at the cold end: tho 20.0 °C, tci 20.0 °C"});
}

void ArrangementSolveTest::resultsNameTheArrangementAndF_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("name");
    QTest::newRow("parallel flow") << "parallel-flow"
                                   << "parallel flow";
    QTest::newRow("1 shell pass") << "shell-and-tube-1"
                                  << "shell and tube, 1 shell pass";
    QTest::newRow("cross flow, cold mixed") << "cross-flow-cold-mixed"
                                            << "cross flow, cold stream mixed";
}

// The page of another arrangement is the counter-flow page of the same record
// with the arrangement's name under the exchanger title and F after lmtd; the
// text form likewise; the diagnostics' rate equation takes F, so it agrees with
// the duty as on a counter-flow page.
void ArrangementSolveTest::resultsNameTheArrangementAndF()
{
    QFETCH(QString, key);
    QFETCH(QString, name);
    const THx hx = SolvedFeasibleCase(key);
    QVERIFY(hx.F > 0.5 && hx.F < 1);
    THx asCounterFlow = hx;
    asCounterFlow.arrangement = TFlowArrangement();

    QStringList page;
    hx.WriteResultsPage(page);
    QStringList counterFlowPage;
    asCounterFlow.WriteResultsPage(counterFlowPage);
    QCOMPARE(counterFlowPage.size(), 40);
    QStringList expected = counterFlowPage;
    expected.insert(
        expected.indexOf(QStringLiteral("<p class=\"hd\"><b>VuduD</b>: test type</p>")) + 1,
        "<p>arrangement: " + name + "</p>");
    expected.insert(expected.indexOf("<p>lmtd = " + Fixed3(hx.lmtd) + " &deg;C</p>") + 1,
                    "<p>F = " + Fixed3(hx.F) + "</p>");
    QCOMPARE(page, expected);

    QStringList text;
    hx.WriteResultsText(text);
    QVERIFY(text.contains("arrangement: " + name));
    QCOMPARE(text[text.indexOf("lmtd = " + Fixed3(hx.lmtd) + " °C") + 1], "F = " + Fixed3(hx.F));

    QStringList diagnostics;
    hx.WriteDiagnostics(diagnostics);
    QCOMPARE(diagnostics.size(), 9);
    QCOMPARE(diagnostics[7], "Uo Ao F lmtd = " + Fixed3(hx.Q) + " kW");
    QCOMPARE(diagnostics[8], "e Qmax = " + Fixed3(hx.Q) + " kW");

    const QJsonObject json =
        QJsonDocument::fromJson(THeadlessSolver::JsonOf(hx, TVerdict()).toUtf8()).object();
    QCOMPARE(json.value("arrangement").toString(), key);
    QCOMPARE(json.value("F").toDouble(), hx.F);
}

// The type stays listed; a case with it is no solution, named with the file,
// section and value, in the text, JSON and CSV outputs alike, and the types
// around it solve as before.
void ArrangementSolveTest::unknownArrangementIsNoSolution()
{
    const QString folder = ProgramFolderWithTypes(
        "[fin and tube]\nUo=37\n[odd one]\nUo=40\narrangement=zig-zag\n[spiral]\nUo=700\n");
    const QString message = "No solution with this data... (unknown arrangement \"zig-zag\" in "
                            "heatxtype.ini, section [odd one])";
    const QStringList odd = {"0",   "35", "12", "1",  "1",      "6",  "13",
                             "0.8", "1",  "37", "38", "23.529", "111"};
    for (const QStringList& options : {QStringList{}, QStringList{"--json"}}) {
        const TRun run = RunHeadless(folder, QStringList{"--solve"} + odd + options);
        QCOMPARE(run.code, 1);
        QCOMPARE(run.out, QString());
        QCOMPARE(run.err, "kelvane: " + message + "\n");
    }
    QStringList spiral = odd;
    spiral[8] = "2";
    QCOMPARE(RunHeadless(folder, QStringList{"--solve"} + spiral).code, 0);

    const TRun batch =
        RunHeadless(folder, {"--batch"},
                    ("Kelvane," + odd.join(',') + "\nKelvane," + spiral.join(',') + "\n").toUtf8());
    QCOMPARE(batch.code, 0);
    const QStringList rows = batch.out.split(u'\n');
    const QString quoted = u'"' + QString(message).replace(u'"', QStringLiteral("\"\"")) + u'"';
    QCOMPARE(rows[1], QString(35, u',') + quoted);
    QVERIFY(rows[2].contains(QStringLiteral(",spiral,")));
    QVERIFY(rows[2].endsWith(QStringLiteral(",Solved")));

    // The solve entry point fails the case with the arrangement's problem, solving nothing.
    const TLookupTables tables = TLookupTables::LoadFrom(folder);
    const TCaseInput input = TCaseArguments::Parse(odd).Input(tables);
    const TCaseResult result = SolveCase(input, SolvedInitialCase());
    QVERIFY(result.failure);
    QCOMPARE(result.failure->kind, TSolveFailure::fkArrangement);
    QCOMPARE(result.failure->Text(), QString(message));
    QCOMPARE(result.hx.Result(&THx::thi), input.values[mbThi]);
    for (const double THx::*derived : {&THx::lmtd, &THx::ntu, &THx::e, &THx::F})
        QVERIFY(std::isnan(result.hx.Result(derived)));
}
