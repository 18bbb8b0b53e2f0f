#include "FormatTest.h"

#include "ConvertError.h"
#include "Format.h"
#include "NumberParse.h"

#include <QList>
#include <QRandomGenerator64>
#include <QTest>
#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <string>

using TArgs = std::vector<TFormatArg>;
Q_DECLARE_METATYPE(TArgs)

namespace {

QString FormatVector(const QString& format, const TArgs& args)
{
    switch (args.size()) {
    case 0:
        return Format(format, {});
    case 1:
        return Format(format, {args[0]});
    case 2:
        return Format(format, {args[0], args[1]});
    default:
        return Format(format, {args[0], args[1], args[2]});
    }
}

// The text of `value` with `decimals` decimals, rounded half away from zero by
// hand on its exact decimal expansion, which ends within 1074 decimals.
QString ExactlyRounded(double value, int decimals)
{
    int exponent = 0;
    std::frexp(value, &exponent);
    const int exactDecimals = std::clamp(53 - exponent, decimals + 1, 1074);
    std::string text(1500, ' ');
    text.resize(std::size_t(std::to_chars(text.data(), text.data() + text.size(), std::fabs(value),
                                          std::chars_format::fixed, exactDecimals)
                                .ptr -
                            text.data()));
    const std::size_t point = text.find('.');
    const bool up = text[point + std::size_t(decimals) + 1] >= '5';
    text.resize(decimals == 0 ? point : point + std::size_t(decimals) + 1);
    for (std::size_t at = text.size(); up; --at) {
        if (at == 0) {
            text.insert(0, 1, '1');
            break;
        }
        char& digit = text[at - 1];
        if (digit == '.')
            continue;
        const bool carry = digit == '9';
        digit = carry ? '0' : char(digit + 1);
        if (!carry)
            break;
    }
    if (std::signbit(value) && text.find_first_not_of("0.") != std::string::npos)
        text.insert(0, 1, '-');
    return QString::fromStdString(text);
}

using TFixedSweep = std::function<void(const std::function<void(double, int)>&)>;
using TTextSweep = std::function<void(const std::function<void(const QByteArray&)>&)>;

// A random run of `count` digits.
QByteArray RandomDigits(QRandomGenerator64& random, int count)
{
    QByteArray digits;
    for (int i = 0; i < count; ++i)
        digits += char('0' + random.bounded(10));
    return digits;
}

// The number std::from_chars reads from the whole text, which takes no "+".
template <typename T> std::optional<T> LibraryNumber(const QByteArray& text)
{
    const char* begin = text.constData() + (text.startsWith('+') ? 1 : 0);
    const char* end = text.constData() + text.size();
    T number{};
    const auto [stop, ec] = std::from_chars(begin, end, number);
    if (ec != std::errc() || stop != end)
        return {};
    return number;
}

} // namespace

Q_DECLARE_METATYPE(TFixedSweep)
Q_DECLARE_METATYPE(TTextSweep)

void FormatTest::initTestCase()
{
    // A comma-decimal locale must not leak into any number text.
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        std::setlocale(LC_NUMERIC, "fr_FR.UTF-8");
}

