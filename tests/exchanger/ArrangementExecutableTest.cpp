#include "ArrangementExecutableTest.h"

#include "ArrangementReference.h"
#include "Format.h"
#include "LookupTables.h"
#include "ProgramRun.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

QString ProgramDir()
{
    return qEnvironmentVariable("KELVANE_PROGRAM_DIR");
}

// A real exchanger: its inlets, flows, Uo and area. Every method, given its
// share of these and of the results below, has to find the rest.
struct TExchanger
{
    const char* name;
    int hotFluid;
    double thi;
    double mh;
    int coldFluid;
    double tci;
    double mc;
    double UoW; // W/m²°C
    double Ao;
};

// Oil (index 2) against water (index 1) of the shipped fluid table.
constexpr TExchanger Exchangers[] = {
    {"hot stream Cmax", 2, 120, 2.0, 1, 20, 0.8, 500, 6.5},
    {"hot stream Cmin", 2, 120, 1.0, 1, 20, 0.8, 500, 4.5},
};

struct TMethod
{
    const char* name;
    const char* method; // as the record names it
    int mask;
    bool usesDutyNotGiven = false;
};

constexpr TMethod Methods[] = {
    {"Duty specified", "Duty specified", 256 + 1 + 2 + 8 + 16 + 64},
    {"Hot fluid specified", "Hot fluid specified", 1 + 2 + 4 + 8 + 32 + 64},
    {"Hot fluid specified, area given", "Hot fluid specified", 1 + 2 + 4 + 8 + 32 + 128},
    {"Cold fluid specified", "Cold fluid specified", 8 + 16 + 32 + 1 + 4 + 64},
    {"LMTD method", "LMTD method", 1 + 2 + 8 + 16 + 64 + 128},
    {"e-Ntu method", "e-Ntu method", 1 + 4 + 8 + 32 + 64 + 128},
    {"Data not properly specified", "Data not properly specified", 1 + 4 + 8 + 32 + 64, true},
};

// What the independent calculation says the exchanger does.
struct TSolution
{
    double values[9]; // thi tho mh tci tco mc Uo (W/m²°C) Ao Q, in the order of the mask bits
    double e;
    double ntu;
    double F;
};

TSolution Solve(const TExchanger& x, const QString& key, const TLookupTables& tables)
{
    using Reference::Real;
    const Real ch = Real(x.mh) * tables.FluidAt(x.hotFluid)->cp;
    const Real cc = Real(x.mc) * tables.FluidAt(x.coldFluid)->cp;
    const Real cmin = std::min(ch, cc);
    const Real cr = cmin / std::max(ch, cc);
    const Real ntu = Real(x.UoW) / 1000 * x.Ao / cmin;
    const Real e = Reference::Effectiveness(key.toStdString(), ntu, cr, ch >= cc);
    const Real q = e * cmin * (x.thi - x.tci);
    const Real f = key == "counter-flow" ? 1 : Reference::CounterFlowNtu(e, cr) / ntu;
    return {{x.thi, double(x.thi - q / ch), x.mh, x.tci, double(x.tci + q / cc), x.mc, x.UoW, x.Ao,
             double(q)},
            double(e),
            double(ntu),
            double(f)};
}

const char* const valueNames[9] = {"thi", "tho", "mh", "tci", "tco", "mc", "Uo", "Ao", "Q"};

} // namespace

void ArrangementExecutableTest::initTestCase()
{
    m_program = QDir(ProgramDir()).filePath("kelvane");
    QVERIFY2(QFileInfo(m_program).isExecutable(), qPrintable(m_program));
}

void ArrangementExecutableTest::methodsRecoverTheExchanger_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("exchanger");
    QTest::addColumn<int>("method");
    const TLookupTables tables = TLookupTables::LoadFrom(ProgramDir());
    // The first type of each arrangement in the shipped table.
    QStringList keys;
    for (int type = 0; type < tables.HeatXTypes().size(); ++type) {
        const QString key = tables.HeatXTypeAt(type)->Arrangement().Key();
        if (keys.contains(key))
            continue;
        keys << key;
        for (int x = 0; x < int(std::size(Exchangers)); ++x)
            for (int m = 0; m < int(std::size(Methods)); ++m)
                QTest::addRow("%s, %s, %s", qPrintable(tables.HeatXTypeAt(type)->name),
                              Exchangers[x].name, Methods[m].name)
                    << type << key << x << m;
    }
    QCOMPARE(keys,
             QStringList({"counter-flow", "parallel-flow", "shell-and-tube-1", "shell-and-tube-2",
                          "cross-flow-unmixed", "cross-flow-hot-mixed", "cross-flow-cold-mixed"}));
}

