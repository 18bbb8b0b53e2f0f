#include "RoundTripTextTest.h"

#include "RoundTripText.h"

#include <QList>
#include <QRandomGenerator64>
#include <QTest>
#include <bit>
#include <charconv>
#include <cmath>
#include <functional>
#include <limits>

namespace {

QByteArray LibraryText(double value)
{
    char text[64];
    return QByteArray(text, std::to_chars(text, text + sizeof text, value).ptr - text);
}

QByteArray WrittenText(double value)
{
    char text[RoundTripTextRoom];
    return QByteArray(text, WriteRoundTripText(text, value) - text);
}

double FromBits(quint64 bits)
{
    return std::bit_cast<double>(bits);
}

} // namespace

void RoundTripTextTest::writesTheLibrarysText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("tenth") << 0.1 << QByteArray("0.1");
    QTest::newRow("whole") << 12.0 << QByteArray("12");
    QTest::newRow("whole with zeros, scientific shorter") << 100000.0 << QByteArray("1e+05");
    QTest::newRow("whole with zeros, fixed no longer") << 10000.0 << QByteArray("10000");
    QTest::newRow("large whole, digits and zeros")
        << 123456789012345680.0 << QByteArray("123456789012345680");
    QTest::newRow("2^53 + 1 rounds to 2^53")
        << 9007199254740993.0 << QByteArray("9007199254740992");
    QTest::newRow("1e16") << 1e16 << QByteArray("1e+16");
    QTest::newRow("1e21") << 1e21 << QByteArray("1e+21");
    QTest::newRow("small, scientific shorter") << 0.0001 << QByteArray("1e-04");
    QTest::newRow("small, fixed shorter") << 0.001 << QByteArray("0.001");
    QTest::newRow("third") << 1.0 / 3.0 << QByteArray("0.3333333333333333");
    QTest::newRow("17 digits") << 23.528999999999996 << QByteArray("23.528999999999996");
    QTest::newRow("just below three quarters")
        << 0.7499999999999999 << QByteArray("0.7499999999999999");
    QTest::newRow("closest of the shortest") << 4.35 << QByteArray("4.35");
    QTest::newRow("power of two, narrow interval below")
        << 8.881784197001252e-16 << QByteArray("8.881784197001252e-16");
    QTest::newRow("three-digit exponent") << 1.5e300 << QByteArray("1.5e+300");
    QTest::newRow("negative three-digit exponent") << -1.2345e-300 << QByteArray("-1.2345e-300");
    QTest::newRow("largest") << std::numeric_limits<double>::max()
                             << QByteArray("1.7976931348623157e+308");
    QTest::newRow("smallest normal")
        << -std::numeric_limits<double>::min() << QByteArray("-2.2250738585072014e-308");
    QTest::newRow("smallest subnormal")
        << std::numeric_limits<double>::denorm_min() << QByteArray("5e-324");
    QTest::newRow("negative zero") << -0.0 << QByteArray("-0");
    QTest::newRow("infinity") << -std::numeric_limits<double>::infinity() << QByteArray("-inf");
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << QByteArray("nan");
}

void RoundTripTextTest::writesTheLibrarysText()
{
    QFETCH(double, value);
    QFETCH(QByteArray, text);
    QCOMPARE(LibraryText(value), text);
    QCOMPARE(WrittenText(value), text);
}

void RoundTripTextTest::sweepsMatchTheLibrary_data()
{
    using TSweep = std::function<void(const std::function<void(double)>&)>;
    QTest::addColumn<TSweep>("sweep");
    QTest::newRow("random bit patterns") << TSweep([](const auto& check) {
        QRandomGenerator64 random(20261210);
        for (int i = 0; i < 1000000; ++i)
            check(FromBits(random.generate()));
    });
    QTest::newRow("short decimals") << TSweep([](const auto& check) {
        QRandomGenerator64 random(7);
        for (int i = 0; i < 300000; ++i)
            check(double(random.bounded(2000000)) / std::pow(10.0, random.bounded(12)));
    });
    QTest::newRow("whole numbers and their thousandths") << TSweep([](const auto& check) {
        for (int i = 1; i < 100000; ++i) {
            check(i);
            check(i * 0.001);
            check(i * 1e15);
        }
    });
    QTest::newRow("powers of two and ten with neighbours") << TSweep([](const auto& check) {
        const auto withNeighbours = [&check](double value) {
            check(value);
            check(std::nextafter(value, 0.0));
            check(std::nextafter(value, std::numeric_limits<double>::infinity()));
        };
        for (int e = -1074; e <= 1023; ++e)
            withNeighbours(std::ldexp(1.0, e));
        for (int e = -323; e <= 308; ++e)
            withNeighbours(std::pow(10.0, e));
    });
}

void RoundTripTextTest::sweepsMatchTheLibrary()
{
    using TSweep = std::function<void(const std::function<void(double)>&)>;
    QFETCH(TSweep, sweep);
    int checked = 0;
    QList<QByteArray> mismatches;
    sweep([&](double value) {
        ++checked;
        const QByteArray expected = LibraryText(value);
        const QByteArray written = WrittenText(value);
        if (written != expected && mismatches.size() < 5)
            mismatches << LibraryText(value) + " written as " + written;
    });
    QVERIFY(checked > 1000);
    QVERIFY2(mismatches.isEmpty(), mismatches.join("; ").constData());
}
