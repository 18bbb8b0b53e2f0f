#include "NumberTextTest.h"

#include "ConvertError.h"
#include "NumberText.h"

#include <QTest>

void NumberTextTest::formatClassification_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("isString");
    QTest::addColumn<bool>("isInteger");
    QTest::addColumn<bool>("isGeneral");
    QTest::addColumn<bool>("isFloat");
    QTest::addColumn<bool>("isFraction");
    QTest::newRow("general") << "%0.5g" << false << false << true << true << false;
    QTest::newRow("integer") << "%d" << false << true << false << false << false;
    QTest::newRow("fixed") << "%0.1f" << false << false << false << true << false;
    QTest::newRow("string") << "%s" << true << false << false << false << false;
    QTest::newRow("upper-case letters count")
        << "%0.2F" << false << false << false << true << false;
    QTest::newRow("fraction") << "%d/%d" << false << true << false << false << true;
    QTest::newRow("literal text with an s counts as string")
        << "%0.1f secs" << true << false << false << true << false;
}

void NumberTextTest::formatClassification()
{
    QFETCH(QString, format);
    QTEST(IsStringFormat(format), "isString");
    QTEST(IsIntegerFormat(format), "isInteger");
    QTEST(IsGeneralFormat(format), "isGeneral");
    QTEST(IsFloatFormat(format), "isFloat");
    QTEST(IsFractionFormat(format), "isFraction");
}

void NumberTextTest::sigDigitDecimals_data()
{
    QTest::addColumn<int>("sig");
    QTest::addColumn<int>("max");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::newRow("two integer digits") << 5 << 12 << 37.0 << 3;
    QTest::newRow("small value: position of first digit") << 5 << 12 << 0.001234 << 5;
    QTest::newRow("one integer digit") << 5 << 12 << 5.5 << 3;
    QTest::newRow("zero") << 5 << 12 << 0.0 << 3;
    QTest::newRow("minus sign counts as a digit") << 5 << 12 << -2.5 << 3;
    QTest::newRow("more integer digits than significant") << 5 << 12 << 123456.7 << 0;
    QTest::newRow("capped at the maximum") << 5 << 2 << 0.0012 << 2;
    QTest::newRow("one digit, later non-zero") << 5 << 12 << 1.0001 << 6;
}

void NumberTextTest::sigDigitDecimals()
{
    QFETCH(int, sig);
    QFETCH(int, max);
    QFETCH(double, value);
    QTEST(SigDigitDecimals(sig, max, value), "decimals");
    QFETCH(int, decimals);
    QCOMPARE(SigDigitFormat(sig, max, value), "%0." + QString::number(decimals) + "f");
}

void NumberTextTest::autoFixedFormat_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("format");
    QTest::newRow("zero") << 0.0 << "%0.0f";
    QTest::newRow("75 and above") << 80.0 << "%0.0f";
    QTest::newRow("just below 75") << 74.9 << "%0.1f";
    QTest::newRow("one and above") << 12.3 << "%0.1f";
    QTest::newRow("above a tenth") << 0.5 << "%0.2f";
    QTest::newRow("above a hundredth") << 0.05 << "%0.3f";
    QTest::newRow("small") << 0.005 << "%0.4f";
    QTest::newRow("negative below one") << -0.5 << "%0.4f";
    QTest::newRow("negative large uses magnitude") << -500.0 << "%0.0f";
    QTest::newRow("above the limit") << 5000.0 << "%4.2g";
}

void NumberTextTest::autoFixedFormat()
{
    QFETCH(double, value);
    QTEST(AutoFixedFormat(1000, "%4.2g", value), "format");
}

void NumberTextTest::formatDecimals_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("decimals");
    QTest::newRow("one") << "%0.1f" << 1;
    QTest::newRow("only the first digit") << "%0.12f" << 1;
    QTest::newRow("no point") << "%s" << 0;
    QTest::newRow("point without digit") << "%0.f" << 0;
    QTest::newRow("point at the end") << "%0." << 0;
}

void NumberTextTest::formatDecimals()
{
    QFETCH(QString, format);
    QTEST(FormatDecimals(format), "decimals");
}

