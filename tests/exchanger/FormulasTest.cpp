#include "FormulasTest.h"

#include "CheckedMath.h"
#include "HeatTransfer.h"
#include "HxTestSupport.h"

#include <QTest>
#include <functional>
#include <limits>
#include <stdexcept>

Q_DECLARE_METATYPE(TMathFault)
Q_DECLARE_METATYPE(std::function<double()>)

namespace {

constexpr double NotANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double Infinity = std::numeric_limits<double>::infinity();

} // namespace

void FormulasTest::checkedFaults_data()
{
    using namespace Checked;
    QTest::addColumn<std::function<double()>>("operation");
    QTest::addColumn<TMathFault>("fault");
    const auto row = [](const char* name, std::function<double()> op, TMathFault fault) {
        QTest::newRow(name) << op << fault;
    };
    row(
        "x/0", [] { return Div(1, 0); }, TMathFault::mfZeroDivide);
    row(
        "-x/0", [] { return Div(-3, 0); }, TMathFault::mfZeroDivide);
    row(
        "0/0", [] { return Div(0, 0); }, TMathFault::mfInvalidOp);
    row(
        "quotient too large", [] { return Div(1e300, 1e-300); }, TMathFault::mfOverflow);
    row(
        "product too large", [] { return Mul(1e200, -1e200); }, TMathFault::mfOverflow);
    row(
        "sum too large", [] { return Add(1e308, 1e308); }, TMathFault::mfOverflow);
    row(
        "difference too large", [] { return Sub(-1e308, 1e308); }, TMathFault::mfOverflow);
    row(
        "ln 0", [] { return Ln(0); }, TMathFault::mfZeroDivide);
    row(
        "ln of a negative", [] { return Ln(-1); }, TMathFault::mfInvalidOp);
    row(
        "exp too large", [] { return Exp(710); }, TMathFault::mfOverflow);
    row(
        "NaN operand", [] { return Mul(NotANumber, 1); }, TMathFault::mfInvalidOp);
    row(
        "infinite operand", [] { return Add(Infinity, 1); }, TMathFault::mfInvalidOp);
    row(
        "infinite dividend", [] { return Div(Infinity, 0); }, TMathFault::mfInvalidOp);
    row(
        "NaN exponent", [] { return Exp(NotANumber); }, TMathFault::mfInvalidOp);
}

void FormulasTest::checkedFaults()
{
    QFETCH(std::function<double()>, operation);
    QFETCH(TMathFault, fault);
    try {
        const double value = operation();
        QFAIL(qPrintable("no fault, result " + FloatToRoundTripText(value)));
    } catch (const EMathError& error) {
        QCOMPARE(error.Fault(), fault);
    }
}

void FormulasTest::checkedUnderflowIsSilent()
{
    QCOMPARE(Checked::Exp(-1000), 0.0);
    QCOMPARE(Checked::Mul(1e-200, 1e-200), 0.0);
    const double denormal = Checked::Div(1e-300, 1e10);
    QVERIFY(denormal > 0 && denormal < std::numeric_limits<double>::min());
    QCOMPARE(Checked::Ln(1), 0.0);
}

void FormulasTest::recorderKeepsTheFirstFault_data()
{
    checkedFaults_data();
}

void FormulasTest::recorderKeepsTheFirstFault()
{
    QFETCH(std::function<double()>, operation);
    QFETCH(TMathFault, fault);
    const Checked::TFaultRecorder recorder;
    QVERIFY(std::isnan(operation()));
    QVERIFY(recorder.Fault() == fault);
    // Later faults of every kind leave the first one standing.
    QVERIFY(std::isnan(Checked::Div(1, 0)));
    QVERIFY(std::isnan(Checked::Div(0, 0)));
    QVERIFY(std::isnan(Checked::Exp(710)));
    QVERIFY(recorder.Fault() == fault);
}

void FormulasTest::recordersNest()
{
    {
        const Checked::TFaultRecorder outer;
        {
            const Checked::TFaultRecorder inner;
            Checked::Div(1, 0);
            QVERIFY(inner.Fault() == TMathFault::mfZeroDivide);
        }
        QVERIFY(!outer.Fault());
        Checked::Ln(-1);
        QVERIFY(outer.Fault() == TMathFault::mfInvalidOp);
    }
    QVERIFY_THROWS_EXCEPTION(EMathError, Checked::Div(1, 0));
}