// The values the method is not given are passed wrong, so that one echoed
// instead of computed is caught; the duty of "Data not properly specified" is
// the one value it uses without being given.
void ArrangementExecutableTest::methodsRecoverTheExchanger()
{
    QFETCH(int, type);
    QFETCH(QString, key);
    QFETCH(int, exchanger);
    QFETCH(int, method);
    const TExchanger& x = Exchangers[exchanger];
    const TMethod& m = Methods[method];
    const TSolution truth = Solve(x, key, TLookupTables::LoadFrom(ProgramDir()));
    const auto argument = [&](int bit) {
        const bool given = (m.mask >> bit & 1) || (bit == 8 && m.usesDutyNotGiven);
        return FloatToRoundTripText(given ? truth.values[bit] : 1.37 * truth.values[bit] + 3);
    };
    const QStringList arguments = {
        "--solve",   QString::number(x.hotFluid),  argument(0), argument(1),
        argument(2), QString::number(x.coldFluid), argument(3), argument(4),
        argument(5), QString::number(type),        argument(6), argument(7),
        argument(8), QString::number(m.mask),      "--json"};
    const TProgramRun run = RunProgram(m_program, arguments);
    QCOMPARE(run.code, 0);
    const QJsonObject json = QJsonDocument::fromJson(run.out.toUtf8()).object();
    QCOMPARE(json.value("method").toString(), QString::fromLatin1(m.method));
    QCOMPARE(json.value("arrangement").toString(), key);
    const auto near = [](double actual, double expected) {
        return std::abs(actual - expected) <= 1e-9 * std::abs(expected);
    };
    for (int bit = 0; bit < 9; ++bit) {
        const double scale = bit == 6 ? 1000 : 1; // the record holds Uo in kW/(m²·K)
        const double actual = scale * json.value(valueNames[bit]).toDouble();
        QVERIFY2(
            near(actual, truth.values[bit]),
            qPrintable(Format("%s = %s, expected %s",
                              {QString::fromLatin1(valueNames[bit]), FloatToRoundTripText(actual),
                               FloatToRoundTripText(truth.values[bit])})));
    }
    QVERIFY2(near(json.value("e").toDouble(), truth.e), "e");
    QVERIFY2(near(json.value("ntu").toDouble(), truth.ntu), "ntu");
    QVERIFY2(near(json.value("F").toDouble(), truth.F), "F");
    if (key == "counter-flow")
        QCOMPARE(json.value("F").toDouble(), 1.0);
    else
        QVERIFY(truth.F < 1);
}

// Oil cooled from 120 to 40 °C by water heated from 20 to 60 °C, duty given: e
// 0.8 at Cr 0.5. Counter flow sizes it; one shell pass cannot reach it (0.764
// at most), which every output reports as infeasible with the values solved
// up to that point.
void ArrangementExecutableTest::oneShellPassCannotReachTheDuty()
{
    const auto values = [](const QString& type) {
        return QStringList{"2",
                           "120",
                           "40",
                           "1",
                           "1",
                           "20",
                           "60",
                           "1",
                           type,
                           "500",
                           "0",
                           "160",
                           QString::number(256 + 1 + 2 + 8 + 16 + 64)};
    };
    const TLookupTables tables = TLookupTables::LoadFrom(ProgramDir());
    const QString onePass = QString::number(
        tables.HeatXTypeNames().indexOf(QStringLiteral("shell and tube, 1 shell pass")));
    const QString finding = "effectiveness beyond the reach of shell and tube, 1 shell pass: "
                            "e 0.800, limit 0.764 at Cr 0.500";
    const auto run = [this](const QStringList& arguments, const QByteArray& input = {}) {
        const TProgramRun result = RunProgram(m_program, arguments, input);
        return std::tuple(result.code, result.out, result.err);
    };

    const auto [counterFlowCode, counterFlowText, counterFlowErrors] =
        run(QStringList{"--solve"} + values("1"));
    QCOMPARE(counterFlowCode, 0);
    QVERIFY(counterFlowText.contains("Ao = 8.789 m²\n"));

    const auto [code, text, errors] = run(QStringList{"--solve"} + values(onePass));
    QCOMPARE(code, 3);
    QCOMPARE(errors, "kelvane: Infeasible  (Duty specified): " + finding + "\n");
    for (const char* line :
         {"arrangement: shell and tube, 1 shell pass", "mc = 0.954 kg/s", "Cr = 0.500",
          "lmtd = 36.410 °C", "F =", "Ntu =", "Ao =", "e = 0.800", "Q = 160.000 kW"})
        QVERIFY2(text.contains(QString::fromUtf8(line) + u'\n'), line);
    QVERIFY(text.endsWith("\n\n" + finding + "\n"));

    const auto [jsonCode, json, jsonErrors] =
        run(QStringList{"--solve", "--json"} + values(onePass));
    QCOMPARE(jsonCode, 3);
    const QJsonObject object = QJsonDocument::fromJson(json.toUtf8()).object();
    QCOMPARE(object.value("verdict").toString(), QStringLiteral("infeasible"));
    QCOMPARE(object.value("findings").toArray().first().toString(), finding);
    QCOMPARE(object.value("arrangement").toString(), QStringLiteral("shell-and-tube-1"));
    QVERIFY(object.value("F").isNull());
    QVERIFY(object.value("Ao").isNull());
    QCOMPARE(object.value("e").toDouble(), 0.8);

    const auto [batchCode, batch, batchErrors] =
        run({"--batch"}, ("Kelvane," + values(onePass).join(u',') + "\n").toUtf8());
    QCOMPARE(batchCode, 0);
    QVERIFY2(batch.endsWith(",shell-and-tube-1,,0,0,0,,,,,\"" + finding +
                            "\",\"Infeasible: " + finding + "\"\n"),
             qPrintable(batch));
}