void FormatTest::directives_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<TArgs>("args");
    QTest::addColumn<QString>("text");
    const double third = 1.0 / 3.0;
    QTest::newRow("fixed, three decimals") << "%0.3f" << TArgs{23.5294} << "23.529";
    QTest::newRow("fixed, no decimals") << "%0.0f" << TArgs{37.0} << "37";
    QTest::newRow("fixed default two decimals") << "%f" << TArgs{third} << "0.33";
    QTest::newRow("fixed tie rounds away from zero") << "%0.2f" << TArgs{0.125} << "0.13";
    QTest::newRow("negative tie rounds away from zero") << "%0.0f" << TArgs{-2.5} << "-3";
    QTest::newRow("binary value below a decimal tie") << "%0.2f" << TArgs{2.675} << "2.67";
    // A step of these values (1/16, 1/128) is wider than their last decimal.
    QTest::newRow("tie of a large value")
        << "%0.3f" << TArgs{281474976710656.0625} << "281474976710656.063";
    QTest::newRow("tie of a value too long for whole digits")
        << "%0.6f" << TArgs{35184372088832.0078125} << "35184372088832.007813";
    QTest::newRow("rounds to zero without sign") << "%0.3f" << TArgs{-0.0001} << "0.000";
    QTest::newRow("integer argument to fixed") << "%0.1f" << TArgs{std::int64_t{4}} << "4.0";
    QTest::newRow("general keeps integers") << "%0.5g" << TArgs{37.0} << "37";
    QTest::newRow("general, significant digits") << "%0.5g" << TArgs{third} << "0.33333";
    QTest::newRow("general drops trailing zeros") << "%0.5g" << TArgs{2.5} << "2.5";
    QTest::newRow("general rounds into next decade") << "%0.2g" << TArgs{99.7} << "1E002";
    QTest::newRow("general scientific above precision") << "%4.2g" << TArgs{20000.0} << "2E004";
    QTest::newRow("general scientific mantissa") << "%0.3g" << TArgs{12345.0} << "1.23E004";
    QTest::newRow("general scientific small") << "%0.5g" << TArgs{0.0000025} << "2.5E-006";
    QTest::newRow("general fixed at 0.00001") << "%0.5g" << TArgs{0.00001} << "0.00001";
    QTest::newRow("general tie away from zero") << "%0.2g" << TArgs{0.125} << "0.13";
    QTest::newRow("general zero") << "%0.5g" << TArgs{0.0} << "0";
    QTest::newRow("general default precision") << "%g" << TArgs{0.1} << "0.1";
    QTest::newRow("width pads left") << "%6.1f" << TArgs{2.25} << "   2.3";
    QTest::newRow("minus pads right") << "[%-5d]" << TArgs{std::int64_t{42}} << "[42   ]";
    QTest::newRow("integer") << "%d" << TArgs{std::int64_t{-17}} << "-17";
    QTest::newRow("integer with minimum digits") << "%.3d" << TArgs{std::int64_t{7}} << "007";
    QTest::newRow("thousands") << "%1.0n%%" << TArgs{1234567.0} << "1,234,567%";
    QTest::newRow("thousands, small") << "%1.0n%%" << TArgs{100.0} << "100%";
    QTest::newRow("thousands, negative with decimals") << "%0.2n" << TArgs{-1234.5} << "-1,234.50";
    QTest::newRow("hexadecimal upper case")
        << "%s%.4x%.4x" << TArgs{QString("\\x\\"), std::int64_t{0x409}, std::int64_t{0x4E4}}
        << "\\x\\040904E4";
    QTest::newRow("text cut to precision") << "%.3s" << TArgs{QString("abcdef")} << "abc";
    QTest::newRow("explicit index") << "%1:s-%0:s" << TArgs{QString("a"), QString("b")} << "b-a";
    QTest::newRow("literal text around") << "Q = %0.3f kW" << TArgs{23.529} << "Q = 23.529 kW";
    QTest::newRow("infinity") << "%0.3f" << TArgs{std::numeric_limits<double>::infinity()} << "INF";
}

void FormatTest::directives()
{
    QFETCH(QString, format);
    QFETCH(TArgs, args);
    QTEST(FormatVector(format, args), "text");
}

void FormatTest::rejectsMismatchedArguments_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<TArgs>("args");
    QTest::newRow("integer directive, double") << "%d" << TArgs{1.5};
    QTest::newRow("float directive, text") << "%0.1f" << TArgs{QString("x")};
    QTest::newRow("text directive, number") << "%s" << TArgs{1.0};
    QTest::newRow("missing argument") << "%d %d" << TArgs{std::int64_t{1}};
    QTest::newRow("unknown directive") << "%q" << TArgs{1.0};
    QTest::newRow("directive cut short") << "%0." << TArgs{1.0};
}

void FormatTest::rejectsMismatchedArguments()
{
    QFETCH(QString, format);
    QFETCH(TArgs, args);
    QVERIFY_THROWS_EXCEPTION(EConvertError, FormatVector(format, args));
}

