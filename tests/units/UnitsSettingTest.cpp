#include "UnitsSettingTest.h"

#include "AppFolders.h"
#include "IniFile.h"
#include "TestFiles.h"
#include "UnitsSetting.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

void WriteFile(const QString& path, const QByteArray& contents)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

UnitsSetting* Find(const QString& section, const QString& key)
{
    for (UnitsSetting* entry : UnitsSettings())
        if (entry->Section == section && entry->Key == key)
            return entry;
    return nullptr;
}

} // namespace

// Folders of the test's own: the maker folder is <temp>/data/Marbleworth/.
void UnitsSettingTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    const QString root = m_dir->path();
    QDir().mkpath(root + QStringLiteral("/docs"));
    InitAppFolders({root + QStringLiteral("/bin/kelvane"), root + QStringLiteral("/data"),
                    root + QStringLiteral("/docs")});
    QCOMPARE(MakerFolder, root + QStringLiteral("/data/Marbleworth/"));
    QCOMPARE(UnitsSettingsPath(), MakerFolder + QStringLiteral("Rivod/units.ini"));
    RegisterUnitsSettings();
}

void UnitsSettingTest::cleanup()
{
    UnitsSettings().clear();
    m_dir.reset();
}

void UnitsSettingTest::registeredInTableOrder_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("base");
    QTest::newRow("1 fat/height") << 1 << "fat"
                                  << "height" << int(utLengthMeasure) << 3 << 0;
    QTest::newRow("2 fat/length") << 2 << "fat"
                                  << "length" << int(utLengthMeasure) << 2 << 0;
    QTest::newRow("3 fat/depth") << 3 << "fat"
                                 << "depth" << int(utLengthMeasure) << 2 << 0;
    QTest::newRow("4 fat/fin_spacing") << 4 << "fat"
                                       << "fin_spacing" << int(utFinDensity) << 0 << 0;
    QTest::newRow("5 fat/tube_diameter") << 5 << "fat"
                                         << "tube_diameter" << int(utLengthMeasure) << 2 << 0;
    QTest::newRow("6 fat/tube_pitch") << 6 << "fat"
                                      << "tube_pitch" << int(utLengthMeasure) << 2 << 0;
    QTest::newRow("7 fat/fin_thickness") << 7 << "fat"
                                         << "fin_thickness" << int(utLengthMeasure) << 2 << 0;
    QTest::newRow("8 place/barom_pressure") << 8 << "place"
                                            << "barom_pressure" << int(utPressureBar) << 0 << 0;
    QTest::newRow("9 place/altitude") << 9 << "place"
                                      << "altitude" << int(utAltitude) << 0 << 0;
    QTest::newRow("10 place/ambient") << 10 << "place"
                                      << "ambient" << int(utTemperature) << 0 << 0;
    QTest::newRow("11 air/mass_flow") << 11 << "air"
                                      << "mass_flow" << int(utMassFlow) << 0 << 0;
    QTest::newRow("12 air/vol_flow") << 12 << "air"
                                     << "vol_flow" << int(utAirFlowPrim) << 0 << 0;
    QTest::newRow("13 air/t") << 13 << "air"
                              << "t" << int(utTemperature) << 0 << 0;
    QTest::newRow("14 air/h") << 14 << "air"
                              << "h" << int(utEnthalpy) << 0 << 0;
    QTest::newRow("15 air/w") << 15 << "air"
                              << "w" << int(utHumidity) << 1 << 0;
    QTest::newRow("16 air/cp") << 16 << "air"
                               << "cp" << int(utSpecificHeat) << 0 << 0;
    QTest::newRow("17 air/k") << 17 << "air"
                              << "k" << int(utConductivity) << 0 << 0;
    QTest::newRow("18 air/rh") << 18 << "air"
                               << "rh" << int(utProportion) << 1 << 0;
    QTest::newRow("19 air/rho") << 19 << "air"
                                << "rho" << int(utDensity) << 0 << 0;
    QTest::newRow("20 air/v") << 20 << "air"
                              << "v" << int(utVelocity) << 0 << 0;
    QTest::newRow("21 air/dp") << 21 << "air"
                               << "dp" << int(utAirPressDrop) << 1 << 1;
    QTest::newRow("22 air/dt") << 22 << "air"
                               << "dt" << int(utTemperatureChange) << 0 << 0;
    QTest::newRow("23 air/mc") << 23 << "air"
                               << "mc" << int(utConductance) << 0 << 0;
    QTest::newRow("24 ref/t") << 24 << "ref"
                              << "t" << int(utTemperature) << 0 << 0;
    QTest::newRow("25 ref/p") << 25 << "ref"
                              << "p" << int(utPressure) << 0 << 1;
    QTest::newRow("26 ref/mass_flow") << 26 << "ref"
                                      << "mass_flow" << int(utMassFlowGas) << 2 << 0;
    QTest::newRow("27 ref/mass_flux") << 27 << "ref"
                                      << "mass_flux" << int(utMassFlux) << 0 << 0;
    QTest::newRow("28 ref/rho") << 28 << "ref"
                                << "rho" << int(utDensity) << 0 << 0;
    QTest::newRow("29 ref/h") << 29 << "ref"
                              << "h" << int(utEnthalpy) << 0 << 0;
    QTest::newRow("30 ref/dp_rate") << 30 << "ref"
                                    << "dp_rate" << int(utPressureRateLiquid) << 1 << 1;
    QTest::newRow("31 ref/dp") << 31 << "ref"
                               << "dp" << int(utPressure) << 0 << 0;
    QTest::newRow("32 ref/v") << 32 << "ref"
                              << "v" << int(utVelocity) << 0 << 0;
    QTest::newRow("33 ref/dt") << 33 << "ref"
                               << "dt" << int(utTemperatureChange) << 0 << 0;
    QTest::newRow("34 liquid/dp") << 34 << "liquid"
                                  << "dp" << int(utWaterPressDrop) << 0 << 0;
    QTest::newRow("35 liquid/t") << 35 << "liquid"
                                 << "t" << int(utTemperature) << 0 << 0;
    QTest::newRow("36 liquid/dt") << 36 << "liquid"
                                  << "dt" << int(utTemperatureChange) << 0 << 0;
    QTest::newRow("37 liquid/vol_flow") << 37 << "liquid"
                                        << "vol_flow" << int(utWaterFlow) << 0 << 0;
    QTest::newRow("38 liquid/mass_flow") << 38 << "liquid"
                                         << "mass_flow" << int(utMassFlow) << 0 << 0;
    QTest::newRow("39 liquid/v") << 39 << "liquid"
                                 << "v" << int(utVelocity) << 0 << 0;
    QTest::newRow("40 liquid/rho") << 40 << "liquid"
                                   << "rho" << int(utDensity) << 0 << 0;
    QTest::newRow("41 liquid/mc") << 41 << "liquid"
                                  << "mc" << int(utConductance) << 0 << 0;
    QTest::newRow("42 steam/t") << 42 << "steam"
                                << "t" << int(utTemperature) << 0 << 0;
    QTest::newRow("43 steam/p") << 43 << "steam"
                                << "p" << int(utPressureSteam) << 3 << 3;
    QTest::newRow("44 steam/mass_flow") << 44 << "steam"
                                        << "mass_flow" << int(utMassFlowGas) << 2 << 0;
    QTest::newRow("45 steam/dp") << 45 << "steam"
                                 << "dp" << int(utPressure) << 0 << 0;
    QTest::newRow("46 sat/length") << 46 << "sat"
                                   << "length" << int(utLengthPrim) << 0 << 0;
    QTest::newRow("47 sat/diam") << 47 << "sat"
                                 << "diam" << int(utLengthSec) << 2 << 0;
    QTest::newRow("48 wcc/mass_flow") << 48 << "wcc"
                                      << "mass_flow" << int(utMassFlowGas) << 2 << 0;
    QTest::newRow("49 wcc/t") << 49 << "wcc"
                              << "t" << int(utTemperature) << 0 << 0;
    QTest::newRow("50 wcc/dt") << 50 << "wcc"
                               << "dt" << int(utTemperatureChange) << 0 << 0;
    QTest::newRow("51 chiller/mass_flow") << 51 << "chiller"
                                          << "mass_flow" << int(utMassFlowGas) << 2 << 0;
    QTest::newRow("52 chiller/t") << 52 << "chiller"
                                  << "t" << int(utTemperature) << 0 << 0;
    QTest::newRow("53 chiller/dt") << 53 << "chiller"
                                   << "dt" << int(utTemperatureChange) << 0 << 0;
    QTest::newRow("54 plate/height") << 54 << "plate"
                                     << "height" << int(utLengthPrim) << 0 << 0;
    QTest::newRow("55 plate/width") << 55 << "plate"
                                    << "width" << int(utLengthPrim) << 0 << 0;
    QTest::newRow("56 plate/spacing") << 56 << "plate"
                                      << "spacing" << int(utLengthPrim) << 0 << 0;
    QTest::newRow("57 barepipe/length") << 57 << "barepipe"
                                        << "length" << int(utLengthPrim) << 0 << 0;
    QTest::newRow("58 barepipe/diam") << 58 << "barepipe"
                                      << "diam" << int(utLengthPrim) << 0 << 0;
    QTest::newRow("59 hex/duty") << 59 << "hex"
                                 << "duty" << int(utDutyPrim) << 0 << 0;
    QTest::newRow("60 hex/duty_per_volflow") << 60 << "hex"
                                             << "duty_per_volflow" << int(utEnergyPerVol) << 0 << 0;
    QTest::newRow("61 hex/energy") << 61 << "hex"
                                   << "energy" << int(utEnergy) << 0 << 0;
    QTest::newRow("62 hex/power") << 62 << "hex"
                                  << "power" << int(utPower) << 0 << 0;
    QTest::newRow("63 hex/mass") << 63 << "hex"
                                 << "mass" << int(utMass) << 0 << 0;
    QTest::newRow("64 hex/vol") << 64 << "hex"
                                << "vol" << int(utVolume) << 1 << 0;
    QTest::newRow("65 hex/area") << 65 << "hex"
                                 << "area" << int(utArea) << 0 << 0;
    QTest::newRow("66 hex/dt") << 66 << "hex"
                               << "dt" << int(utTemperatureChange) << 0 << 0;
    QTest::newRow("67 hex/u_value") << 67 << "hex"
                                    << "u_value" << int(utHeatTransCoeff) << 0 << 0;
    QTest::newRow("68 hex/pipe_conn") << 68 << "hex"
                                      << "pipe_conn" << int(utLengthMeasure) << 2 << 2;
    QTest::newRow("69 general/duty_rate") << 69 << "general"
                                          << "duty_rate" << int(utDutyRate) << 0 << 0;
    QTest::newRow("70 general/time") << 70 << "general"
                                     << "time" << int(utTime) << 0 << 0;
    QTest::newRow("71 general/fraction") << 71 << "general"
                                         << "fraction" << int(utProportion) << 0 << 1;
    QTest::newRow("72 general/proportion") << 72 << "general"
                                           << "proportion" << int(utProportion) << 0 << 1;
    QTest::newRow("73 general/respiration") << 73 << "general"
                                            << "respiration" << int(utHeatOfRespir) << 0 << 0;
    QTest::newRow("74 general/cond_rate") << 74 << "general"
                                          << "cond_rate" << int(utCondensateRate) << 0 << 1;
    QTest::newRow("75 general/ice_rate") << 75 << "general"
                                         << "ice_rate" << int(utVelocity) << 0 << 0;
}

