#include "AllowancesTest.h"

#include "ProgramRun.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <cmath>

namespace {

// Oil (cp 2.0) from 120 °C against water (cp 4.193) from 20 °C, 1 kg/s each, in
// the counter-flow "shell and tube"; fouling 0.0002 m²K/W hot, 0.0001 cold, a
// margin of 20 %.
constexpr double OilCp = 2.0;
constexpr double WaterCp = 4.193;
constexpr double CleanU = 500;              // W/m²K
constexpr double Fouling = 0.0002 + 0.0001; // m²K/W
constexpr double Margin = 1.2;
const QStringList Allowances = {"0.0002", "0.0001", "20"};

// The service coefficient in the record's kW/m²K: the clean film and the two
// fouling layers in series.
double ServiceU()
{
    return 1 / (1 / CleanU + Fouling) / 1000;
}

// The counter-flow LMTD of the oil cooled from 120 to 40 °C, 160 kW.
double OilCaseLmtd()
{
    const double tco = 20 + 160 / WaterCp;
    const double hotEnd = 120 - tco;
    const double coldEnd = 40 - 20;
    return (hotEnd - coldEnd) / std::log(hotEnd / coldEnd);
}

QStringList Values(const QString& line)
{
    return line.split(u' ');
}

void Near(const QJsonObject& json, const char* key, double expected)
{
    const double actual = json.value(QLatin1String(key)).toDouble(std::nan(""));
    QVERIFY2(std::abs(actual - expected) <= 1e-12 * std::abs(expected),
             qPrintable(QStringLiteral("%1: %2, expected %3")
                            .arg(QLatin1String(key))
                            .arg(actual, 0, 'g', 17)
                            .arg(expected, 0, 'g', 17)));
}

QJsonObject SolvedJson(const QString& program, const QStringList& values)
{
    const TProgramRun run = RunProgram(program, QStringList{"--solve", "--json"} + values);
    return QJsonDocument::fromJson(run.out.toUtf8()).object();
}

} // namespace

void AllowancesTest::initTestCase()
{
    m_program = QDir(qEnvironmentVariable("KELVANE_PROGRAM_DIR")).filePath("kelvane");
    QVERIFY2(QFileInfo(m_program).isExecutable(), qPrintable(m_program));
}

// Hot fluid specified: the duty and outlets as without fouling, the area in
// service larger by the fouling and the margin on top.
void AllowancesTest::fouledSizingAgreesWithAHandCalculation()
{
    const QJsonObject json =
        SolvedJson(m_program, Values("2 120 40 1 1 20 0 1 1 500 0 0 111") + Allowances);
    QCOMPARE(json.value("verdict").toString(), QStringLiteral("feasible"));
    const double lmtd = OilCaseLmtd();
    const double areq = 160 / (ServiceU() * lmtd);
    Near(json, "Q", 160);
    Near(json, "tco", 20 + 160 / WaterCp);
    Near(json, "Us", ServiceU());
    Near(json, "Areq", areq);
    Near(json, "Ao", areq * Margin);
    Near(json, "Aclean", 160 / (CleanU / 1000 * lmtd));
    Near(json, "OD", (Margin * (1 + CleanU * Fouling) - 1) * 100); // 38 %
    Near(json, "Uo", CleanU / 1000);
}

// Uo and Ao given: the fouled exchanger is rated, the margin plays no part.
void AllowancesTest::fouledRatingAgreesWithAHandCalculation()
{
    const QJsonObject json =
        SolvedJson(m_program, Values("2 120 0 1 1 20 0 1 1 500 10 0 237") + Allowances);
    QCOMPARE(json.value("method").toString(), QStringLiteral("e-Ntu method"));
    const double cmin = OilCp;
    const double cr = OilCp / WaterCp;
    const double ntu = ServiceU() * 10 / cmin;
    const double decay = std::exp(-ntu * (1 - cr));
    const double e = (1 - decay) / (1 - cr * decay);
    const double q = e * cmin * (120 - 20);
    Near(json, "ntu", ntu);
    Near(json, "e", e);
    Near(json, "Q", q);
    Near(json, "tho", 120 - q / OilCp);
    Near(json, "tco", 20 + q / WaterCp);
    Near(json, "Areq", 10);
    Near(json, "Ao", 10);
    Near(json, "Aclean", 10 * ServiceU() / (CleanU / 1000));
    Near(json, "OD", CleanU * Fouling * 100); // 15 %
}

// Ao given with the margin in it: the rest of it serves the duty, and Uo is the
// clean coefficient that gives the service one this needs.
void AllowancesTest::areaGivenGivesTheCleanCoefficient()
{
    const QJsonObject json =
        SolvedJson(m_program, Values("2 120 40 1 1 20 0 1 1 0 30 0 175") + Allowances);
    QCOMPARE(json.value("verdict").toString(), QStringLiteral("feasible"));
    const double areq = 30 / Margin;
    const double us = 160 / (areq * OilCaseLmtd());
    Near(json, "Areq", areq);
    Near(json, "Us", us);
    Near(json, "Uo", 1 / (1 / (us * 1000) - Fouling) / 1000);
    Near(json, "Ao", 30);
}

