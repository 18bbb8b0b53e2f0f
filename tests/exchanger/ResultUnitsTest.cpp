#include "ResultUnitsTest.h"

#include "ProgramRun.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>
#include <cmath>
#include <functional>

namespace {

// The units' definitions, not the program's table: the international pound and
// foot, the International Table Btu.
constexpr double Pound = 0.45359237;                                              // kg
constexpr double SquareFoot = 0.3048 * 0.3048;                                    // m²
constexpr double Btu = 1.05505585262;                                             // kJ
constexpr double FahrenheitDegree = 1 / 1.8;                                      // K
constexpr double BtuPerHour = Btu / 3600;                                         // kW
constexpr double UsHeatTransCoeff = BtuPerHour / (SquareFoot * FahrenheitDegree); // kW/m²K

// How a line of the US text shows a value of the record: its JSON key, the
// unit named after the number and the record's value in that unit.
struct TUsLine
{
    QString key;
    QString unit;
    std::function<double(double)> convert;
};

double Fahrenheit(double celsius)
{
    return celsius * 1.8 + 32;
}

std::function<double(double)> Per(double unit)
{
    return [unit](double value) { return value / unit; };
}

// Every "label = number unit" line of the results page, by its label.
const QHash<QString, TUsLine>& UsLines()
{
    static const QHash<QString, TUsLine> lines = [] {
        const TUsLine temperature{{}, "°F", Fahrenheit};
        const TUsLine difference{{}, "°F", Per(FahrenheitDegree)};
        const TUsLine flow{{}, "lb/hr", Per(Pound / 3600)};
        const TUsLine cp{{}, "Btu/lb°F", Per(Btu / (Pound * FahrenheitDegree))};
        const TUsLine rate{{}, "Btu/h°F", Per(BtuPerHour / FahrenheitDegree)};
        const TUsLine coefficient{{}, "Btu/hr·ft²°F", Per(UsHeatTransCoeff)};
        const TUsLine area{{}, "ft²", Per(SquareFoot)};
        // m²K/W to h·ft²·°F/Btu: the inverse of the coefficient, in W.
        const TUsLine fouling{{}, "ft²·hr·°F/Btu", Per(1 / (UsHeatTransCoeff * 1000))};
        const TUsLine duty{{}, "Btu/hr", Per(BtuPerHour)};
        const TUsLine percent{{}, "%", [](double value) { return value; }};
        const auto keyed = [](TUsLine line, const QString& key) {
            line.key = key;
            return line;
        };
        QHash<QString, TUsLine> byLabel;
        for (const char* name : {"thi", "tho", "tci", "tco"})
            byLabel.insert(name, keyed(temperature, name));
        for (const char* name : {"itd", "lmtd"})
            byLabel.insert(name, keyed(difference, name));
        for (const char* name : {"mh", "mc"})
            byLabel.insert(name, keyed(flow, name));
        for (const char* name : {"cph", "cpc"})
            byLabel.insert(name, keyed(cp, name));
        for (const char* name : {"ch", "cc"})
            byLabel.insert(name, keyed(rate, name));
        byLabel.insert("Cmin", keyed(rate, "cmin"));
        byLabel.insert("Cmax", keyed(rate, "cmax"));
        for (const char* name : {"Uo", "Us"})
            byLabel.insert(name, keyed(coefficient, name));
        for (const char* name : {"Ao", "Aclean", "Areq"})
            byLabel.insert(name, keyed(area, name));
        for (const char* name : {"Rfh", "Rfc"})
            byLabel.insert(name, keyed(fouling, name));
        for (const char* name : {"Q", "Qmax"})
            byLabel.insert(name, keyed(duty, name));
        for (const char* name : {"margin", "OD"})
            byLabel.insert(name, keyed(percent, name));
        // The diagnostic lines: the rate products, and the duty four ways.
        byLabel.insert("Ntu Cmin", keyed(rate, "ntu*cmin"));
        byLabel.insert("Uo Ao", keyed(rate, "Uo*Ao"));
        byLabel.insert("Us Areq", keyed(rate, "Us*Areq"));
        for (const char* label : {"ch (thi-tho)", "cc (tco-tci)", "Uo Ao lmtd", "Us Areq lmtd",
                                  "Uo Ao F lmtd", "Us Areq F lmtd", "e Qmax"})
            byLabel.insert(label, keyed(duty, "Q"));
        return byLabel;
    }();
    return lines;
}

// The record's value for `key`, a product for "a*b".
double RecordValue(const QJsonObject& json, const QString& key)
{
    double value = 1;
    for (const QString& factor : key.split(u'*'))
        value *= json.value(factor).toDouble(std::nan(""));
    return value;
}

// Half a unit of the last digit shown; beside it, the few parts in ten million
// by which the program's Btu, the one of 1055.056 J, differs from the IT one.
bool ShowsValue(const QString& shown, double expected)
{
    const qsizetype point = shown.indexOf(u'.');
    const int decimals = point < 0 ? 0 : int(shown.size() - point - 1);
    const double tolerance = 0.5 * std::pow(10.0, -decimals) + 2e-7 * std::abs(expected);
    return std::abs(shown.toDouble() - expected) <= tolerance;
}

QStringList Values(const QString& line)
{
    return line.split(u' ');
}

} // namespace