void UnitsSettingTest::registeredInTableOrder()
{
    QFETCH(int, number);
    QCOMPARE(UnitsSettings().size(), 75);
    const UnitsSetting* entry = UnitsSettings().at(number - 1);
    QTEST(entry->Section, "section");
    QTEST(entry->Key, "key");
    QTEST(int(entry->UnitsType), "type");
    QTEST(entry->UnitsValue, "units");
    QTEST(entry->UnitsBase, "base");
}

void UnitsSettingTest::loadWithoutFileKeepsDefaults()
{
    LoadUnitsSettings();
    QCOMPARE(UnitsSettings().size(), 75);
    QCOMPARE(Find("fat", "height")->UnitsValue, 3);
    QCOMPARE(Find("hex", "vol")->UnitsValue, 1);
    QVERIFY(!QFile::exists(UnitsSettingsPath()));
}

void UnitsSettingTest::saveWithoutFileWritesEveryKey()
{
    QList<UnitsSetting> expected;
    for (const UnitsSetting* entry : UnitsSettings())
        expected << *entry;

    SaveUnitsSettings();

    QVERIFY(UnitsSettings().isEmpty());
    QVERIFY(QFile::exists(UnitsSettingsPath()));
    const TIniFile ini(UnitsSettingsPath());
    QCOMPARE(ini.Sections(),
             QStringList({"fat", "place", "air", "ref", "liquid", "steam", "sat", "wcc", "chiller",
                          "plate", "barepipe", "hex", "general"}));
    int keys = 0;
    for (const QString& section : ini.Sections())
        keys += ini.Keys(section).size();
    QCOMPARE(keys, 75);
    for (const UnitsSetting& entry : expected)
        QCOMPARE(ini.ReadInteger(entry.Section, entry.Key, -100), entry.UnitsValue);
}

