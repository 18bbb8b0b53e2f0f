#include "LookupTablesTest.h"

#include "ArrangementError.h"
#include "IniFile.h"
#include "LookupTables.h"
#include "TestFiles.h"

#include <QFile>
#include <QLocale>
#include <QTest>

QString LookupTablesTest::WriteFile(const QString& name, const QByteArray& text)
{
    const QString path = m_dir.filePath(name);
    if (!WriteAll(path, text))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void LookupTablesTest::init()
{
    QVERIFY(m_dir.isValid());
    QFile::remove(m_dir.filePath("fluids.ini"));
    QFile::remove(m_dir.filePath("heatxtype.ini"));
}

void LookupTablesTest::sectionsInFileOrder()
{
    WriteFile("fluids.ini", "[water]\ncp=4.2\nrho=998\n[oil]\ncp=1.9\n[Air]\ncp=1.0\n");
    WriteFile("heatxtype.ini", "[plate]\nUo=3000\n[compact]\nUo=45.5\n");
    const TLookupTables tables = TLookupTables::LoadFrom(m_dir.path());
    QCOMPARE(tables.FluidNames(), (QStringList{"water", "oil", "Air"}));
    QCOMPARE(tables.Fluids()[0].cp, 4.2);
    QCOMPARE(tables.Fluids()[1].cp, 1.9);
    QCOMPARE(tables.HeatXTypeNames(), (QStringList{"plate", "compact"}));
    QCOMPARE(tables.HeatXTypes()[1].Uo, 45.5);
}

// Tables made on Windows: 8-bit Windows-1252 names, and a repeated section or
// key, where the first one counts.
void LookupTablesTest::windowsTextAndRepeatsReadAsOnWindows()
{
    WriteFile("fluids.ini", "[water]\r\ncp=4.18\r\n[glycol \xb0"
                            "C]\r\ncp=3.5\r\n[water]\r\ncp=9\r\n");
    WriteFile("heatxtype.ini", "[plate]\r\nUo=3000\r\nUo=1\r\n[r\xf6hre]\r\nUo=250\r\n");
    const TLookupTables tables = TLookupTables::LoadFrom(m_dir.path());
    QCOMPARE(tables.FluidNames(), (QStringList{"water", "glycol °C"}));
    QCOMPARE(tables.Fluids()[0].cp, 4.18);
    QCOMPARE(tables.Fluids()[1].cp, 3.5);
    QCOMPARE(tables.HeatXTypeNames(), (QStringList{"plate", "röhre"}));
    QCOMPARE(tables.HeatXTypes()[0].Uo, 3000.0);
    QCOMPARE(tables.HeatXTypes()[1].Uo, 250.0);
}

void LookupTablesTest::missingOrBadNumbersGiveDefaults_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("text"); // as the problem quotes it; none for a missing key
    QTest::newRow("key missing") << QByteArray("rho=1.2") << QString();
    QTest::newRow("not a number") << QByteArray("X=abc") << "abc";
    QTest::newRow("decimal comma") << QByteArray("X=4,2") << "4,2";
    QTest::newRow("empty value") << QByteArray("X=") << "";
    QTest::newRow("trailing text") << QByteArray("X=4.2 kJ") << "4.2 kJ";
    QTest::newRow("not a number, spelled") << QByteArray("X=nan") << "nan";
    QTest::newRow("infinite") << QByteArray("X=inf") << "inf";
    QTest::newRow("beyond the largest double") << QByteArray("X=1e999") << "1e999";
    QTest::newRow("a long text, quoted in part")
        << QByteArray("X=") + QByteArray(100, 'x') << QString(80, u'x') + u'…';
}