void ResultUnitsTest::initTestCase()
{
    m_program = QDir(qEnvironmentVariable("KELVANE_PROGRAM_DIR")).filePath("kelvane");
    QVERIFY2(QFileInfo(m_program).isExecutable(), qPrintable(m_program));
}

void ResultUnitsTest::usTextIsTheRecordConverted_data()
{
    QTest::addColumn<QString>("values");
    QTest::newRow("fouled oil cooler sized, LMTD") << "2 120 40 1 1 20 0 1 1 500 0 0 111 0.0002 "
                                                      "0.0001 20";
    QTest::newRow("water rated, e-Ntu") << "1 80 40 1 1 20 50 0.8 0 300 5 0 237";
    QTest::newRow("plant scale, 2 shell passes")
        << "2 150 60 200 1 30 0 300 7 450 0 0 47 0.00035 0.00018 15";
}

// Each number of the page and the diagnostic lines is its JSON value converted
// with the units' definitions, and names the US unit: none is left in SI.
void ResultUnitsTest::usTextIsTheRecordConverted()
{
    QFETCH(QString, values);
    const TProgramRun json =
        RunProgram(m_program, QStringList{"--solve", "--json"} + Values(values));
    const QJsonObject record = QJsonDocument::fromJson(json.out.toUtf8()).object();
    QVERIFY2(!record.isEmpty(), qPrintable(json.err));
    const TProgramRun text =
        RunProgram(m_program, QStringList{"--solve", "--units", "us"} + Values(values));
    QCOMPARE(text.code, json.code);

    static const QRegularExpression numberLine("^(.+) = (-?[0-9.]+) (.+)$");
    static const QStringList unitless = {"Cr", "Ntu", "e", "F"};
    int checked = 0;
    for (const QString& line : text.out.split(u'\n')) {
        const QRegularExpressionMatch match = numberLine.match(line);
        if (!match.hasMatch() || line.contains(':'))
            continue;
        const QString label = match.captured(1);
        QVERIFY2(!unitless.contains(label), qPrintable(line));
        QVERIFY2(UsLines().contains(label), qPrintable("no US unit expected: " + line));
        const TUsLine& expected = UsLines()[label];
        QCOMPARE(match.captured(3), expected.unit);
        const double value = expected.convert(RecordValue(record, expected.key));
        QVERIFY2(ShowsValue(match.captured(2), value),
                 qPrintable(line + QString(", expected %1").arg(value, 0, 'f', 6)));
        ++checked;
    }
    // The page's 18 or more values in units and the six diagnostic lines were read.
    QVERIFY2(checked >= 24, qPrintable(text.out));
    QVERIFY2(text.out.contains("\nCr = ") && text.out.contains("\ne = "), qPrintable(text.out));
}

