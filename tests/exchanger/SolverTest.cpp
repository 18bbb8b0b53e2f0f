#include "SolverTest.h"

#include "Feasibility.h"
#include "HxTestSupport.h"
#include "MathError.h"

#include <QTest>
#include <cmath>

Q_DECLARE_METATYPE(TMathFault)

void SolverTest::methods_data()
{
    QTest::addColumn<bool>("fromSolved");
    QTest::addColumn<THxValues>("set");
    QTest::addColumn<int>("mask");
    QTest::addColumn<QString>("method");
    QTest::addColumn<THxExpected>("expected");

    QTest::newRow("initial case: hot fluid specified")
        << false << THxValues{} << 111 << "Hot fluid specified"
        << THxExpected{{"Q", "23.529"},   {"tco", "13.014"}, {"lmtd", "12.310"}, {"e", "0.793"},
                       {"ntu", "1.868"},  {"Ao", "51.660"},  {"ch", "1.023"},    {"cc", "3.354"},
                       {"cmin", "1.023"}, {"cmax", "3.354"}, {"cr", "0.305"},    {"itd", "29.000"},
                       {"Qmax", "29.667"}};
    QTest::newRow("all temperatures with Uo and Ao: LMTD method")
        << true << THxValues{{"tco", 13.0}} << 219 << "LMTD method"
        << THxExpected{{"lmtd", "12.314"}, {"Q", "23.538"}, {"mc", "0.802"}, {"mh", "1.000"}};
    QTest::newRow("inlets and flows with Uo and Ao: e-Ntu method")
        << true << THxValues{} << 237 << "e-Ntu method"
        << THxExpected{{"Q", "23.529"},    {"tho", "12.000"}, {"tco", "13.014"},
                       {"lmtd", "12.310"}, {"ntu", "1.868"},  {"e", "0.793"}};
    QTest::newRow("all four temperatures win over e-Ntu")
        << true << THxValues{{"tco", 13.0}} << 255 << "LMTD method"
        << THxExpected{{"Q", "23.538"}, {"mc", "0.802"}};
    QTest::newRow("everything given: duty specified recomputes flows and Uo")
        << true << THxValues{{"Q", 30.0}} << 511 << "Duty specified"
        << THxExpected{{"mc", "1.020"},
                       {"mh", "1.275"},
                       {"Uo", "0.047"},
                       {"Ao", "51.660"},
                       {"lmtd", "12.310"}};
    QTest::newRow("duty with outlet and flow given: hot inlet and cold outlet from duty")
        << true << THxValues{{"Q", 20.0}, {"thi", 999.0}} << 366 << "Duty specified"
        << THxExpected{{"thi", "31.550"}, {"tco", "11.962"}};
    QTest::newRow("cold and hot fluid both given: cold side fixes the duty")
        << false << THxValues{{"tco", 13.0}} << 63 << "Cold fluid specified"
        << THxExpected{{"Q", "23.481"}, {"mh", "0.998"}, {"tho", "12.000"}};
    QTest::newRow("cold fluid with hot inlet and flow: hot outlet from duty")
        << false << THxValues{{"tco", 13.0}} << 125 << "Cold fluid specified"
        << THxExpected{{"Q", "23.481"}, {"tho", "12.047"}, {"lmtd", "12.353"}, {"Ao", "51.375"}};
    QTest::newRow("hot fluid with cold temperatures: cold flow from duty")
        << false << THxValues{{"tco", 13.0}} << 95 << "Hot fluid specified"
        << THxExpected{{"mc", "0.802"}, {"Q", "23.529"}};
    QTest::newRow("hot fluid with cold outlet and flow: cold inlet from duty")
        << false << THxValues{{"tco", 13.0}} << 119 << "Hot fluid specified"
        << THxExpected{{"tci", "5.986"}};
    QTest::newRow("area given without Uo: Uo is computed")
        << true << THxValues{{"Ao", 40.0}} << 175 << "Hot fluid specified"
        << THxExpected{{"Uo", "0.048"}, {"Ao", "40.000"}};
    QTest::newRow("nothing given: data not properly specified uses the record's duty")
        << true << THxValues{{"Q", 20.0}} << 0 << "Data not properly specified"
        << THxExpected{{"tco", "11.962"}, {"tho", "15.450"}, {"Q", "20.000"}};
}