void FormulasTest::firstFaultStandsForWhatFollowsIt()
{
    using Checked::FirstFault;
    QVERIFY(!FirstFault([] { Checked::Add(1, 2); }));
    QVERIFY(FirstFault([] { Checked::Ln(0); }) == TMathFault::mfZeroDivide);
    // Raised after the fault, where a raised fault would have stopped first.
    QVERIFY(FirstFault([] {
                Checked::Exp(710);
                throw std::logic_error("reached only past the fault");
            }) == TMathFault::mfOverflow);
    // Raised before any fault: it is no fault of the arithmetic.
    QVERIFY_THROWS_EXCEPTION(std::logic_error,
                             FirstFault([] { throw std::logic_error("before any fault"); }));
}

void FormulasTest::faultMessages()
{
    QCOMPARE(QString(EMathError(TMathFault::mfZeroDivide).what()),
             QStringLiteral("Floating point division by zero"));
    QCOMPARE(QString(EMathError(TMathFault::mfInvalidOp).what()),
             QStringLiteral("Invalid floating point operation"));
    QCOMPARE(QString(EMathError(TMathFault::mfOverflow).what()),
             QStringLiteral("Floating point overflow"));
}

void FormulasTest::lmtd_data()
{
    QTest::addColumn<double>("thi");
    QTest::addColumn<double>("tho");
    QTest::addColumn<double>("tci");
    QTest::addColumn<double>("tco");
    QTest::addColumn<QString>("expected");
    QTest::newRow("counter flow") << 80.0 << 40.0 << 20.0 << 50.0 << "24.663";
    QTest::newRow("equal end differences give dt1") << 50.0 << 30.0 << 20.0 << 40.0 << "10.000";
    QTest::newRow("crossed temperatures give 0") << 30.0 << 20.0 << 25.0 << 28.0 << "0.000";
    QTest::newRow("hot inlet equals cold outlet") << 40.0 << 30.0 << 20.0 << 40.0 << "0.000";
    QTest::newRow("hot outlet equals cold inlet") << 50.0 << 20.0 << 20.0 << 40.0 << "0.000";
    QTest::newRow("initial case") << 35.0 << 12.0 << 6.0 << 13.014369186739803 << "12.310";
    QTest::newRow("both ends negative") << 20.0 << 10.0 << 30.0 << 40.0 << "-20.000";
}

void FormulasTest::lmtd()
{
    QFETCH(double, thi);
    QFETCH(double, tho);
    QFETCH(double, tci);
    QFETCH(double, tco);
    QFETCH(QString, expected);
    QCOMPARE(Fixed3(Lmtd(thi, tho, tci, tco)), expected);
}

void FormulasTest::effectiveness_data()
{
    QTest::addColumn<double>("cr");
    QTest::addColumn<double>("ntu");
    QTest::addColumn<QString>("expected");
    QTest::newRow("cr 0: 1 - exp(-ntu)") << 0.0 << 1.0 << "0.6321";
    QTest::newRow("cr 1: ntu/(1 + ntu)") << 1.0 << 1.0 << "0.5000";
    QTest::newRow("counter flow, ntu 1") << 0.5 << 1.0 << "0.5647";
    QTest::newRow("counter flow, ntu 2") << 0.5 << 2.0 << "0.7746";
    QTest::newRow("very large ntu tends to 1") << 0.5 << 1e308 << "1.0000";
    // Faults inside the guarded branch fall back to ntu/(ntu + 0.5).
    QTest::newRow("cr 1, ntu -1: 1 + ntu is 0") << 1.0 << -1.0 << "2.0000";
    QTest::newRow("cr above 1, exp overflows") << 2.0 << 1e308 << "1.0000";
    QTest::newRow("cr above 1, product overflows") << 1e300 << 1e300 << "1.0000";
}

void FormulasTest::effectiveness()
{
    QFETCH(double, cr);
    QFETCH(double, ntu);
    QFETCH(QString, expected);
    QCOMPARE(Fixed4(Effectiveness(cr, ntu)), expected);
}

void FormulasTest::effectivenessUnguardedFaults_data()
{
    QTest::addColumn<double>("cr");
    QTest::addColumn<double>("ntu");
    QTest::addColumn<TMathFault>("fault");
    QTest::newRow("cr 0 is not guarded: exp overflows") << 0.0 << -1000.0 << TMathFault::mfOverflow;
    QTest::newRow("the fallback itself divides by zero")
        << -1e308 << -0.5 << TMathFault::mfZeroDivide;
}