// A value that is no finite number is a problem naming its file, section, key
// and text; a missing key is none.
void LookupTablesTest::missingOrBadNumbersGiveDefaults()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, text);
    WriteFile("fluids.ini",
              "[brine]\n" + QByteArray(line).replace("X=", "cp=") + "\n[oil]\ncp=2\n");
    WriteFile("heatxtype.ini", "[odd]\n" + QByteArray(line).replace("X=", "Uo=") + "\n");
    const TLookupTables tables = TLookupTables::LoadFrom(m_dir.path() + '/');
    QCOMPARE(tables.FluidAt(0)->cp, 1.0);
    QCOMPARE(tables.FluidAt(1)->cp, 2.0);
    QCOMPARE(tables.HeatXTypeAt(0)->Uo, 20.0);
    QCOMPARE(tables.FluidAt(1)->tableProblem, QString());
    const QStringList problems =
        text.isNull()
            ? QStringList()
            : QStringList{
                  "fluids.ini, section [brine], cp \"" + text + "\" is not a number: 1 is used",
                  "heatxtype.ini, section [odd], Uo \"" + text + "\" is not a number: 20 is used"};
    QCOMPARE(tables.Problems(), problems);
    QCOMPARE(tables.FluidAt(0)->tableProblem, problems.value(0));
}

void LookupTablesTest::numbersIgnoreTheLocale()
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    WriteFile("fluids.ini", "[water]\ncp=4.193\n");
    const TLookupTables tables = TLookupTables::LoadFrom(m_dir.path());
    QLocale::setDefault(previous);
    QCOMPARE(tables.FluidAt(0)->cp, 4.193);
}

// Offered where the table gives a number; a text that is none is reported and
// offers nothing, and no case is warned of it.
void LookupTablesTest::foulingIsOfferedWhereTheTableGivesIt()
{
    WriteFile("fluids.ini",
              "[water]\ncp=4.2\nfouling=1.76e-4\n[brine]\ncp=3.5\nfouling=0,0002\n[gas]\ncp=1\n");
    const TLookupTables tables = TLookupTables::LoadFrom(m_dir.path());
    QCOMPARE(tables.FluidAt(0)->fouling, std::optional<double>(1.76e-4));
    QCOMPARE(tables.FluidAt(1)->fouling, std::nullopt);
    QCOMPARE(tables.FluidAt(2)->fouling, std::nullopt);
    QCOMPARE(tables.FluidAt(1)->tableProblem, QString());
    QCOMPARE(tables.Problems(),
             QStringList{"fluids.ini, section [brine], fouling \"0,0002\" is not a number: none is "
                         "offered"});
}

void LookupTablesTest::missingFilesGiveEmptyTables()
{
    const TLookupTables tables = TLookupTables::LoadFrom(m_dir.filePath("nowhere"));
    QVERIFY(tables.Fluids().isEmpty());
    QVERIFY(tables.HeatXTypes().isEmpty());
    QVERIFY(tables.FluidNames().isEmpty());
}

void LookupTablesTest::lookupsNeverReadOutOfRange()
{
    WriteFile("fluids.ini", "[water]\ncp=4.193\n");
    const TLookupTables tables = TLookupTables::LoadFrom(m_dir.path());
    QVERIFY(tables.FluidAt(0));
    QCOMPARE(tables.FluidAt(1), nullptr);
    QCOMPARE(tables.FluidAt(-1), nullptr);
    QCOMPARE(tables.HeatXTypeAt(0), nullptr);
}

