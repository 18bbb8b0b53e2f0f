#include "ScalesTest.h"

#include "AutoScale.h"
#include "ChartLayout.h"
#include "LabelSpans.h"
#include "LinearScale.h"
#include "LogScale.h"
#include "TickLabel.h"

#include <QTest>
#include <cmath>
#include <limits>

namespace {

QStringList Labels(const QList<double>& values)
{
    QStringList labels;
    for (double v : values)
        labels << TTickLabel::Text(v);
    return labels;
}

QStringList Labels(const QList<TLinearScale::TTick>& ticks)
{
    QStringList labels;
    for (const auto& tick : ticks)
        labels << TTickLabel::Text(tick.Value);
    return labels;
}

QList<int> Offsets(const QList<TLinearScale::TTick>& ticks)
{
    QList<int> offsets;
    for (const auto& tick : ticks)
        offsets << tick.Offset;
    return offsets;
}

TAxisLimits Linear(double min, double max)
{
    return {TAxisTransform(false), min, max};
}

} // namespace

void ScalesTest::autoScaleLinear_data()
{
    QTest::addColumn<int>("maxTicks");
    QTest::addColumn<double>("lo");
    QTest::addColumn<double>("hi");
    QTest::addColumn<double>("floor");
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::addColumn<int>("ticks");
    // The temperature chart of the built-in case asks for 6 - 5 .. 35 + 5.
    QTest::newRow("1..40 in fives") << 9 << 1.0 << 40.0 << -1000.0 << 0.0 << 40.0 << 9;
    QTest::newRow("0.3..9.7 halves ten intervals")
        << 9 << 0.3 << 9.7 << -1000.0 << 0.0 << 10.0 << 6;
    QTest::newRow("low end raised to the floor") << 9 << -20.0 << 40.0 << 0.0 << 0.0 << 40.0 << 5;
    QTest::newRow("floor need not be a multiple")
        << 9 << -20.0 << 40.0 << -12.0 << -12.0 << 40.0 << 6;
    QTest::newRow("11 intervals halve up to 6") << 9 << 0.5 << 10.4 << -1000.0 << 0.0 << 11.0 << 7;
    QTest::newRow("9 intervals halve down to 4") << 8 << 0.3 << 9.0 << -1000.0 << 0.0 << 9.0 << 5;
    QTest::newRow("equal ends are widened") << 9 << 10.0 << 10.0 << -1000.0 << 5.0 << 15.0 << 6;
}

void ScalesTest::autoScaleLinear()
{
    QFETCH(int, maxTicks);
    QFETCH(double, lo);
    QFETCH(double, hi);
    QFETCH(double, floor);
    const TAutoScale range = TAutoScale::Compute(maxTicks, lo, hi, floor, false);
    QTEST(range.Lo, "min");
    QTEST(range.Hi, "max");
    QVERIFY(range.Ticks.has_value());
    QTEST(*range.Ticks, "ticks");
}

void ScalesTest::autoScaleLogarithmic_data()
{
    QTest::addColumn<double>("lo");
    QTest::addColumn<double>("hi");
    QTest::addColumn<double>("floor");
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::newRow("3..700 from a table floor") << 3.0 << 700.0 << -1000.0 << 2.0 << 800.0;
    QTest::newRow("non-positive low end starts by the high end")
        << -5.0 << 40.0 << -1000.0 << 0.5 << 55.0;
    QTest::newRow("floor applies before the table") << 0.5 << 40.0 << 3.0 << 2.0 << 55.0;
}

void ScalesTest::autoScaleLogarithmic()
{
    QFETCH(double, lo);
    QFETCH(double, hi);
    QFETCH(double, floor);
    const TAutoScale range = TAutoScale::Compute(9, lo, hi, floor, true);
    QTEST(range.Lo, "min");
    QTEST(range.Hi, "max");
    QVERIFY(!range.Ticks.has_value());
}

void ScalesTest::autoScaleLogarithmicStopsOnAnInfiniteHighEnd()
{
    const TAutoScale range =
        TAutoScale::Compute(9, 1, std::numeric_limits<double>::infinity(), -1000, true);
    QCOMPARE(range.Lo, 1.0);
}