void FormulasTest::effectivenessUnguardedFaults()
{
    QFETCH(double, cr);
    QFETCH(double, ntu);
    QFETCH(TMathFault, fault);
    try {
        Effectiveness(cr, ntu);
        QFAIL("no fault");
    } catch (const EMathError& error) {
        QCOMPARE(error.Fault(), fault);
    }
}

// The batch solves under a recorder: the fallback must not depend on a raised fault.
void FormulasTest::effectivenessUnderARecorder_data()
{
    effectiveness_data();
}

void FormulasTest::effectivenessUnderARecorder()
{
    QFETCH(double, cr);
    QFETCH(double, ntu);
    QFETCH(QString, expected);
    const Checked::TFaultRecorder recorder;
    QCOMPARE(Fixed4(Effectiveness(cr, ntu)), expected);
    QVERIFY(!recorder.Fault());
}

void FormulasTest::effectivenessUnguardedFaultsAreRecorded_data()
{
    effectivenessUnguardedFaults_data();
}

void FormulasTest::effectivenessUnguardedFaultsAreRecorded()
{
    QFETCH(double, cr);
    QFETCH(double, ntu);
    QFETCH(TMathFault, fault);
    const Checked::TFaultRecorder recorder;
    QVERIFY(std::isnan(Effectiveness(cr, ntu)));
    QVERIFY(recorder.Fault() == fault);
}

void FormulasTest::counterflowEffectiveness_data()
{
    QTest::addColumn<double>("cr");
    QTest::addColumn<double>("ntu");
    QTest::addColumn<QString>("expected");
    QTest::newRow("general form") << 0.5 << 1.0 << "0.5647";
    QTest::newRow("cr d equal to 1: ntu/(ntu + 1)") << 1.0 << 2.0 << "0.6667";
    QTest::newRow("cr d within 1e-9 of 1") << 1.0 + 1e-12 << 3.0 << "0.7500";
    QTest::newRow("cr 0") << 0.0 << 1.0 << "0.6321";
}

void FormulasTest::counterflowEffectiveness()
{
    QFETCH(double, cr);
    QFETCH(double, ntu);
    QFETCH(QString, expected);
    QCOMPARE(Fixed4(CounterflowEffectiveness(cr, ntu)), expected);
}

void FormulasTest::ntuFromEffectiveness_data()
{
    QTest::addColumn<double>("cr");
    QTest::addColumn<double>("e");
    QTest::addColumn<QString>("expected");
    QTest::newRow("cr 1, e 1: cap 100") << 1.0 << 1.0 << "100.0000";
    QTest::newRow("cr 1: e/(1 - e)") << 1.0 << 0.5 << "1.0000";
    QTest::newRow("cr 1, e above 1: negative, no cap") << 1.0 << 1.5 << "-3.0000";
    QTest::newRow("e 1: cap 10") << 0.5 << 1.0 << "10.0000";
    QTest::newRow("e above 1: cap 10") << 0.5 << 1.2 << "10.0000";
    QTest::newRow("cr 0: -ln(1 - e)") << 0.0 << 0.5 << "0.6931";
    QTest::newRow("counter flow") << 0.5 << 0.5 << "0.8109";
    QTest::newRow("e cr exactly 1") << 2.0 << 0.5 << "0.5000";
    QTest::newRow("e 0") << 0.5 << 0.0 << "0.0000";
}

void FormulasTest::ntuFromEffectiveness()
{
    QFETCH(double, cr);
    QFETCH(double, e);
    QFETCH(QString, expected);
    QCOMPARE(Fixed4(NtuFromEffectiveness(cr, e)), expected);
}

void FormulasTest::ntuInvertsEffectiveness_data()
{
    QTest::addColumn<double>("cr");
    QTest::addColumn<double>("ntu");
    QTest::newRow("cr 0.5, ntu 1.5") << 0.5 << 1.5;
    QTest::newRow("cr 0.305, ntu 1.868") << 0.305 << 1.868;
    QTest::newRow("cr 0, ntu 2") << 0.0 << 2.0;
    QTest::newRow("cr 1, ntu 3") << 1.0 << 3.0;
    QTest::newRow("cr 0.9, ntu 0.2") << 0.9 << 0.2;
}

void FormulasTest::ntuInvertsEffectiveness()
{
    QFETCH(double, cr);
    QFETCH(double, ntu);
    QCOMPARE(Fixed4(NtuFromEffectiveness(cr, Effectiveness(cr, ntu))), Fixed4(ntu));
}