void NumberTextTest::cleanNumberText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("cleaned");
    QTest::newRow("empty") << ""
                           << "0";
    QTest::newRow("spaces") << " 1 2.5 "
                            << "12.5";
    QTest::newRow("second point") << "1.2.3"
                                  << "1.23";
    QTest::newRow("double minus") << "--5"
                                  << "-5";
    QTest::newRow("inner minus") << "5-3"
                                 << "53";
    QTest::newRow("lower-case exponent") << "1e-3"
                                         << "1E-3";
    QTest::newRow("exponent only") << "e5"
                                   << "1E5";
    QTest::newRow("minus only") << "-"
                                << "0";
    QTest::newRow("huge exponent") << "2E999"
                                   << "2E99";
    QTest::newRow("huge negative exponent") << "1E-999"
                                            << "1E-9";
    QTest::newRow("exponent too long for an integer") << "3E12345678901"
                                                      << "3E12";
    QTest::newRow("double slash") << "1//2"
                                  << "1/2";
    QTest::newRow("empty numerator") << "/3"
                                     << "0/3";
    QTest::newRow("fraction parts cleaned") << "1 .5/2e1"
                                            << "1.5/2E1";
    QTest::newRow("point in exponent") << "1.5E2.5"
                                       << "1.5E25";
    QTest::newRow("dangling exponent") << "5E"
                                       << "5E";
    QTest::newRow("second exponent letter") << "1E2E3"
                                            << "1E23";
}

void NumberTextTest::cleanNumberText()
{
    QFETCH(QString, text);
    QTEST(CleanNumberText(text), "cleaned");
}

void NumberTextTest::cleanNumberTextRejectsNonIntegerExponent()
{
    QVERIFY_THROWS_EXCEPTION(EConvertError, CleanNumberText("1E-"));
    QVERIFY_THROWS_EXCEPTION(EConvertError, CleanNumberText("1Ex"));
}

void NumberTextTest::parseFraction_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isFraction");
    QTest::addColumn<double>("first");
    QTest::addColumn<double>("second");
    QTest::newRow("fraction") << "3/4" << true << 3.0 << 4.0;
    QTest::newRow("plain number") << "2.5" << false << 2.5 << 0.0;
    QTest::newRow("blanks around parts") << " 1 / 8 " << true << 1.0 << 8.0;
}

void NumberTextTest::parseFraction()
{
    QFETCH(QString, text);
    double first = -1;
    double second = -1;
    QTEST(ParseFraction(text, first, second), "isFraction");
    QTEST(first, "first");
    QTEST(second, "second");
}

void NumberTextTest::parseFractionRejectsNonNumbers()
{
    double first = 0;
    double second = 0;
    QVERIFY_THROWS_EXCEPTION(EConvertError, ParseFraction("1/x", first, second));
    QVERIFY_THROWS_EXCEPTION(EConvertError, ParseFraction("abc", first, second));
    QVERIFY_THROWS_EXCEPTION(EConvertError, ParseFraction("/2", first, second));
}

void NumberTextTest::trimNumberText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("trimmed");
    QTest::newRow("trailing zeros") << "12.500"
                                    << "12.5";
    QTest::newRow("point goes too") << "12.000"
                                    << "12";
    QTest::newRow("no point keeps zeros") << "1200"
                                          << "1200";
    QTest::newRow("exponent leading zeros") << "1.5E007"
                                            << "1.5E7";
    QTest::newRow("signed exponent stays") << "1.50E+003"
                                           << "1.5E+003";
    QTest::newRow("exponent ending in zero keeps it") << "1.5E010"
                                                      << "1.5E10";
    QTest::newRow("exponent of zeros only") << "1.5E000"
                                            << "1.5";
    QTest::newRow("zero") << "0.0000"
                          << "0";
}

void NumberTextTest::trimNumberText()
{
    QFETCH(QString, text);
    QTEST(TrimNumberText(text), "trimmed");
}

void NumberTextTest::splitText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("parts");
    QTest::newRow("empty field kept, blanks after delimiter trimmed")
        << "a, b,,c" << QStringList{"a", "b", "", "c"};
    QTest::newRow("trailing delimiter") << "a,b," << QStringList{"a", "b"};
    QTest::newRow("empty text") << "" << QStringList{};
    QTest::newRow("blank before delimiter stays") << " a ,b\r\n" << QStringList{"a ", "b"};
    QTest::newRow("no delimiter") << "abc" << QStringList{"abc"};
}

void NumberTextTest::splitText()
{
    QFETCH(QString, text);
    QFETCH(QStringList, parts);
    QStringList list{"stale"};
    SplitText(text, u',', list);
    QCOMPARE(list, parts);
    QCOMPARE(SplitTextToArray(text, u','), parts);
}