void ResultUnitsTest::findingsTellTheirNumbersInTheUnits_data()
{
    QTest::addColumn<QString>("values");
    QTest::addColumn<QString>("units");
    QTest::addColumn<QString>("finding");
    const QString cross = "1 80 40 1 1 20 90 0 0 500 0 0 31";
    QTest::newRow("cross in °F") << cross << "us"
                                 << "temperature cross at the hot end: thi 176.0 °F, tco 194.0 °F";
    QTest::newRow("cross in metric")
        << cross << "metric"
        << "temperature cross at the hot end: thi 80.0 °C, tco 90.0 °C";
    // 1/(1/500 + 0.004) = 166.67 W/m²K, 29.352 Btu/hr·ft²°F of 5.6783 W/m²K; clean 88.055.
    QTest::newRow("fouling share in US")
        << "1 80 40 1 1 20 50 0 0 500 0 0 31 0.002 0.002 0"
        << "us"
        << "fouling above half the resistance: Us 29.352 Btu/hr·ft²°F, clean Uo 88.055 "
           "Btu/hr·ft²°F";
    // The duty worked from unticked, as its field shows it: 20 kW is 72000 kJ/h,
    // 17196.9 kcal/h of 4.1868 kJ.
    QTest::newRow("unticked duty in kcal/hr")
        << "1 35 12 1 1 6 11 0.8 0 37 41.8 20 27"
        << "metric"
        << "duty not given: worked from Q 17196.9 kcal/hr as entered";
}

void ResultUnitsTest::findingsTellTheirNumbersInTheUnits()
{
    QFETCH(QString, values);
    QFETCH(QString, units);
    QFETCH(QString, finding);
    const TProgramRun run =
        RunProgram(m_program, QStringList{"--solve", "--units", units} + Values(values));
    QVERIFY2(run.out.split(u'\n').contains(finding), qPrintable(run.out));
}

void ResultUnitsTest::siUnitsGiveTheTextAsWithout_data()
{
    QTest::addColumn<QString>("values");
    QTest::newRow("initial case") << "1 35 12 1 1 6 0 0.8 0 37 0 0 111";
    QTest::newRow("allowances") << "2 120 40 1 1 20 0 1 1 500 0 0 111 0.0002 0.0001 20";
    QTest::newRow("infeasible") << "1 80 40 1 1 20 90 0 0 500 0 0 31";
}

void ResultUnitsTest::siUnitsGiveTheTextAsWithout()
{
    QFETCH(QString, values);
    const TProgramRun plain = RunProgram(m_program, QStringList{"--solve"} + Values(values));
    QVERIFY(!plain.out.isEmpty());
    for (const QStringList& option : {QStringList{"--units", "si"}, QStringList{"--units=si"}}) {
        const TProgramRun si =
            RunProgram(m_program, QStringList{"--solve"} + Values(values) + option);
        QCOMPARE(si.out, plain.out);
        QCOMPARE(si.err, plain.err);
        QCOMPARE(si.code, plain.code);
    }
}

void ResultUnitsTest::unitsOptionIsChecked_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    const QStringList solve = {"--solve", "1",   "35", "12", "1", "1", "6",
                               "0",       "0.8", "0",  "37", "0", "0", "111"};
    QTest::newRow("no system") << solve + QStringList{"--units"}
                               << "--units takes si, us or metric";
    QTest::newRow("unknown system")
        << solve + QStringList{"--units", "imperial"} << "--units takes si, us or metric";
    QTest::newRow("with --json") << solve + QStringList{"--json", "--units=us"}
                                 << "--units goes with the text of --solve only";
    QTest::newRow("with --batch") << QStringList{"--units", "us", "--batch"}
                                  << "--units goes with the text of --solve only";
}

void ResultUnitsTest::unitsOptionIsChecked()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const TProgramRun run = RunProgram(m_program, arguments);
    QCOMPARE(run.code, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.startsWith("kelvane: " + message), qPrintable(run.err));
}
