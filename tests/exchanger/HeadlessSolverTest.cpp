#include "HeadlessSolverTest.h"

#include "CaseArguments.h"
#include "CaseInput.h"
#include "CsvFields.h"
#include "HeadlessRun.h"
#include "HeadlessSolver.h"
#include "HxTestSupport.h"
#include "LookupTables.h"
#include "SolveOutcome.h"
#include "TestFiles.h"
#include "Verdict.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QStringList InitialCaseValues = {"0",   "35", "12", "1",  "1",      "6",  "13",
                                       "0.8", "0",  "37", "38", "23.529", "111"};

using TRun = THeadlessRun;

TRun Run(const QStringList& arguments, const QByteArray& input = {})
{
    return RunHeadless(qEnvironmentVariable("KELVANE_PROGRAM_DIR"), "9.8.7.6", arguments, input);
}

THx SolvedThroughTables(const QStringList& values)
{
    THx hx = SolvedInitialCase();
    const TCaseArguments arguments = TCaseArguments::Parse(values);
    arguments.Input(TLookupTables::LoadFrom(qEnvironmentVariable("KELVANE_PROGRAM_DIR")))
        .ApplyTo(hx);
    hx.Solve(arguments.mask);
    return hx;
}

} // namespace

void HeadlessSolverTest::recognisesItsCommands_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("headless");
    QTest::newRow("solve") << QStringList{"--solve", "1"} << true;
    QTest::newRow("json first") << QStringList{"--json", "--solve"} << true;
    QTest::newRow("batch") << QStringList{"--batch"} << true;
    QTest::newRow("help") << QStringList{"--help"} << true;
    QTest::newRow("short help") << QStringList{"-h"} << true;
    QTest::newRow("version") << QStringList{"--version"} << true;
    QTest::newRow("no arguments: the window") << QStringList{} << false;
    QTest::newRow("13 case values: the window") << InitialCaseValues << false;
    QTest::newRow("a Qt option: the window") << QStringList{"-platform", "offscreen"} << false;
    QTest::newRow("quit after start: the window") << QStringList{"--quit-after-start"} << false;
    QTest::newRow("quit after start with 13 case values: the window")
        << QStringList{"--quit-after-start"} + InitialCaseValues << false;
}

void HeadlessSolverTest::recognisesItsCommands()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, headless);
    QCOMPARE(THeadlessSolver::IsHeadlessCommand(arguments), headless);
}

void HeadlessSolverTest::tellsOptionsFromValues_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<bool>("option");
    QTest::newRow("long option") << "--solve" << true;
    QTest::newRow("mistyped long option") << "--slove" << true;
    QTest::newRow("short option") << "-x" << true;
    QTest::newRow("negative number") << "-5" << false;
    QTest::newRow("negative number without a leading zero") << "-.5" << false;
    QTest::newRow("standard input") << "-" << false;
    QTest::newRow("number") << "5" << false;
    QTest::newRow("empty") << "" << false;
}

void HeadlessSolverTest::tellsOptionsFromValues()
{
    QFETCH(QString, argument);
    QFETCH(bool, option);
    QCOMPARE(THeadlessSolver::LooksLikeOption(argument), option);
}