void FormatTest::fixedTextRoundsTheExactValue_data()
{
    QTest::addColumn<TFixedSweep>("sweep");
    QTest::newRow("decimal ties and their neighbours") << TFixedSweep([](const auto& check) {
        QRandomGenerator64 random(11);
        for (int i = 0; i < 100000; ++i) {
            const int decimals = int(random.bounded(8));
            const double tie = (double(random.bounded(20000000)) + 0.5) / std::pow(10.0, decimals);
            for (double value : {tie, std::nextafter(tie, 0.0), std::nextafter(tie, 1e300)})
                check(random.bounded(2) ? value : -value, decimals);
        }
    });
    QTest::newRow("exact binary ties") << TFixedSweep([](const auto& check) {
        for (int k = -4000; k <= 4000; ++k)
            for (int decimals = 0; decimals <= 6; ++decimals)
                check(std::ldexp(double(k), -decimals - 1), decimals);
    });
    QTest::newRow("magnitudes from tiny to huge") << TFixedSweep([](const auto& check) {
        QRandomGenerator64 random(12);
        for (int i = 0; i < 100000; ++i)
            check(random.generateDouble() * std::pow(10.0, int(random.bounded(60)) - 30),
                  int(random.bounded(32)));
    });
    QTest::newRow("around the largest whole digits of 64 bits")
        << TFixedSweep([](const auto& check) {
               for (int decimals = 0; decimals <= 27; ++decimals) {
                   double value = std::ldexp(1.0, 64) / std::pow(10.0, decimals);
                   for (int step = 0; step < 200; ++step) {
                       check(value, decimals);
                       check(-value, decimals);
                       value = std::nextafter(value, step < 100 ? 0.0 : 1e300);
                   }
               }
           });
    QTest::newRow("random bit patterns") << TFixedSweep([](const auto& check) {
        QRandomGenerator64 random(13);
        for (int i = 0; i < 100000; ++i) {
            const double value = std::bit_cast<double>(random.generate());
            if (std::isfinite(value) && std::fabs(value) < 1e30)
                check(value, int(random.bounded(30)));
        }
    });
    QTest::newRow("zeros and the smallest values") << TFixedSweep([](const auto& check) {
        for (int decimals = 0; decimals <= 30; ++decimals)
            for (double value : {0.0, -0.0, std::numeric_limits<double>::denorm_min(),
                                 -std::numeric_limits<double>::min(), 5e-31, -4.9999e-4})
                check(value, decimals);
    });
}

void FormatTest::fixedTextRoundsTheExactValue()
{
    QFETCH(TFixedSweep, sweep);
    int checked = 0;
    QStringList mismatches;
    sweep([&](double value, int decimals) {
        ++checked;
        const QString expected = ExactlyRounded(value, decimals);
        const QString text = FixedText(value, decimals);
        if (text != expected && mismatches.size() < 5)
            mismatches << QString("%1 with %2 decimals: %3, not %4")
                              .arg(FloatToRoundTripText(value))
                              .arg(QString::number(decimals))
                              .arg(text, expected);
    });
    QVERIFY(checked > 100);
    QVERIFY2(mismatches.isEmpty(), qPrintable(mismatches.join("; ")));
}

void FormatTest::roundTripText_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("tenth") << 0.1;
    QTest::newRow("third") << 1.0 / 3.0;
    QTest::newRow("large") << 1e300;
    QTest::newRow("denormal") << 4.9e-324;
    QTest::newRow("negative") << -23.529;
}

void FormatTest::roundTripText()
{
    QFETCH(double, value);
    const QString text = FloatToRoundTripText(value);
    QCOMPARE(StrToFloat(text), value);
    QVERIFY(!text.contains(u','));
}

void FormatTest::strToFloat_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("decimal point") << "23.529" << 23.529;
    QTest::newRow("blanks around") << "  -1.5 " << -1.5;
    QTest::newRow("plus sign") << "+2" << 2.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("exponent") << "1E-3" << 0.001;
    QTest::newRow("underflow is zero") << "1E-999" << 0.0;
}

void FormatTest::strToFloat()
{
    QFETCH(QString, text);
    QTEST(StrToFloat(text), "value");
}

void FormatTest::plainNumbersReadAsTheLibraryReadsThem_data()
{
    QTest::addColumn<TTextSweep>("sweep");
    QTest::newRow("decimals of every length and point") << TTextSweep([](const auto& check) {
        QRandomGenerator64 random(21);
        for (int i = 0; i < 200000; ++i) {
            const int count = 1 + int(random.bounded(24));
            QByteArray text = RandomDigits(random, count);
            if (random.bounded(4) != 0)
                text.insert(int(random.bounded(count + 1)), '.');
            check(QByteArray("+-").mid(int(random.bounded(3)), 1) + text);
        }
    });
    QTest::newRow("around 2^53 and the exact powers of ten") << TTextSweep([](const auto& check) {
        for (const char* digits : {"9007199254740991", "9007199254740992", "9007199254740993",
                                   "9007199254740994", "18014398509481985", "1", "0"}) {
            for (int decimals = 0; decimals <= 24; ++decimals) {
                QByteArray text = QByteArray(digits).rightJustified(decimals + 1, '0');
                text.insert(text.size() - decimals, '.');
                check(text);
                check("-" + text);
            }
        }
    });
    QTest::newRow("whole numbers around the int range") << TTextSweep([](const auto& check) {
        QRandomGenerator64 random(22);
        for (int i = 0; i < 100000; ++i)
            check(QByteArray("+-").mid(int(random.bounded(3)), 1) +
                  RandomDigits(random, 1 + int(random.bounded(11))));
        for (const char* text :
             {"2147483647", "2147483648", "-2147483648", "-2147483649", "000000000012", "+0", "-0"})
            check(text);
    });
}

