#include "FormulasTest.h"

#include "CheckedMath.h"
#include "HeatTransfer.h"
#include "HxTestSupport.h"

#include <QTest>
#include <cmath>
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

// Values worked out to 30 digits from the exact binary arguments
// (edge_references.py); each relation must keep 1e-12 relative where its
// textbook form divides rounding noise by rounding noise.
void FormulasTest::edgesAgainstReference_data()
{
    QTest::addColumn<std::function<double()>>("relation");
    QTest::addColumn<double>("reference");
    const auto row = [](const char* name, std::function<double()> relation, double reference) {
        QTest::newRow(name) << relation << reference;
    };
    const double belowOne = std::nextafter(1.0, 0.0);
    row(
        "lmtd, balanced: ends equal but for rounding",
        [] { return Lmtd(143.6, 125.0, 61.1, 61.1 + (143.6 - 125.0)); },
        63.9000000000000021316282072803);
    row(
        "lmtd, ends one bit apart",
        [] { return Lmtd(100.0, 36.1, 0.0, 100.0 - std::nextafter(36.1, 100.0)); },
        36.1000000000000049737991503207);
    row(
        "lmtd, ends 1e-6 apart", [] { return Lmtd(100, 40, 20, 80.0 - 2e-5); },
        20.0000099999983365083021172817);
    row(
        "lmtd, ends 1e-3 apart", [] { return Lmtd(100, 40, 20, 79.98); },
        20.0099983341661372747467485834);
    row(
        "lmtd, ends 2e-3 apart", [] { return Lmtd(100, 40, 20, 79.96); },
        20.0199933399915706616269577655);
    row(
        "lmtd, ordinary", [] { return Lmtd(80, 40, 20, 50); }, 24.6630346237643168600791006849);
    row(
        "e, cr 0, ntu 1e-12", [] { return Effectiveness(0, 1e-12); },
        9.99999999999499979886647795942e-13);
    row(
        "e, cr 0, ntu 1e-5", [] { return Effectiveness(0, 1e-5); },
        0.00000999995000016666706802319220777);
    row(
        "e, cr 0.5, ntu 1e-12", [] { return Effectiveness(0.5, 1e-12); },
        9.99999999999249979886648170952e-13);
    row(
        "e, cr one bit below 1, ntu 1", [belowOne] { return Effectiveness(belowOne, 1); },
        0.500000000000000013877787807814);
    row(
        "e, cr 1 - 1e-10, ntu 5", [] { return Effectiveness(1 - 1e-10, 5); },
        0.833333333368055558427038344636);
    row(
        "e, cr 1 - 1e-6, ntu 1000", [] { return Effectiveness(1 - 1e-6, 1000); },
        0.999001497919579271437756541315);
    row(
        "e, cr 0.999, ntu 0.5", [] { return Effectiveness(0.999, 0.5); },
        0.333388893518518473553295291828);
    row(
        "e, cr 0.5, ntu 2", [] { return Effectiveness(0.5, 2); }, 0.774600326439435921033808830711);
    row(
        "ntu, cr one bit below 1, e 0.5",
        [belowOne] { return NtuFromEffectiveness(belowOne, 0.5); },
        0.999999999999999944488848768742);
    row(
        "ntu, cr one bit below 1, e 12.5/146.1",
        [belowOne] { return NtuFromEffectiveness(belowOne, 12.5 / 146.1); },
        0.0935628742514970172704753536163);
    row(
        "ntu, cr 1 - 1e-10, e 0.9", [] { return NtuFromEffectiveness(1 - 1e-10, 0.9); },
        8.99999999595000188777754510607);
    row(
        "ntu, cr 1 - 1e-6, e 1 - 1e-6", [] { return NtuFromEffectiveness(1 - 1e-6, 1 - 1e-6); },
        693146.680539888401591595505138);
    row(
        "ntu, cr 0, e 1e-12", [] { return NtuFromEffectiveness(0, 1e-12); },
        1.00000000000049997988664796257e-12);
    row(
        "ntu, cr 0.5, e 1e-12", [] { return NtuFromEffectiveness(0.5, 1e-12); },
        1.00000000000074997988664821256e-12);
    row(
        "ntu, cr 0.999, e 0.3", [] { return NtuFromEffectiveness(0.999, 0.3); },
        0.428479618067370631322410059806);
    row(
        "ntu, cr 0.5, e 0.5", [] { return NtuFromEffectiveness(0.5, 0.5); },
        0.810930216216328763956026230929);
}

void FormulasTest::edgesAgainstReference()
{
    QFETCH(std::function<double()>, relation);
    QFETCH(double, reference);
    const double value = relation();
    const double error = std::abs(value - reference) / std::abs(reference);
    QVERIFY2(error <= 1e-12,
             qPrintable(QStringLiteral("%1 against %2: relative error %3")
                            .arg(FloatToRoundTripText(value), FloatToRoundTripText(reference),
                                 FloatToRoundTripText(error))));
}