void HeadlessSolverTest::exitCodesAndMessages_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QStringList noSolution = InitialCaseValues; // the hot outlet from a zero capacity rate
    noSolution[3] = "0";
    noSolution[12] = "256";
    QStringList badValue = InitialCaseValues;
    badValue[7] = "0,8";
    QStringList badIndex = InitialCaseValues;
    badIndex[8] = "11";

    QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: kelvane --solve"
                          << "";
    QTest::newRow("version") << QStringList{"--version"} << 0 << "Kelvane 9.8.7.6\n"
                             << "";
    QTest::newRow("solved") << QStringList{"--solve"} + InitialCaseValues << 0 << "Hot fluid: air"
                            << "";
    QTest::newRow("no solution") << QStringList{"--solve"} + noSolution << 1 << ""
                                 << "kelvane: No solution with this data... (Floating point "
                                    "division by zero)\n";
    QTest::newRow("infeasible: the results, and the first finding as an error")
        << QStringList{"--solve", "2", "120", "0",   "2", "1", "20",
                       "130",     "1", "1",   "300", "0", "0", "57"}
        << 3 << "Hot fluid: oil"
        << "kelvane: Infeasible  (Cold fluid specified): temperature cross at the hot end: thi "
           "120.0 °C, tco 130.0 °C\n";
    QTest::newRow("json without a solution prints nothing")
        << QStringList{"--solve", "--json"} + noSolution << 1 << ""
        << "No solution with this data";
    QTest::newRow("too few values") << QStringList{"--solve", "0", "35"} << 2 << ""
                                    << "kelvane: --solve: expected 13 or 16 values but found 2\n"
                                       "Try 'kelvane --help'.\n";
    QTest::newRow("bad value") << QStringList{"--solve"} + badValue << 2 << ""
                               << "MC (value 8): '0,8' is not a valid floating point value";
    QTest::newRow("index outside the table") << QStringList{"--solve"} + badIndex << 2 << ""
                                             << "TYPE (value 9): 11 is not an entry";
    QTest::newRow("unknown option") << QStringList{"--solve", "--fast"} << 2 << ""
                                    << "unknown option '--fast'";
    QTest::newRow("unknown short option") << QStringList{"-x"} << 2 << ""
                                          << "kelvane: unknown option '-x'\n"
                                             "Try 'kelvane --help'.\n";
    QTest::newRow("solve and batch") << QStringList{"--solve", "--batch"} << 2 << ""
                                     << "give either --solve or --batch";
    QTest::newRow("json alone") << QStringList{"--json"} << 2 << ""
                                << "give either --solve or --batch";
    QTest::newRow("json with batch") << QStringList{"--batch", "--json"} << 2 << ""
                                     << "--json goes with --solve only";
    QTest::newRow("batch with two files") << QStringList{"--batch", "a", "b"} << 2 << ""
                                          << "--batch takes at most one FILE";
    QTest::newRow("batch file missing")
        << QStringList{"--batch", "/nonexistent/cases.txt"} << 2 << ""
        << "cannot open '/nonexistent/cases.txt'";
}

void HeadlessSolverTest::exitCodesAndMessages()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const TRun run = Run(arguments);
    QCOMPARE(run.code, code);
    QVERIFY2(out.isEmpty() ? run.out.isEmpty() : run.out.startsWith(out), qPrintable(run.out));
    QVERIFY2(err.isEmpty() ? run.err.isEmpty() : run.err.contains(err), qPrintable(run.err));
}

void HeadlessSolverTest::solvePrintsTheResultsText()
{
    const TRun run = Run(QStringList{"--solve"} + InitialCaseValues);
    QCOMPARE(run.code, 0);
    QCOMPARE(run.out,
             THeadlessSolver::TextOf(SolvedThroughTables(InitialCaseValues)).join(u'\n') + u'\n');
    for (const char* line : {"Duty: Hot fluid specified", "Q = 23.529 kW", "tco = 13.014 °C",
                             "lmtd = 12.310 °C", "e = 0.793", "Ntu = 1.868", "Ao = 51.660 m²"})
        QVERIFY2(run.out.contains(QString::fromUtf8(line) + u'\n'), line);
}