void AllowancesTest::zeroAllowancesGiveTheCaseAsBefore_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("hot fluid specified") << "0 35 12 1 1 6 0 0.8 0 37 0 0 111";
    QTest::newRow("LMTD method") << "1 20 10 0.5 0 5 12 0.6 2 250 3 0 219";
    QTest::newRow("e-Ntu method") << "2 120 0 1 1 20 0 1 1 500 10 0 237";
    QTest::newRow("duty, two shell passes") << "2 120 40 1 1 20 60 1 7 500 10 160 347";
    QTest::newRow("area given") << "2 120 40 1 1 20 0 1 1 0 30 0 175";
    QTest::newRow("infeasible: a cross") << "1 100 60 1 1 30 105 1 1 500 10 0 219";
}

// 16 values with zero allowances give what 13 give, text and JSON alike, and
// the 13 give no allowance but zeros.
void AllowancesTest::zeroAllowancesGiveTheCaseAsBefore()
{
    QFETCH(QString, line);
    const QStringList thirteen = Values(line);
    const QStringList sixteen = thirteen + QStringList{"0", "0", "0"};
    for (const char* output : {"--json", "--solve"}) {
        const QStringList option = QString::fromLatin1(output) == "--json"
                                       ? QStringList{"--solve", "--json"}
                                       : QStringList{"--solve"};
        const TProgramRun before = RunProgram(m_program, option + thirteen);
        const TProgramRun after = RunProgram(m_program, option + sixteen);
        QCOMPARE(after.code, before.code);
        QCOMPARE(after.out, before.out);
    }
    const QJsonObject json = SolvedJson(m_program, thirteen);
    for (const char* key : {"Rfh", "Rfc", "margin"})
        QCOMPARE(json.value(QLatin1String(key)).toDouble(-1), 0.0);
    if (json.value("verdict").toString() == "feasible") {
        QCOMPARE(json.value("Us").toDouble(), json.value("Uo").toDouble());
        QCOMPARE(json.value("Areq").toDouble(), json.value("Ao").toDouble());
        QCOMPARE(json.value("Aclean").toDouble(), json.value("Ao").toDouble());
        QCOMPARE(json.value("OD").toDouble(-1), 0.0);
    }
}

void AllowancesTest::verdictOnAllowances_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QString>("finding");
    const QString sizing = "2 120 40 1 1 20 0 1 1 500 0 0 111 ";
    QTest::newRow("negative fouling") << sizing + "-0.0001 0 0"
                                      << "infeasible"
                                      << "allowance negative: Rfh -0.0001 m²·K/W";
    QTest::newRow("negative margin") << sizing + "0 0 -5"
                                     << "infeasible"
                                     << "allowance negative: margin -5.0 %";
    QTest::newRow("fouling takes most of the resistance")
        << sizing + "0.002 0.001 0"
        << "warnings"
        << "fouling above half the resistance: Us 200 W/m²°C, clean Uo 500 W/m²°C";
    QTest::newRow("fouling within half of it") << sizing + "0.001 0.001 0"
                                               << "feasible"
                                               << "";
    // 160 kW over an LMTD of 37.066 K in 10 m² needs a service U of 431.67
    // W/m²K, which fouling of 0.003 m²K/W alone keeps below 333.33.
    QTest::newRow("area too small for the fouling")
        << "2 120 40 1 1 20 0 1 1 0 10 0 175 0.002 0.001 0"
        << "infeasible"
        << "fouling needs more area than given: Us 431.67 W/m²°C needed, fouling alone "
           "allows at most 333.33 W/m²°C";
}

void AllowancesTest::verdictOnAllowances()
{
    QFETCH(QString, line);
    QFETCH(QString, finding);
    const QJsonObject json = SolvedJson(m_program, Values(line));
    QTEST(json.value("verdict").toString(), "verdict");
    const QJsonArray findings = json.value("findings").toArray();
    QCOMPARE(findings.isEmpty() ? QString() : findings.first().toString(), finding);
}

// The page's lines of the allowances come after Uo where one is set; a clean
// case's page is as it always was.
void AllowancesTest::resultsTextShowsTheAllowancesOnlyWhereSet()
{
    const QStringList sizing = Values("2 120 40 1 1 20 0 1 1 500 0 0 111");
    const TProgramRun fouled = RunProgram(m_program, QStringList{"--solve"} + sizing + Allowances);
    QCOMPARE(fouled.code, 0);
    const QString expected = QString::fromUtf8("Uo = 0.500 kW/m²·K\n"
                                               "Rfh = 0.000200 m²·K/W\n"
                                               "Rfc = 0.000100 m²·K/W\n"
                                               "Us = 0.435 kW/m²·K\n"
                                               "margin = 20.000 %\n"
                                               "Aclean = %1 m²\n"
                                               "Areq = %2 m²\n"
                                               "OD = 38.000 %\n"
                                               "Ao = %3 m²\n");
    const double areq = 160 / (ServiceU() * OilCaseLmtd());
    QVERIFY2(fouled.out.contains(expected.arg(160 / (CleanU / 1000 * OilCaseLmtd()), 0, 'f', 3)
                                     .arg(areq, 0, 'f', 3)
                                     .arg(areq * Margin, 0, 'f', 3)),
             qPrintable(fouled.out));
    const TProgramRun clean = RunProgram(m_program, QStringList{"--solve"} + sizing);
    QVERIFY(clean.out.contains(QString::fromUtf8("Uo = 0.500 kW/m²·K\nAo = ")));
    for (const char* label : {"Rfh =", "Us =", "Areq =", "OD ="})
        QVERIFY2(!clean.out.contains(QLatin1String(label)), label);
}