void SolverTest::methods()
{
    QFETCH(bool, fromSolved);
    QFETCH(THxValues, set);
    QFETCH(int, mask);
    QFETCH(QString, method);
    QFETCH(THxExpected, expected);
    THx hx = Prepared(fromSolved, set);
    hx.Solve(mask);
    QCOMPARE(MethodName(hx.method), method);
    for (const auto& [name, value] : expected)
        QVERIFY2(Fixed3(FieldOf(hx, name)) == value,
                 qPrintable(name + " is " + Fixed3(FieldOf(hx, name)) + ", expected " + value));
}

void SolverTest::ratingWithoutEnoughTemperaturesComputesNothing_data()
{
    QTest::addColumn<int>("mask");
    QTest::newRow("Uo and Ao alone") << 192;
    QTest::newRow("with thi only") << 193;
    QTest::newRow("with three temperatures") << 192 + 1 + 2 + 8;
    QTest::newRow("with inlets and one flow") << 192 + 1 + 4 + 8;
}

void SolverTest::ratingWithoutEnoughTemperaturesComputesNothing()
{
    QFETCH(int, mask);
    THx hx = SolvedInitialCase();
    hx.thi = 40; // a changed value must stay as it is, nothing derived from it
    const QString before = RecordText(hx);
    hx.Solve(mask);
    QCOMPARE(RecordText(hx), before);
    QCOMPARE(hx.method, THxMethod::hmHotFluidSpecified);
}

void SolverTest::effectivenessNtuIgnoresHeldCapacityRates()
{
    THx hx = SolvedInitialCase();
    hx.ch = 99;
    hx.cc = -5;
    hx.Solve(237);
    THx reference = SolvedInitialCase();
    reference.Solve(237);
    QCOMPARE(RecordText(hx), RecordText(reference));
}

void SolverTest::failures_data()
{
    QTest::addColumn<bool>("fromSolved");
    QTest::addColumn<THxValues>("set");
    QTest::addColumn<int>("mask");
    QTest::addColumn<TMathFault>("fault");
    const auto zeroDivide = TMathFault::mfZeroDivide;

    QTest::newRow("cold outlet from duty with zero cold flow")
        << false << THxValues{{"mc", 0.0}} << 111 << zeroDivide;
    QTest::newRow("cold inlet from duty with zero cold cp")
        << false << THxValues{{"cpc", 0.0}} << 7 + 48 << zeroDivide;
    QTest::newRow("hot outlet from duty with zero hot flow")
        << false << THxValues{{"tco", 13.0}, {"mh", 0.0}} << 56 << zeroDivide;
    QTest::newRow("hot inlet from duty with zero hot flow")
        << false << THxValues{{"tco", 13.0}, {"mh", 0.0}} << 56 + 6 << zeroDivide;
    QTest::newRow("capacity ratio of two zero rates")
        << true << THxValues{{"mh", 0.0}, {"mc", 0.0}} << 237 << TMathFault::mfInvalidOp;
    QTest::newRow("ntu from a zero cmin") << true << THxValues{{"mh", 0.0}} << 237 << zeroDivide;
    QTest::newRow("zero Uo in sizing") << false << THxValues{{"Uo", 0.0}} << 111 << zeroDivide;
    QTest::newRow("zero Ao in sizing") << true << THxValues{{"Ao", 0.0}} << 175 << zeroDivide;
    QTest::newRow("zero duty over zero conductance")
        << false << THxValues{{"tho", 35.0}, {"Uo", 0.0}} << 111 << TMathFault::mfInvalidOp;
    QTest::newRow("duty too large")
        << false << THxValues{{"mh", 1e308}} << 111 << TMathFault::mfOverflow;
}