void HeadlessSolverTest::jsonHoldsEveryFieldAtFullPrecision()
{
    const QStringList lmtdCase = {"1",   "20", "10",  "0.5", "0", "5",  "12",
                                  "0.6", "2",  "250", "3",   "0", "219"};
    const TRun run = Run(QStringList{"--solve"} + lmtdCase + QStringList{"--json"});
    QCOMPARE(run.code, 0);
    QVERIFY(run.out.endsWith(u'\n'));
    QJsonParseError error;
    const QJsonObject json = QJsonDocument::fromJson(run.out.toUtf8(), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    const THx hx = SolvedThroughTables(lmtdCase);
    // The record's fields, the arrangement and F, then "verdict" and "findings".
    QCOMPARE(json.size(), qsizetype(HxOutputCount + 2));
    QCOMPARE(json.value("verdict").toString(), QStringLiteral("feasible"));
    QCOMPARE(json.value("findings").toArray().size(), 0);
    QCOMPARE(json.keys().size(), json.size());
    for (const THxTextField& field : HxTextFields)
        QCOMPARE(json.value(QLatin1StringView(field.name)).toString(), field.text(hx));
    for (const THxNumberField& field : HxNumberFields)
        QVERIFY2(json.value(QLatin1StringView(field.name)).toDouble() == hx.*field.member,
                 field.name);
    QCOMPARE(json.value("method").toString(), QStringLiteral("LMTD method"));
    QCOMPARE(json.value("arrangement").toString(), QStringLiteral("counter-flow"));
    QCOMPARE(json.value("F").toDouble(), 1.0);
    // Record order, as the fields stand in the record.
    QVERIFY(run.out.startsWith(QStringLiteral("{\"method\":\"LMTD method\",\"coldFluid\":")));
    QVERIFY(run.out.contains(QStringLiteral("\"Q\":")));
}

void HeadlessSolverTest::jsonEscapesTexts()
{
    THx hx = SolvedInitialCase();
    hx.hotFluid = QStringLiteral("a \"quoted\" \\ name\twith tab");
    const QString json = THeadlessSolver::JsonOf(hx, TVerdict());
    QVERIFY2(json.contains(QStringLiteral(R"("hotFluid":"a \"quoted\" \\ name\u0009with tab")")),
             qPrintable(json));
    QJsonParseError error;
    const QJsonObject object = QJsonDocument::fromJson(json.toUtf8(), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(object.value("hotFluid").toString(), hx.hotFluid);
}

void HeadlessSolverTest::batchReadsAFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("cases.txt");
    QVERIFY(WriteAll(path, "Kelvane,0,35,12,1,1,6,13,0.8,0,37,38,23.529,111\nKelvane,x\n"));
    const TRun fromFile = Run({"--batch", path});
    QCOMPARE(fromFile.code, 0);
    QCOMPARE(fromFile.out.count(u'\n'), 3);
    QVERIFY(fromFile.out.contains(QStringLiteral(",Solved\n")));
    const QByteArray cases = ReadAll(path);
    QVERIFY(!cases.isEmpty());
    QCOMPARE(Run({"--batch"}, cases).out, fromFile.out);
    QCOMPARE(Run({"--batch", "-"}, cases).out, fromFile.out);
}

void HeadlessSolverTest::helpTellsTheVerdictsAndExitStatuses()
{
    const TRun run = Run({"--help"});
    QCOMPARE(run.code, 0);
    for (const char* text :
         {"Every solved case gets a verdict. Infeasible: a temperature cross", "Warnings: a given",
          "Feasible: no finding.", "\"Infeasible: \" and the first finding",
          "the findings (joined by \"; \")", "3 solved but infeasible"})
        QVERIFY2(run.out.contains(QLatin1StringView(text)), text);
}

void HeadlessSolverTest::verdictReachesEveryOutputAlike_data()
{
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("verdict"); // empty: no solution
    QTest::addColumn<QString>("firstFinding");
    QStringList noSolution = InitialCaseValues; // the hot outlet from a zero capacity rate
    noSolution[3] = "0";
    noSolution[12] = "256";

    QTest::newRow("feasible: the initial case") << InitialCaseValues << 0 << "feasible"
                                                << "";
    QTest::newRow("warnings: four temperatures and both flows given")
        << QStringList{"0", "80", "40", "2", "1", "20", "50", "1", "0", "37", "38", "0", "63"} << 0
        << "warnings"
        << "given value changed: mh given 2.0000 kg/s, computed 3.0740 kg/s";
    QTest::newRow("warnings: nothing given, worked from the duty")
        << QStringList{"0", "35", "12", "1", "1", "6", "13", "0.8", "0", "37", "38", "20", "0"} << 0
        << "warnings"
        << "duty not given: worked from Q 20.000 kW as entered";
    QTest::newRow("infeasible: cold outlet above the hot inlet")
        << QStringList{"2", "120", "0", "2", "1", "20", "130", "1", "1", "300", "0", "0", "57"} << 3
        << "infeasible"
        << "temperature cross at the hot end: thi 120.0 °C, tco 130.0 °C";
    QTest::newRow("infeasible: hot inlet below the cold inlet with e-Ntu")
        << QStringList{"0", "5", "12", "1", "1", "6", "13", "0.8", "0", "37", "51.66", "0", "237"}
        << 3 << "infeasible"
        << "temperature cross at the hot end: thi 5.0 °C, tco 5.8 °C";
    QTest::newRow("infeasible: Uo and Ao given without temperatures")
        << QStringList{"1", "80", "40", "1", "1", "20", "50", "1", "1", "500", "3", "40", "192"}
        << 3 << "infeasible"
        << "nothing computed: with Uo and Ao given, give thi, tho, tci, tco or thi, mh, tci, mc";
    QTest::newRow("no solution") << noSolution << 1 << ""
                                 << "";
    // e rounds to 1 with the Cmin stream mixed: the correction factor is too large to hold.
    QTest::newRow("infeasible: an effectiveness of 1 pinches the cold end")
        << QStringList{"0",    "35", "12",   "1",    "1", "6",  "13",
                       "24.4", "9",  "1000", "1023", "0", "237"}
        << 3 << "infeasible"
        << "temperature pinch at the cold end: tho 6.0 °C, tci 6.0 °C";
    // Nothing computed beside huge Uo and Ao: the solve succeeds, the diagnostic
    // product Uo·Ao overflows, as it does in the window.
    QTest::newRow("no solution: a diagnostic product overflows")
        << QStringList{"0",   "35", "12",    "1",     "1", "6",  "13",
                       "0.8", "0",  "1e303", "1e300", "0", "193"}
        << 1 << ""
        << "";
}

// The text, the JSON object and the batch row of one case tell the same
// outcome, verdict and findings.
void HeadlessSolverTest::verdictReachesEveryOutputAlike()
{
    QFETCH(QStringList, values);
    QFETCH(int, code);
    QFETCH(QString, verdict);
    QFETCH(QString, firstFinding);
    const TRun text = Run(QStringList{"--solve"} + values);
    const TRun json = Run(QStringList{"--solve", "--json"} + values);
    const TRun batch = Run({"--batch"}, ("Kelvane," + values.join(u',') + u'\n').toUtf8());
    QCOMPARE(text.code, code);
    QCOMPARE(json.code, code);
    QCOMPARE(batch.code, 0);
    const QStringList rows = batch.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(rows.size(), 2);
    const QStringList header = CsvFields(rows[0]);
    const QStringList row = CsvFields(rows[1]);
    QCOMPARE(row.size(), header.size());
    QCOMPARE(header.last(), QStringLiteral("status"));
    const QString status = row.last();
    const QString findingsCell = row[header.indexOf("findings")];
    QCOMPARE(json.err, text.err);

    if (verdict.isEmpty()) {
        QVERIFY(text.out.isEmpty());
        QVERIFY(json.out.isEmpty());
        QVERIFY2(status.startsWith(NoSolutionText()), qPrintable(status));
        QCOMPARE(text.err, "kelvane: " + status + u'\n');
        QCOMPARE(findingsCell, QString());
        return;
    }
    QJsonParseError error;
    const QJsonObject object = QJsonDocument::fromJson(json.out.toUtf8(), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(object.value("verdict").toString(), verdict);
    QStringList findings;
    for (const QJsonValue& finding : object.value("findings").toArray())
        findings << finding.toString();
    QCOMPARE(findings.value(0), firstFinding);
    QCOMPARE(findings.isEmpty(), verdict == "feasible");

    // The text: the results, the 9 diagnostic lines, then an empty line and the findings.
    QStringList lines = text.out.split(u'\n');
    QCOMPARE(lines.takeLast(), QString());
    const QStringList afterDiagnostics = lines.mid(lines.indexOf("Diagnostic") + 9);
    QCOMPARE(afterDiagnostics, findings.isEmpty() ? QStringList() : QStringList{""} + findings);

    QCOMPARE(findingsCell, findings.join("; "));
    const bool infeasible = verdict == "infeasible";
    QCOMPARE(status, infeasible ? "Infeasible: " + firstFinding : QStringLiteral("Solved"));
    QCOMPARE(row[0], object.value("method").toString());
    QCOMPARE(text.err, infeasible ? "kelvane: Infeasible  (" + row[0] + "): " + firstFinding + u'\n'
                                  : QString());
}
