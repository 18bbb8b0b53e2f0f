#include "LastCaseTest.h"

#include "LastCase.h"
#include "SettingsStore.h"
#include "TestFiles.h"

#include <QTest>
#include <QVariant>
#include <functional>
#include <limits>

Q_DECLARE_METATYPE(TLastCase)

namespace {

const QString Program = QStringLiteral("lastcasetest");

// A case unlike the Reset case in every item; tco holds no number.
TLastCase WindowCase()
{
    TLastCase current;
    current.hotFluid = 2;
    current.coldFluid = 3;
    current.heatXType = 1;
    current.values = {40.0, 20.0, 1.5, 10.0, std::nullopt, 2.0, 250.0, 3.0, 50.0};
    current.units = {1, 2, 3, 0, 1, 2, 1, 4, 2};
    return current;
}

TLastCase With(std::function<void(TLastCase&)> change)
{
    TLastCase changed = WindowCase();
    change(changed);
    return changed;
}

void Store(TSettingsStore& store, const QString& section, const QString& name,
           const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Double:
        store.WriteFloat(section, name, value.toDouble());
        break;
    case QMetaType::Int:
        store.WriteInteger(section, name, value.toInt());
        break;
    default:
        store.WriteString(section, name, value.toString());
    }
}

} // namespace

void LastCaseTest::init()
{
    TSettingsStore store(SettingsKey(Program));
    for (const QString& section : store.Sections())
        store.EraseSection(section);
    store.Flush();
}

void LastCaseTest::writtenCaseReadsBack()
{
    TLastCase last;
    last.hotFluid = 4;
    last.coldFluid = -1; // no selection
    last.heatXType = 3;
    last.values = {0.1 + 0.2, -40.0, 1e-300, 123456.78901234567, 11.0, 0.895,
                   2500.0,    41.8,  1e300,  0.000176,           0.0,  12.5};
    last.units = {1, 2, 5, 2, 0, 3, 1, 4, 4, 1, 0, 1};
    last.mask = 237; // e-Ntu: thi, mh, tci, mc, Uo, Ao
    {
        TSettingsStore store(SettingsKey(Program));
        last.Write(store);
        store.Flush();
    }
    QCOMPARE(TLastCase::Read(TSettingsStore(SettingsKey(Program)), TLastCase::ResetCase()), last);
}

void LastCaseTest::storeHoldsTheDocumentedSectionsNamesAndKinds()
{
    {
        TSettingsStore store(SettingsKey(Program));
        WindowCase().Write(store);
        store.Flush();
    }
    const TSettingsStore store(SettingsKey(Program));
    QCOMPARE(store.Sections(), QStringList({"ColdFluid", "DisplayUnits", "HeatXType", "HotFluid"}));
    QCOMPARE(store.ReadInteger("HotFluid", "index", -9), 2);
    QCOMPARE(store.ReadInteger("ColdFluid", "index", -9), 3);
    QCOMPARE(store.ReadInteger("HeatXType", "index", -9), 1);
    QCOMPARE(store.ReadString("HotFluid", "mh", {}), QString("1.5"));
    QCOMPARE(store.ReadString("HeatXType", "Uo", {}), QString("250"));
    QVERIFY(!store.ValueExists("ColdFluid", "tco")); // it held no number
    QCOMPARE(store.ReadInteger("DisplayUnits", "Ao", -9), 4);
    // Values as their shortest round-trip texts, indexes and units as integers,
    // in the file on disk.
    const QByteArray text = ReadAll(SettingsFile(Program));
    QVERIFY2(text.contains("[HotFluid]\nindex=2\nmh=1.5\n"), text);
    QVERIFY2(text.contains("[DisplayUnits]\nAo=4\nQ=2\nRfc=0\nRfh=0\nUo=1\nmargin=0\nmc=2\nmh=3\n"
                           "tci=0\ntco=1\nthi=1\ntho=2\n"),
             text);
}