void FormatTest::plainNumbersReadAsTheLibraryReadsThem()
{
    QFETCH(TTextSweep, sweep);
    int checked = 0;
    QStringList mismatches;
    sweep([&](const QByteArray& text) {
        ++checked;
        double number = 0;
        const bool isNumber = TryStrToFloat(QString::fromLatin1(text), number);
        const std::optional<double> expected = LibraryNumber<double>(text);
        // Exactly the same double, a negative zero included.
        if ((isNumber != expected.has_value() ||
             (isNumber && std::bit_cast<quint64>(number) != std::bit_cast<quint64>(*expected))) &&
            mismatches.size() < 5)
            mismatches << text + " read as " + FloatToRoundTripText(number);
        int whole = 0;
        const bool isWhole = TryStrToInt(QString::fromLatin1(text), whole);
        const std::optional<int> expectedWhole = LibraryNumber<int>(text);
        if ((isWhole != expectedWhole.has_value() || (isWhole && whole != *expectedWhole)) &&
            mismatches.size() < 5)
            mismatches << text + " read as the integer " + QByteArray::number(whole);
    });
    QVERIFY(checked > 100);
    QVERIFY2(mismatches.isEmpty(), qPrintable(mismatches.join("; ")));
}

void FormatTest::strToFloatRejects_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("letters") << "abc";
    QTest::newRow("empty") << "";
    QTest::newRow("comma decimal") << "1,5";
    QTest::newRow("dangling exponent") << "5E";
    QTest::newRow("infinity word") << "inf";
    QTest::newRow("not a number word") << "nan";
    QTest::newRow("hexadecimal") << "0x10";
    QTest::newRow("overflow") << "1E999";
    QTest::newRow("two signs") << "+-1";
    QTest::newRow("inner blank") << "1 2";
}

void FormatTest::strToFloatRejects()
{
    QFETCH(QString, text);
    try {
        StrToFloat(text);
        QFAIL("no error");
    } catch (const EConvertError& error) {
        QCOMPARE(QString(error.what()), "'" + text + "' is not a valid floating point value");
    }
}

// 1.5 and 7 with leading zeros, `length` characters in all: numbers up to the
// limit, refused beyond it, and their message quoting only the start.
void FormatTest::numberTextLengthLimit_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("blanks"); // around the number, not counted
    QTest::addColumn<bool>("read");
    const int limit = int(MaxNumberTextLength);
    QTest::newRow("at the limit") << limit << QString() << true;
    QTest::newRow("at the limit, blanks around") << limit << QString(1000, u' ') << true;
    QTest::newRow("just over the limit") << limit + 1 << QString() << false;
    QTest::newRow("far over the limit") << 10 * 1000 * 1000 << QString() << false;
}

void FormatTest::numberTextLengthLimit()
{
    QFETCH(int, length);
    QFETCH(QString, blanks);
    QFETCH(bool, read);
    const QString decimal = blanks + QString(length - 3, u'0') + "1.5" + blanks;
    const QString integer = blanks + QString(length - 1, u'0') + "7" + blanks;
    double number = 0;
    int whole = 0;
    QCOMPARE(TryStrToFloat(decimal, number), read);
    QCOMPARE(TryStrToInt(integer, whole), read);
    if (read) {
        QCOMPARE(number, 1.5);
        QCOMPARE(whole, 7);
        return;
    }
    const QString quoted = "'" + QString(MaxQuotedLength, u'0') + QChar(0x2026) + "'";
    try {
        StrToFloat(decimal);
        QFAIL("no error");
    } catch (const EConvertError& error) {
        QCOMPARE(QString::fromUtf8(error.what()),
                 quoted + " is not a valid floating point value: it is longer than 400 "
                          "characters");
    }
    QCOMPARE(QString::fromStdString(InvalidIntegerMessage(integer)),
             quoted + " is not a valid integer value: it is longer than 400 characters");
}

void FormatTest::strToInt()
{
    QCOMPARE(StrToInt(" 42 "), 42);
    QCOMPARE(StrToInt("-7"), -7);
    QCOMPARE(StrToInt("+7"), 7);
    for (const char* bad : {"", "4.5", "+-7", "99999999999", "x"})
        QVERIFY_THROWS_EXCEPTION(EConvertError, StrToInt(bad));
    try {
        StrToInt("abc");
        QFAIL("no error");
    } catch (const EConvertError& error) {
        QCOMPARE(QString(error.what()), "'abc' is not a valid integer value");
    }
}
