#include "SolverEdgesTest.h"

#include "CheckedMath.h"
#include "CsvFields.h"
#include "Feasibility.h"
#include "FlowArrangement.h"
#include "HxTestSupport.h"
#include "ProgramRun.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTest>
#include <cmath>

namespace {

constexpr double WaterCp = 4.193;

// Every method, by the mask it is chosen with; each keeps its share of the
// exchanger below given and finds the rest.
constexpr int Masks[] = {
    256 + 1 + 2 + 8 + 16 + 64, // Duty specified
    1 + 2 + 4 + 8 + 32 + 64,   // Hot fluid specified
    8 + 16 + 32 + 1 + 4 + 64,  // Cold fluid specified
    1 + 2 + 8 + 16 + 64 + 128, // LMTD method
    1 + 4 + 8 + 32 + 64 + 128, // e-Ntu method
    1 + 4 + 8 + 32 + 64,       // Data not properly specified, from the duty in the record
};

constexpr const char* ArrangementKeys[] = {
    "counter-flow",          "parallel-flow",    "shell-and-tube-1",   "shell-and-tube-2",
    "shell-and-tube-3",      "shell-and-tube-4", "shell-and-tube-5",   "shell-and-tube-6",
    "shell-and-tube-7",      "shell-and-tube-8", "cross-flow-unmixed", "cross-flow-hot-mixed",
    "cross-flow-cold-mixed",
};

// A value as typed with one decimal.
double OneDecimal(double value)
{
    return std::round(value * 10) / 10;
}

double Uniform(QRandomGenerator& random, double low, double high)
{
    return low + random.generateDouble() * (high - low);
}

// Water against water at the same flow: Cr is 1 however each method gets there.
THx RandomBalancedCase(QRandomGenerator& random)
{
    THx hx = InitialCase();
    hx.SetHotFluid(QStringLiteral("water"));
    hx.SetColdFluid(QStringLiteral("water"));
    hx.thi = OneDecimal(Uniform(random, 20, 300));
    hx.tci = OneDecimal(Uniform(random, -20, hx.thi - 1));
    const double change = OneDecimal(Uniform(random, 0.1, hx.thi - hx.tci));
    hx.tho = OneDecimal(hx.thi - change);
    hx.tco = OneDecimal(hx.tci + change);
    hx.mh = hx.mc = OneDecimal(Uniform(random, 0.1, 10));
    hx.Q = hx.mh * WaterCp * (hx.thi - hx.tho);
    hx.Uo = std::round(Uniform(random, 50, 3000)) / 1000;
    hx.Ao = OneDecimal(Uniform(random, 0.1, 100));
    return hx;
}

bool Near(double value, double expected)
{
    return std::abs(value - expected) <= 1e-9 * std::abs(expected);
}

QString Describe(const THx& hx, int mask)
{
    return QStringLiteral("%1, mask %2: ").arg(hx.arrangement.Key()).arg(mask) + RecordText(hx);
}

} // namespace

void SolverEdgesTest::initTestCase()
{
    m_program = QDir(qEnvironmentVariable("KELVANE_PROGRAM_DIR")).filePath("kelvane");
    QVERIFY2(QFileInfo(m_program).isExecutable(), qPrintable(m_program));
}

// Whatever the method and the arrangement, a balanced case either keeps the
// rate equation and the definition of Ntu, or is infeasible and says why. Each
// case goes through every method, the cases in turn through every arrangement.
void SolverEdgesTest::balancedCasesKeepTheirIdentities()
{
    QRandomGenerator random(20261210);
    constexpr int Cases = 10000;
    int feasible = 0;
    for (int i = 0; i < Cases; ++i) {
        THx typed = RandomBalancedCase(random);
        const char* key = ArrangementKeys[i % std::size(ArrangementKeys)];
        typed.arrangement = *TFlowArrangement::FromKey(QString::fromLatin1(key));
        for (const int mask : Masks) {
            THx hx = typed;
            const std::optional<TMathFault> fault = hx.SolveOrFault(mask);
            QVERIFY2(!fault, qPrintable("no solution: " + Describe(typed, mask)));
            const TVerdict verdict = JudgeSolve(typed, hx, mask);
            if (verdict.IsInfeasible()) {
                QVERIFY(!verdict.Findings().isEmpty());
                continue;
            }
            ++feasible;
            const double ua = hx.Uo * hx.Ao;
            QVERIFY2(Near(ua * hx.F * hx.lmtd, hx.Q),
                     qPrintable("Uo Ao F lmtd: " + Describe(hx, mask)));
            QVERIFY2(Near(hx.ntu * hx.cmin, ua), qPrintable("Ntu Cmin: " + Describe(hx, mask)));
        }
    }
    // Most cases are ordinary exchangers: the identities were really checked.
    QVERIFY2(feasible > Cases * int(std::size(Masks)) / 2, qPrintable(QString::number(feasible)));
}