void SolverTest::failures()
{
    QFETCH(bool, fromSolved);
    QFETCH(THxValues, set);
    QFETCH(int, mask);
    QFETCH(TMathFault, fault);
    THx hx = Prepared(fromSolved, set);
    try {
        hx.Solve(mask);
        QFAIL(qPrintable("solved as " + MethodName(hx.method)));
    } catch (const EMathError& error) {
        QCOMPARE(error.Fault(), fault);
    }
    for (const THxNumberField& field : HxNumberFields)
        QVERIFY2(std::isfinite(hx.*field.member), field.name);
}

// Where the streams touch or cross, or a stream whose flow is to be found
// neither cools nor heats, the solve stops before it would divide by the
// difference, and the verdict names it.
void SolverTest::impossibleTemperaturesStopTheSolve_data()
{
    QTest::addColumn<bool>("fromSolved");
    QTest::addColumn<THxValues>("set");
    QTest::addColumn<int>("mask");
    QTest::addColumn<QString>("finding");
    QTest::newRow("thi = tci: the cold stream crosses the hot inlet")
        << false << THxValues{{"tci", 35.0}} << 111
        << "temperature cross at the hot end: thi 35.0 °C, tco 42.0 °C";
    QTest::newRow("equal temperatures at one end: a pinch in sizing")
        << false << THxValues{{"tho", 6.0}} << 111
        << "temperature pinch at the cold end: tho 6.0 °C, tci 6.0 °C";
    QTest::newRow("crossed temperatures, duty given")
        << true << THxValues{{"thi", 30.0}, {"tho", 20.0}, {"tci", 25.0}, {"tco", 28.0}} << 511
        << "temperature cross at the cold end: tho 20.0 °C, tci 25.0 °C";
    QTest::newRow("hot flow from duty with thi = tho: the hot stream does not cool")
        << true << THxValues{{"tho", 35.0}} << 256 + 3
        << "hot stream not cooling: thi 35.0 °C, tho 35.0 °C";
    QTest::newRow("cold flow from duty with tci = tco: the cold stream does not heat")
        << true << THxValues{{"tco", 6.0}} << 256 + 24
        << "cold stream not heating: tci 6.0 °C, tco 6.0 °C";
    QTest::newRow("crossed temperatures, rated by the lmtd")
        << true << THxValues{{"thi", 30.0}, {"tho", 20.0}, {"tci", 25.0}, {"tco", 28.0}} << 219
        << "temperature cross at the cold end: tho 20.0 °C, tci 25.0 °C";
}

void SolverTest::impossibleTemperaturesStopTheSolve()
{
    QFETCH(bool, fromSolved);
    QFETCH(THxValues, set);
    QFETCH(int, mask);
    QFETCH(QString, finding);
    THx hx = Prepared(fromSolved, set);
    const THx given = hx;
    QVERIFY(!hx.SolveOrFault(mask));
    QCOMPARE(hx.stop, TSolveStop::ssTemperatures);
    const TVerdict verdict = JudgeSolve(given, hx, mask);
    QVERIFY(verdict.IsInfeasible());
    QCOMPARE(verdict.Findings().first(), finding);
}

void SolverTest::failureKeepsTheStepsAlreadyDone()
{
    // Duty specified: the cold outlet is completed, then the hot outlet divides
    // by a zero capacity rate.
    THx hx = SolvedInitialCase();
    hx.Q = 20;
    hx.mh = 0;
    hx.method = THxMethod::hmNone;
    QVERIFY_THROWS_EXCEPTION(EMathError, hx.Solve(256));
    QCOMPARE(hx.method, THxMethod::hmDutySpecified);
    QCOMPARE(Fixed3(hx.tco), QStringLiteral("11.962"));
    QCOMPARE(hx.tho, 12.0);
    QCOMPARE(Fixed3(hx.Ao), QStringLiteral("51.660"));
}

void SolverTest::solveOrFaultReturnsTheFault_data()
{
    failures_data();
}