void LastCaseTest::readTakesWhatTheStoreLacksFromCurrent_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<TLastCase>("expected");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    QTest::newRow("nothing stored") << QString() << QString() << QVariant() << WindowCase();
    QTest::newRow("the duty alone")
        << "HeatXType"
        << "Q" << QVariant(10.0) << With([](TLastCase& c) { c.values[8] = 10.0; });
    QTest::newRow("a value for a field that holds no number")
        << "ColdFluid"
        << "tco" << QVariant(14.5) << With([](TLastCase& c) { c.values[4] = 14.5; });
    QTest::newRow("an index alone")
        << "ColdFluid"
        << "index" << QVariant(0) << With([](TLastCase& c) { c.coldFluid = 0; });
    QTest::newRow("a unit alone") << "DisplayUnits"
                                  << "mh" << QVariant(5)
                                  << With([](TLastCase& c) { c.units[2] = 5; });
    QTest::newRow("a mask alone") << "Given"
                                  << "mask" << QVariant(237)
                                  << With([](TLastCase& c) { c.mask = 237; });
    QTest::newRow("no ticks at all")
        << "Given"
        << "mask" << QVariant(0) << With([](TLastCase& c) { c.mask = 0; });
    QTest::newRow("a mask of more than nine ticks") << "Given"
                                                    << "mask" << QVariant(512) << WindowCase();
    QTest::newRow("a negative mask") << "Given"
                                     << "mask" << QVariant(-1) << WindowCase();
    QTest::newRow("a double where the mask belongs") << "Given"
                                                     << "mask" << QVariant(237.0) << WindowCase();
    QTest::newRow("a double where an index belongs") << "HotFluid"
                                                     << "index" << QVariant(1.0) << WindowCase();
    // Values are written as texts; raw doubles (the rows above) are what earlier
    // versions wrote.
    QTest::newRow("a value as its text")
        << "HotFluid"
        << "thi" << QVariant("80.125") << With([](TLastCase& c) { c.values[0] = 80.125; });
    QTest::newRow("a whole value, which reads as an integer too")
        << "ColdFluid"
        << "tci" << QVariant(7) << With([](TLastCase& c) { c.values[3] = 7.0; });
    QTest::newRow("a word where a value belongs") << "HotFluid"
                                                  << "thi" << QVariant("hot") << WindowCase();
    QTest::newRow("not a number, as text") << "HotFluid"
                                           << "thi" << QVariant("nan") << WindowCase();
    QTest::newRow("not a number") << "HeatXType"
                                  << "Ao" << QVariant(nan) << WindowCase();
    QTest::newRow("infinity") << "HeatXType"
                              << "Q" << QVariant(infinity) << WindowCase();
    QTest::newRow("not a number for a field that holds none")
        << "ColdFluid"
        << "tco" << QVariant(nan) << WindowCase();
    QTest::newRow("a word where a unit belongs") << "DisplayUnits"
                                                 << "thi" << QVariant("hot") << WindowCase();
    QTest::newRow("a raw double where a unit belongs") << "DisplayUnits"
                                                       << "Uo" << QVariant(1.0) << WindowCase();
}

void LastCaseTest::readTakesWhatTheStoreLacksFromCurrent()
{
    QFETCH(QString, section);
    QFETCH(QString, name);
    QFETCH(QVariant, stored);
    QFETCH(TLastCase, expected);
    if (stored.isValid()) {
        TSettingsStore store(SettingsKey(Program));
        Store(store, section, name, stored);
        store.Flush();
    }
    QCOMPARE(TLastCase::Read(TSettingsStore(SettingsKey(Program)), WindowCase()), expected);
}

void LastCaseTest::emptyValueKeepsTheOneStoredBefore()
{
    TSettingsStore store(SettingsKey(Program));
    TLastCase first = TLastCase::ResetCase();
    first.Write(store);
    TLastCase second = first;
    second.values[0] = 99.0;
    second.values[8] = std::nullopt;
    second.Write(store);
    store.Flush();
    TLastCase expected = second;
    expected.values[8] = 22.506;
    QCOMPARE(TLastCase::Read(TSettingsStore(SettingsKey(Program)), WindowCase()), expected);
}