void SolverEdgesTest::designWarningsOfAnArrangement_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QStringList>("findings");
    QTest::newRow("counter flow: none") << "counter-flow" << QStringList{};
    QTest::newRow("one shell pass: F below 0.75 and a cross in the shell")
        << "shell-and-tube-1"
        << QStringList{"correction factor below 0.75: F 0.574",
                       "temperature cross in the shell: tco 55.0 °C above tho 45.0 °C"};
    QTest::newRow("two shell passes take the cross") << "shell-and-tube-2" << QStringList{};
    QTest::newRow("parallel flow cannot reach it")
        << "parallel-flow"
        << QStringList{"effectiveness beyond the reach of parallel flow: e 0.688, limit 0.611 "
                       "at Cr 0.636"};
}

// Water cooled from 100 to 45 °C by water heated from 20 to 55 °C.
void SolverEdgesTest::designWarningsOfAnArrangement()
{
    QFETCH(QString, key);
    QFETCH(QStringList, findings);
    THx hx = InitialCase();
    hx.SetHotFluid(QStringLiteral("water"));
    hx.SetColdFluid(QStringLiteral("water"));
    SetFields(hx, {{"thi", 100}, {"tho", 45}, {"mh", 1}, {"tci", 20}, {"tco", 55}, {"Uo", 0.5}});
    hx.arrangement = *TFlowArrangement::FromKey(key);
    QCOMPARE(SolveWithVerdict(hx, 95).Findings(), findings);
}

// One shell pass cannot cool water from 100 to 40 °C against water heated from
// 20 to 60 °C: the solve stops before the ntu, F and area, which every output
// leaves blank instead of showing the values of the case solved before it.
void SolverEdgesTest::valuesNotReachedAreBlankInEveryOutput()
{
    const QStringList values = QString("1 100 40 1 1 20 60 0 6 500 0 0 95").split(u' ');
    const QStringList notReached = {"ntu", "Ao", "F"};

    const TProgramRun text = RunProgram(m_program, QStringList{"--solve"} + values);
    QCOMPARE(text.code, 3);
    for (const char* line : {"Ntu =", "Ao =", "F =", "Uo Ao =", "Ntu Cmin ="})
        QVERIFY2(text.out.split(u'\n').contains(line), qPrintable(text.out));
    QVERIFY2(text.out.contains("\ne = 0.750\n"), qPrintable(text.out));

    const TProgramRun json = RunProgram(m_program, QStringList{"--solve", "--json"} + values);
    const QJsonObject record = QJsonDocument::fromJson(json.out.toUtf8()).object();
    for (const QString& name : notReached)
        QVERIFY2(record.value(name).isNull(), qPrintable(name));
    QCOMPARE(record.value("e").toDouble(), 0.75);

    const TProgramRun batch =
        RunProgram(m_program, {"--batch"}, ("Kelvane," + values.join(u',') + "\n").toUtf8());
    const QStringList rows = batch.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(rows.size(), 2);
    const QStringList header = CsvFields(rows[0]);
    const QStringList row = CsvFields(rows[1]);
    for (const QString& name : notReached)
        QVERIFY2(row.value(header.indexOf(name)).isEmpty(), qPrintable(rows[1]));
    QVERIFY2(!row.value(header.indexOf("e")).isEmpty(), qPrintable(rows[1]));
}