void ScalesTest::linearTicksOfZeroToOne()
{
    const TLinearScale scale = TLinearScale::ForX(0, 1, 6, 190);
    QCOMPARE(scale.Step, 0.2);
    QCOMPARE(Labels(scale.Ticks), QStringList({"0", "0.2", "0.4", "0.6", "0.8", "1"}));
    QCOMPARE(Offsets(scale.Ticks), QList<int>({0, 38, 76, 114, 152, 190}));
}

void ScalesTest::linearYTicksRunBottomUp()
{
    // 0..40 in fives over 135 pixels: 16.875 pixels a step, rounded half to even.
    const TLinearScale scale = TLinearScale::ForY(0, 40, 9, 135);
    QCOMPARE(Labels(scale.Ticks),
             QStringList({"0", "5", "10", "15", "20", "25", "30", "35", "40"}));
    QCOMPARE(Offsets(scale.Ticks), QList<int>({135, 118, 101, 84, 68, 51, 34, 17, 0}));
}

void ScalesTest::linearTicksMayPassTheEndByTwoPercent()
{
    // 0..9.9 in ones: the tick at 10 lies 1 % beyond the end and is still drawn.
    const TLinearScale scale = TLinearScale::ForX(0, 9.9, 11, 99);
    QCOMPARE(scale.Step, 1.0);
    QCOMPARE(scale.Ticks.size(), 11);
    QCOMPARE(scale.Ticks.last().Value, 10.0);
    QCOMPARE(scale.Ticks.last().Offset, 100);
}

void ScalesTest::logTicksOneToThousand()
{
    const TLogScale scale = TLogScale::Ticks(1, 1000);
    QCOMPARE(Labels(scale.Major), QStringList({"1", "10", "100", "1000"}));
    QCOMPARE(Labels(scale.Minor),
             QStringList({"2", "1.5", "4", "3", "8", "6", "20", "15", "40", "30", "80", "60", "200",
                          "150", "400", "300", "800", "600"}));
}

void ScalesTest::logTicksOneToEight()
{
    const TLogScale scale = TLogScale::Ticks(1, 8);
    QCOMPARE(scale.Major, QList<double>({1}));
    QCOMPARE(scale.Minor, QList<double>({2, 1.5, 4, 3, 8, 6}));
}

void ScalesTest::logTicksWithoutAnyDoublingGetQuarterAndHalf()
{
    const TLogScale scale = TLogScale::Ticks(2, 3);
    QCOMPARE(scale.Major, QList<double>({2, 3}));
    QCOMPARE(scale.Minor, QList<double>({2.25, 2.5}));
}

void ScalesTest::logLabelsOfMinorTicksGiveWay()
{
    // Ten pixels a unit and labels five pixels a character, centred on their tick.
    const auto pixelOf = [](double v) { return int(v * 10); };
    const auto extentOf = [](int pixel, const QString& label) {
        const int w = 5 * int(label.size());
        return std::pair(pixel - w / 2, pixel - w / 2 + w);
    };
    const auto placed = TLogScale::Ticks(1, 8).Place(pixelOf, extentOf);
    QStringList shown, hidden;
    for (const auto& tick : placed)
        (tick.ShowLabel ? shown : hidden) << tick.Label;
    // Major 1 first ([8, 13]); then the minor ones in list order: 2 ([18, 23]) fits, 1.5
    // ([8, 23]) touches both, 4 and 3 fit, 8 fits, 6 ([58, 63]) fits.
    QCOMPARE(shown, QStringList({"1", "2", "4", "3", "8", "6"}));
    QCOMPARE(hidden, QStringList({"1.5"}));
    QCOMPARE(placed.size(), 7);
    QCOMPARE(placed[2].Pixel, 15);

    // A major label is shown even where it touches another major one.
    TLogScale crowded;
    crowded.Major = {1, 1.2};
    crowded.Minor = {1.1};
    const auto crowdedPlaced = crowded.Place(pixelOf, extentOf);
    QVERIFY(crowdedPlaced[0].ShowLabel);
    QVERIFY(crowdedPlaced[1].ShowLabel);
    QVERIFY(!crowdedPlaced[2].ShowLabel);
}

void ScalesTest::tickLabelText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("0.05") << 0.05 << "0.05";
    QTest::newRow("0.2") << 0.2 << "0.2";
    QTest::newRow("2.5") << 2.5 << "2.5";
    QTest::newRow("20") << 20.0 << "20";
    QTest::newRow("100") << 100.0 << "100";
    QTest::newRow("a sum off by an ulp") << 3 * 0.2 << "0.6";
    QTest::newRow("9999 still fixed") << 9999.0 << "9999";
    QTest::newRow("above 9999 in two digits") << 20000.0 << "2E4";
    QTest::newRow("negative") << -10.0 << "-10";
}