void SolverTest::solveOrFaultReturnsTheFault()
{
    QFETCH(bool, fromSolved);
    QFETCH(THxValues, set);
    QFETCH(int, mask);
    QFETCH(TMathFault, fault);
    THx hx = Prepared(fromSolved, set);
    QVERIFY(hx.SolveOrFault(mask) == fault);
}

void SolverTest::solveOrFaultAgreesWithSolve_data()
{
    QTest::addColumn<THxValues>("set");
    QTest::newRow("the initial case") << THxValues{};
    QTest::newRow("no hot flow") << THxValues{{"mh", 0.0}};
    QTest::newRow("no flows") << THxValues{{"mh", 0.0}, {"mc", 0.0}};
    QTest::newRow("hot temperatures equal") << THxValues{{"tho", 35.0}};
    QTest::newRow("cold temperatures equal") << THxValues{{"tco", 6.0}};
    QTest::newRow("hot inlet at the cold inlet") << THxValues{{"tci", 35.0}};
    QTest::newRow("crossed temperatures") << THxValues{{"tho", 6.0}, {"tco", 40.0}};
    QTest::newRow("no Uo and no area") << THxValues{{"Uo", 0.0}, {"Ao", 0.0}};
    QTest::newRow("equal capacity rates at ntu -1: the effectiveness falls back") << THxValues{
        {"mh", 1.0}, {"cph", 1.0}, {"mc", 1.0}, {"cpc", 1.0}, {"Uo", -1.0}, {"Ao", 1.0}};
    QTest::newRow("huge flow overflows") << THxValues{{"mh", 1e308}, {"Q", 1e308}};
    QTest::newRow("no specific heats") << THxValues{{"cph", 0.0}, {"cpc", 0.0}};
}

// Every mask on each case: the same outcome, fault or record, either way.
void SolverTest::solveOrFaultAgreesWithSolve()
{
    QFETCH(THxValues, set);
    for (int mask = 0; mask < 512; ++mask) {
        THx raising = Prepared(false, set);
        QString raised;
        try {
            raising.Solve(mask);
        } catch (const EMathError& error) {
            raised = QString::fromLatin1(error.what());
        }
        THx reporting = Prepared(false, set);
        const std::optional<TMathFault> fault = reporting.SolveOrFault(mask);
        const QString where = QStringLiteral("mask %1").arg(mask);
        QVERIFY2(raised == (fault ? QString::fromLatin1(MathFaultText(*fault)) : QString()),
                 qPrintable(where + ": raised '" + raised + "'"));
        if (!fault)
            QVERIFY2(RecordText(reporting) == RecordText(raising), qPrintable(where));
    }
}

void SolverTest::solvedRecordKeepsItsInvariants_data()
{
    QTest::addColumn<int>("mask");
    QTest::addColumn<THxValues>("set");
    QTest::newRow("hot fluid specified") << 111 << THxValues{};
    QTest::newRow("equal capacity rates: tie puts ch in cmax")
        << 111 << THxValues{{"mc", 1.023 / 4.193}};
    QTest::newRow("hot side larger") << 111 << THxValues{{"mc", 0.2}};
    QTest::newRow("duty specified") << 511 << THxValues{{"Q", 12.0}, {"tco", 20.0}};
}

void SolverTest::solvedRecordKeepsItsInvariants()
{
    QFETCH(int, mask);
    QFETCH(THxValues, set);
    THx hx = Prepared(true, set);
    hx.Solve(mask);
    QCOMPARE(hx.ch, hx.mh * hx.cph);
    QCOMPARE(hx.cc, hx.mc * hx.cpc);
    QVERIFY(hx.cmin <= hx.cmax);
    QCOMPARE(hx.cmax, std::max(hx.ch, hx.cc));
    QCOMPARE(hx.cr, hx.cmin / hx.cmax);
    QCOMPARE(hx.itd, hx.thi - hx.tci);
    QCOMPARE(hx.Qmax, hx.cmin * hx.itd);
    QCOMPARE(hx.e, hx.Q / hx.Qmax);
}
