#include "ScaleStepsTest.h"

#include "ScaleSteps.h"

#include <QTest>

void ScaleStepsTest::roundIsHalfToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<long long>("expected");
    QTest::newRow("6.5 goes down to even") << 6.5 << 6LL;
    QTest::newRow("5.5 goes up to even") << 5.5 << 6LL;
    QTest::newRow("2.5 goes down to even") << 2.5 << 2LL;
    QTest::newRow("negative half to even") << -2.5 << -2LL;
    QTest::newRow("not a tie") << 2.51 << 3LL;
}

void ScaleStepsTest::roundIsHalfToEven()
{
    QFETCH(double, value);
    QFETCH(long long, expected);
    QCOMPARE(TScaleSteps::Round(value), expected);
}

void ScaleStepsTest::roundToStep_data()
{
    QTest::addColumn<bool>("up");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("step");
    QTest::addColumn<double>("tolerance");
    QTest::addColumn<double>("expected");
    QTest::newRow("down -7 by 5 leaves zero behind") << false << -7.0 << 5.0 << 0.0 << -10.0;
    QTest::newRow("up -7 by 5 goes towards zero") << true << -7.0 << 5.0 << 0.0 << -5.0;
    QTest::newRow("up on a multiple stays") << true << 40.0 << 5.0 << 0.0 << 40.0;
    QTest::newRow("down on a multiple stays") << false << 40.0 << 5.0 << 0.0 << 40.0;
    QTest::newRow("up 41 by 5") << true << 41.0 << 5.0 << 0.0 << 45.0;
    QTest::newRow("down 44 by 5") << false << 44.0 << 5.0 << 0.0 << 40.0;
    QTest::newRow("up within tolerance stays") << true << 40.1 << 5.0 << 0.05 << 40.0;
    QTest::newRow("down 750 by 100") << false << 750.0 << 100.0 << 0.0 << 700.0;
}

void ScaleStepsTest::roundToStep()
{
    QFETCH(bool, up);
    QFETCH(double, x);
    QFETCH(double, step);
    QFETCH(double, tolerance);
    QFETCH(double, expected);
    const double result = up ? TScaleSteps::RoundUpToStep(x, step, tolerance)
                             : TScaleSteps::RoundDownToStep(x, step, tolerance);
    QCOMPARE(result, expected);
}

void ScaleStepsTest::rangeStep_data()
{
    QTest::addColumn<double>("range");
    QTest::addColumn<double>("expected");
    QTest::newRow("tiny range") << 0.0005 << 0.0001;
    QTest::newRow("0.001 itself") << 0.001 << 0.0001;
    QTest::newRow("39 rounds in fives") << 39.0 << 5.0;
    QTest::newRow("50 itself") << 50.0 << 5.0;
    QTest::newRow("9.4 rounds in ones") << 9.4 << 1.0;
    QTest::newRow("50000 itself") << 50000.0 << 5000.0;
    QTest::newRow("above the table") << 123456.0 << 20000.0;
}

void ScaleStepsTest::rangeStep()
{
    QFETCH(double, range);
    QFETCH(double, expected);
    QCOMPARE(TScaleSteps::RangeStep(range), expected);
}

void ScaleStepsTest::tickStep_data()
{
    QTest::addColumn<double>("raw");
    QTest::addColumn<double>("expected");
    QTest::newRow("0.2 is a step") << 0.2 << 0.2;
    QTest::newRow("just above a threshold takes the next") << 0.22 << 0.5;
    QTest::newRow("4.875 rounds to 5") << 4.875 << 5.0;
    QTest::newRow("22 gives 25") << 22.0 << 25.0;
    QTest::newRow("120 gives 150") << 120.0 << 150.0;
    QTest::newRow("280 gives 300") << 280.0 << 300.0;
    QTest::newRow("above the table rounds up to 500") << 501.0 << 1000.0;
}

void ScaleStepsTest::tickStep()
{
    QFETCH(double, raw);
    QFETCH(double, expected);
    QCOMPARE(TScaleSteps::TickStep(raw), expected);
}

void ScaleStepsTest::logFloor_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("expected");
    QTest::newRow("3 gives 2") << 3.0 << 2.0;
    QTest::newRow("below the table unchanged") << 0.0005 << 0.0005;
    QTest::newRow("a table value itself") << 50.0 << 50.0;
    QTest::newRow("750 rounds down to hundreds") << 750.0 << 700.0;
    QTest::newRow("499 gives 200") << 499.0 << 200.0;
}

void ScaleStepsTest::logFloor()
{
    QFETCH(double, x);
    QFETCH(double, expected);
    QCOMPARE(TScaleSteps::LogFloor(x), expected);
}

void ScaleStepsTest::logStart_data()
{
    QTest::addColumn<double>("high");
    QTest::addColumn<double>("expected");
    QTest::newRow("0.05") << 0.05 << 0.001;
    QTest::newRow("40") << 40.0 << 0.5;
    QTest::newRow("100 itself") << 100.0 << 1.0;
    QTest::newRow("10000 itself") << 10000.0 << 100.0;
    QTest::newRow("above 10000 jumps to 1000") << 10001.0 << 1000.0;
}

void ScaleStepsTest::logStart()
{
    QFETCH(double, high);
    QFETCH(double, expected);
    QCOMPARE(TScaleSteps::LogStart(high), expected);
}

void ScaleStepsTest::nextLogTickStopsAtEachPowerPassed_data()
{
    QTest::addColumn<double>("decade");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("expected");
    QTest::addColumn<double>("decadeAfter");
    QTest::addColumn<bool>("isDecade");
    QTest::newRow("16 passes 10") << 1.0 << 16.0 << 10.0 << 10.0 << true;
    QTest::newRow("20 after 10 is no power") << 10.0 << 20.0 << 20.0 << 10.0 << false;
    QTest::newRow("160 after 1 stops at 10 first") << 1.0 << 160.0 << 10.0 << 10.0 << true;
    QTest::newRow("just short of 100 within 0.001") << 10.0 << 99.9995 << 100.0 << 100.0 << true;
    QTest::newRow("beyond the last power") << 1e7 << 2e7 << 2e7 << 1e7 << false;
}

void ScaleStepsTest::nextLogTickStopsAtEachPowerPassed()
{
    QFETCH(double, decade);
    QFETCH(double, x);
    QFETCH(double, expected);
    QFETCH(double, decadeAfter);
    QFETCH(bool, isDecade);
    bool found = !isDecade;
    QCOMPARE(TScaleSteps::NextLogTick(decade, found, x), expected);
    QCOMPARE(decade, decadeAfter);
    QCOMPARE(found, isDecade);
}

void ScaleStepsTest::valueInListComparesExactly()
{
    QVERIFY(TScaleSteps::ValueInList({1, 2, 8}, 8));
    QVERIFY(!TScaleSteps::ValueInList({1, 2, 8}, 8.0000001));
}