void SolverEdgesTest::casesThroughEveryOutput_data()
{
    QTest::addColumn<QString>("values");
    QTest::addColumn<QString>("verdict");
    // The first finding; for a feasible case, "lmtd=…" or "ntu=…" to 1e-9.
    QTest::addColumn<QString>("expected");
    QTest::newRow("balanced lmtd: both end differences 63.9")
        << "1 143.6 125.0 2.84 1 61.1 0 2.84 0 500 0 0 111"
        << "feasible"
        << "lmtd=63.9";
    QTest::newRow("balanced Ntu: e/(1 - e) for e 12.5/146.1")
        << "1 159.5 147.0 0 1 13.4 25.9 0 0 500 10 0 219"
        << "feasible"
        << "ntu=0.09356287425149701";
    QTest::newRow("balanced Ntu: an ordinary exchanger, not Ntu 0")
        << "1 137.7 118.6 0 1 5.0 24.1 0 0 500 10 0 219"
        << "feasible"
        << "ntu=0.1681338028169014";
    QTest::newRow("cross in the sizing direction")
        << "1 100 60 1 1 20 0 0.45 0 500 0 0 111"
        << "infeasible"
        << "temperature cross at the hot end: thi 100.0 °C, tco 108.9 °C";
    QTest::newRow("exact pinch: tco reaches thi but for rounding")
        << "0 100 99.2 100 0 20 0 1 0 500 0 0 111"
        << "infeasible"
        << "temperature pinch at the hot end: thi 100.0 °C, tco 100.0 °C";
    QTest::newRow("cross in the rating direction")
        << "1 100 60 0 1 30 105 0 0 500 10 0 219"
        << "infeasible"
        << "temperature cross at the hot end: thi 100.0 °C, tco 105.0 °C";
    QTest::newRow("cross with Uo alone ticked, no method faults on it")
        << "1 100 60 1 1 30 105 1 0 500 0 0 91"
        << "infeasible"
        << "temperature cross at the hot end: thi 100.0 °C, tco 105.0 °C";
    QTest::newRow("below absolute zero") << "1 100 60 1 1 -300 0 1 0 500 0 0 111"
                                         << "infeasible"
                                         << "temperature below absolute zero: tci -300.0 °C";
    QTest::newRow("a hot stream that neither cools nor heats, duty given")
        << "1 100 100 1 1 20 60 1 0 500 0 50 283"
        << "infeasible"
        << "hot stream not cooling: thi 100.0 °C, tho 100.0 °C";
    QTest::newRow("e rounds to 1 in cross flow: the cold end pinches")
        << "0 100 0 1 0 20 0 10 8 500 148.22 0 237"
        << "infeasible"
        << "temperature pinch at the cold end: tho 20.0 °C, tci 20.0 °C";
    QTest::newRow("parallel flow at its limit: the outlets meet")
        << "1 100 60 1 1 20 60 0 5 600 0 0 95"
        << "infeasible"
        << "effectiveness beyond the reach of parallel flow: e 0.500, limit 0.500 at Cr 1.000";
    QTest::newRow("cross flow unmixed above its Ntu range, rated")
        << "0 100 0 1 0 20 0 1 8 500 3000000 0 237"
        << "infeasible"
        << "Ntu above the range of cross flow, both streams unmixed: Ntu 1466275.660, Cr 1.000, "
           "Ntu at most 1000000";
    QTest::newRow("cross flow unmixed above its Ntu range, sized")
        << "0 100 20.008 1 0 20 0 1 8 60 0 0 111"
        << "infeasible"
        << "Ntu above the range of cross flow, both streams unmixed: e 1.000, Cr 1.000, Ntu at "
           "most 1000000";
    QTest::newRow("one shell pass: low F and a cross in the shell")
        << "1 100 45 1 1 20 55 0 6 500 0 0 95"
        << "warnings"
        << "correction factor below 0.75: F 0.574";
}

// --solve, --json and --batch agree on the verdict and its first finding, and
// a feasible case has the value the physics gives.
void SolverEdgesTest::casesThroughEveryOutput()
{
    QFETCH(QString, values);
    QFETCH(QString, verdict);
    QFETCH(QString, expected);
    const QStringList arguments = values.split(u' ');
    const bool infeasible = verdict == u"infeasible";
    const bool feasible = expected.contains(u'=');

    const TProgramRun text = RunProgram(m_program, QStringList{"--solve"} + arguments);
    QCOMPARE(text.code, infeasible ? 3 : 0);
    if (!feasible)
        QVERIFY2(text.out.contains("\n\n" + expected + "\n"), qPrintable(text.out));

    const TProgramRun json = RunProgram(m_program, QStringList{"--solve", "--json"} + arguments);
    QCOMPARE(json.code, text.code);
    const QJsonObject record = QJsonDocument::fromJson(json.out.toUtf8()).object();
    QCOMPARE(record.value("verdict").toString(), verdict);
    if (feasible) {
        const QString name = expected.section(u'=', 0, 0);
        const double value = expected.section(u'=', 1).toDouble();
        QVERIFY2(Near(record.value(name).toDouble(), value), qPrintable(json.out));
    } else {
        QCOMPARE(record.value("findings").toArray().first().toString(), expected);
    }

    const TProgramRun batch =
        RunProgram(m_program, {"--batch"}, ("Kelvane," + arguments.join(u',') + "\n").toUtf8());
    QCOMPARE(batch.code, 0);
    const QStringList rows = batch.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(CsvFields(rows.last()).last(), infeasible ? "Infeasible: " + expected : "Solved");
}