void UnitsSettingTest::loadReadsValuesAndKeepsDefaultsForBadKeys()
{
    WriteFile(UnitsSettingsPath(), "[air]\n"
                                   "w=2\n"
                                   "t=lots\n"
                                   "[hex]\n"
                                   "vol=0\n");
    LoadUnitsSettings();
    QCOMPARE(Find("air", "w")->UnitsValue, 2);
    QCOMPARE(Find("air", "t")->UnitsValue, 0);      // not an integer: default kept
    QCOMPARE(Find("hex", "vol")->UnitsValue, 0);    // read over a non-zero default
    QCOMPARE(Find("fat", "height")->UnitsValue, 3); // missing: default kept
}

void UnitsSettingTest::outOfRangeIndexWrittenBackUnchanged()
{
    WriteFile(UnitsSettingsPath(), "[place]\n"
                                   "ambient=9\n"
                                   "altitude=-4\n");
    LoadUnitsSettings();
    QCOMPARE(Find("place", "ambient")->UnitsValue, 9);
    QCOMPARE(Find("place", "altitude")->UnitsValue, -4);

    SaveUnitsSettings();
    const TIniFile ini(UnitsSettingsPath());
    QCOMPARE(ini.ReadInteger("place", "ambient", 0), 9);
    QCOMPARE(ini.ReadInteger("place", "altitude", 0), -4);
}