void LookupTablesTest::shippedTables()
{
    const QString folder = qEnvironmentVariable("KELVANE_PROGRAM_DIR");
    QVERIFY2(!folder.isEmpty(), "KELVANE_PROGRAM_DIR is not set");
    const TLookupTables tables = TLookupTables::LoadFrom(folder);
    QVERIFY(tables.Fluids().size() > 3);
    QCOMPARE(tables.FluidNames().mid(0, 3), (QStringList{"air", "water", "oil"}));
    QCOMPARE(tables.FluidAt(0)->cp, 1.023);
    QCOMPARE(tables.FluidAt(1)->cp, 4.193);
    QCOMPARE(tables.FluidAt(2)->cp, 2.0);
    // The five ideal counter-flow types first, as before, then one per arrangement.
    QCOMPARE(tables.HeatXTypeNames(),
             (QStringList{"fin and tube", "shell and tube", "tube in tube", "compact", "plate",
                          "parallel flow", "shell and tube, 1 shell pass",
                          "shell and tube, 2 shell passes", "cross flow, both unmixed",
                          "cross flow, hot mixed", "cross flow, cold mixed"}));
    QStringList arrangements;
    for (const THeatXTypeEntry& type : tables.HeatXTypes())
        arrangements << QString(type.Arrangement().Key());
    QCOMPARE(arrangements,
             (QStringList{"counter-flow", "counter-flow", "counter-flow", "counter-flow",
                          "counter-flow", "parallel-flow", "shell-and-tube-1", "shell-and-tube-2",
                          "cross-flow-unmixed", "cross-flow-hot-mixed", "cross-flow-cold-mixed"}));

    // Every entry states its own number; none falls back to a default by a typo.
    const TIniFile fluids(folder + "/fluids.ini");
    for (const TFluid& fluid : tables.Fluids()) {
        QVERIFY2(fluids.KeyExists(fluid.name, "cp"), qPrintable(fluid.name));
        QVERIFY2(fluids.ReadFloat(fluid.name, "cp", -1) == fluid.cp, qPrintable(fluid.name));
        QVERIFY2(fluid.cp > 0.1 && fluid.cp < 15, qPrintable(fluid.name));
        // A typical fouling resistance for each, within the range of the field.
        QVERIFY2(fluid.fouling && *fluid.fouling > 0 && *fluid.fouling < 0.001,
                 qPrintable(fluid.name));
    }
    const TIniFile types(folder + "/heatxtype.ini");
    for (const THeatXTypeEntry& type : tables.HeatXTypes()) {
        QVERIFY2(types.ReadFloat(type.name, "Uo", -1) == type.Uo, qPrintable(type.name));
        QVERIFY2(type.Uo >= 10 && type.Uo <= 10000, qPrintable(type.name));
        // Counter flow by the absence of the key: the types that were there keep it so.
        QVERIFY2(types.KeyExists(type.name, "arrangement") != type.Arrangement().IsCounterFlow(),
                 qPrintable(type.name));
    }
}

void LookupTablesTest::typesNameTheirArrangement_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("error");
    QTest::newRow("no key: counter flow") << QByteArray("rho=1.2") << "counter-flow"
                                          << "";
    QTest::newRow("named") << QByteArray("arrangement=shell-and-tube-2") << "shell-and-tube-2"
                           << "";
    QTest::newRow("any letter case, blanks around")
        << QByteArray("Arrangement =  Cross-Flow-Hot-Mixed ") << "cross-flow-hot-mixed"
        << "";
    QTest::newRow("unknown value")
        << QByteArray("arrangement=zigzag") << ""
        << "unknown arrangement \"zigzag\" in heatxtype.ini, section [odd one]";
    QTest::newRow("too many shell passes")
        << QByteArray("arrangement=shell-and-tube-9") << ""
        << "unknown arrangement \"shell-and-tube-9\" in heatxtype.ini, section [odd one]";
    QTest::newRow("empty value") << QByteArray("arrangement=") << ""
                                 << "unknown arrangement \"\" in heatxtype.ini, section [odd one]";
}

// An unknown arrangement keeps its type listed with its Uo; only using the
// type reports it, naming the file, the section and the value. The types
// around it are not touched.
void LookupTablesTest::typesNameTheirArrangement()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, key);
    QFETCH(QString, error);
    WriteFile("heatxtype.ini",
              "[plate]\nUo=3000\n[odd one]\nUo=45\n" + line + "\n[spiral]\nUo=700\n");
    const TLookupTables tables = TLookupTables::LoadFrom(m_dir.path());
    QCOMPARE(tables.HeatXTypeNames(), (QStringList{"plate", "odd one", "spiral"}));
    QCOMPARE(tables.HeatXTypeAt(1)->Uo, 45.0);
    QVERIFY(tables.HeatXTypeAt(0)->Arrangement().IsCounterFlow());
    QVERIFY(tables.HeatXTypeAt(2)->Arrangement().IsCounterFlow());
    const THeatXTypeEntry& odd = *tables.HeatXTypeAt(1);
    if (error.isEmpty()) {
        QCOMPARE(QString(odd.Arrangement().Key()), key);
        return;
    }
    try {
        odd.Arrangement();
        QFAIL("no error for an unknown arrangement");
    } catch (const EArrangementError& e) {
        QCOMPARE(QString::fromUtf8(e.what()), error);
    }
}