void ScalesTest::tickLabelText()
{
    QFETCH(double, value);
    QTEST(TTickLabel::Text(value), "expected");
}

void ScalesTest::labelSpansKeepAPixelFree()
{
    TLabelSpans spans;
    QVERIFY(!spans.Overlaps(0, 100));
    spans.Add(10, 20); // takes 9..21
    QVERIFY(spans.Overlaps(21, 30));
    QVERIFY(spans.Overlaps(0, 9));
    QVERIFY(spans.Overlaps(12, 14));
    QVERIFY(!spans.Overlaps(22, 30));
    QVERIFY(!spans.Overlaps(0, 8));
}

void ScalesTest::transformOfLogarithmicAxis_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("stored");
    QTest::newRow("1000") << 1000.0 << 3.0;
    QTest::newRow("0.01") << 0.01 << -2.0;
    QTest::newRow("zero stands for 0.01") << 0.0 << -2.0;
    QTest::newRow("negative stands for 0.01") << -5.0 << -2.0;
    QTest::newRow("NaN stands for 0.01") << std::nan("") << -2.0;
}

void ScalesTest::transformOfLogarithmicAxis()
{
    QFETCH(double, value);
    QFETCH(double, stored);
    const TAxisTransform transform(true);
    QCOMPARE(transform.Forward(value), stored);
    QCOMPARE(TAxisTransform(false).Forward(5.0), 5.0);
}

void ScalesTest::layoutMapsDataToPixelsAndBack()
{
    // X linear 0..1, Y logarithmic 1..100.
    const TChartLayout layout(QSize(249, 199), QMargins(40, 25, 20, 40), Linear(0, 1),
                              {TAxisTransform(true), 0, 2});
    QCOMPARE(layout.PlotRect(), (TRect{40, 25, 229, 159}));
    QCOMPARE(layout.PlotWidth(), 189);
    QCOMPARE(layout.PlotHeight(), 134);
    QCOMPARE(layout.DataToPixel(0, 1), QPoint(40, 159));
    QCOMPARE(layout.DataToPixel(1, 100), QPoint(229, 25));
    QCOMPARE(layout.DataToPixel(0.5, 10), QPoint(134, 92));
    const TDoublePoint data = layout.PixelToData(229, 25);
    QCOMPARE(data.X, 1.0);
    QCOMPARE(data.Y, 100.0);
    QVERIFY(layout.PointInPlot({229, 159}));
    QVERIFY(!layout.PointInPlot({230, 159}));
    QVERIFY(layout.InRange(1, 100));
    QVERIFY(!layout.InRange(1, 101));
    QVERIFY(!layout.InRange(-0.001, 50));
}

void ScalesTest::layoutTruncatesTowardsZero()
{
    // 100 pixels for 0..3: 33.33 pixels a unit.
    const TChartLayout layout(QSize(100, 100), QMargins(0, 0, 0, 0), Linear(0, 3), Linear(0, 3));
    QCOMPARE(layout.DataToPixel(1, 1), QPoint(33, 67));
    QCOMPARE(layout.DataToPixel(-1, -1), QPoint(-33, 133));
}

void ScalesTest::layoutWithEqualLimitsScalesByOne()
{
    const TChartLayout layout(QSize(246 - 1, 239 - 1), QMargins(50, 25, 20, 40), Linear(1, 1),
                              Linear(1, 1));
    QCOMPARE(layout.XScale(), static_cast<long double>(layout.PlotWidth()));
    QCOMPARE(layout.YScale(), static_cast<long double>(layout.PlotHeight()));
}

void ScalesTest::layoutHoldsFarPointsInIntegerRange()
{
    const TChartLayout layout(QSize(100, 100), QMargins(0, 0, 0, 0), Linear(0, 1), Linear(0, 1));
    const QPoint far = layout.DataToPixel(1e300, -1e300);
    QVERIFY(far.x() > 1000000);
    QVERIFY(far.y() > 1000000);
    QVERIFY(!layout.PointInPlot(layout.DataToPixel(std::nan(""), 0.5)));
}