void UnitsSettingTest::saveKeepsForeignSectionsAndKeys()
{
    WriteFile(UnitsSettingsPath(), "[other tool]\n"
                                   "colour=blue\n"
                                   "[air]\n"
                                   "mass_flow=4\n"
                                   "legacy=yes\n");
    LoadUnitsSettings();
    Find("air", "mass_flow")->UnitsValue = 5;

    SaveUnitsSettings();

    const TIniFile ini(UnitsSettingsPath());
    QCOMPARE(ini.Sections().first(), QStringLiteral("other tool"));
    QCOMPARE(ini.Sections().size(), 14);
    QCOMPARE(ini.ReadString("other tool", "colour", ""), QStringLiteral("blue"));
    QCOMPARE(ini.ReadString("air", "legacy", ""), QStringLiteral("yes"));
    QCOMPARE(ini.ReadInteger("air", "mass_flow", 0), 5);
    QCOMPARE(ini.ReadInteger("fat", "height", 0), 3);
}

// The file is shared with the maker's Windows programs: 8-bit Windows-1252
// text, where the first of a repeated section or key counts. Saving keeps the
// file Windows-1252, so those programs read their own texts as before.
void UnitsSettingTest::windowsFileReadsFirstValuesAndStaysWindows()
{
    WriteFile(UnitsSettingsPath(), "[other tool]\r\n"
                                   "label=\xb0"
                                   "F\r\n"
                                   "[air]\r\n"
                                   "mass_flow=4\r\n"
                                   "mass_flow=1\r\n"
                                   "[fat]\r\n"
                                   "height=2\r\n"
                                   "[air]\r\n"
                                   "w=3\r\n");
    const int defaultW = Find("air", "w")->UnitsValue;
    QVERIFY(defaultW != 3);
    LoadUnitsSettings();
    QCOMPARE(Find("air", "mass_flow")->UnitsValue, 4);
    QCOMPARE(Find("fat", "height")->UnitsValue, 2);
    QCOMPARE(Find("air", "w")->UnitsValue, defaultW); // only in the repeated section
    Find("air", "mass_flow")->UnitsValue = 5;

    SaveUnitsSettings();

    const QByteArray text = ReadAll(UnitsSettingsPath());
    QVERIFY2(text.contains("label=\xb0"
                           "F"),
             text.constData());
    QVERIFY2(!text.contains("\xc2"), text.constData());
    const TIniFile ini(UnitsSettingsPath());
    QCOMPARE(ini.ReadString("other tool", "label", ""), QString("°F"));
    QCOMPARE(ini.ReadInteger("air", "mass_flow", 0), 5);
    QCOMPARE(ini.ReadInteger("air", "w", -1), defaultW);
}

// Every run ends with a save: one that changes nothing leaves the file alone.
void UnitsSettingTest::saveOfUnchangedSettingsLeavesTheFile()
{
    SaveUnitsSettings();
    const QByteArray written = ReadAll(UnitsSettingsPath());
    const ino_t id = FileId(UnitsSettingsPath());
    QVERIFY(id != 0);

    RegisterUnitsSettings();
    LoadUnitsSettings();
    SaveUnitsSettings();
    QCOMPARE(FileId(UnitsSettingsPath()), id);

    RegisterUnitsSettings();
    LoadUnitsSettings();
    Find("hex", "vol")->UnitsValue = 0;
    SaveUnitsSettings();
    QVERIFY(FileId(UnitsSettingsPath()) != id);
    QVERIFY(ReadAll(UnitsSettingsPath()) != written);
}

// A file where the folder should be: nothing is written, nothing thrown.
void UnitsSettingTest::folderThatCannotBeCreatedWritesNothing()
{
    WriteFile(MakerFolder + QStringLiteral("Rivod"), "not a folder");
    SaveUnitsSettings();
    QVERIFY(QFileInfo(MakerFolder + QStringLiteral("Rivod")).isFile());
    QVERIFY(!QFile::exists(UnitsSettingsPath()));
    QCOMPARE(UnitsSettings().size(), 75);
}
