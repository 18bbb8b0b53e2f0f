#include "RecentFilesTest.h"

#include "RecentFiles.h"
#include "SettingsStore.h"
#include "TestFiles.h"

#include <QDir>
#include <QTest>
#include <algorithm>

namespace {

const QString Program = QStringLiteral("recentfilestest");

TRecentFiles Added(const QStringList& paths)
{
    TRecentFiles recent;
    for (const QString& path : paths)
        recent.Add(path);
    return recent;
}

QStringList Numbered(int count)
{
    QStringList paths;
    for (int i = 1; i <= count; ++i)
        paths << QStringLiteral("/cases/case%1.xml").arg(i);
    return paths;
}

} // namespace

void RecentFilesTest::init()
{
    TSettingsStore store(SettingsKey(Program));
    for (const QString& section : store.Sections())
        store.EraseSection(section);
    store.Flush();
}

void RecentFilesTest::newestComesFirst_data()
{
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("three files") << QStringList{"/a.xml", "/b.xml", "/c.xml"}
                                 << QStringList{"/c.xml", "/b.xml", "/a.xml"};
    QTest::newRow("the oldest added again moves to the front")
        << QStringList{"/a.xml", "/b.xml", "/c.xml", "/a.xml"}
        << QStringList{"/a.xml", "/c.xml", "/b.xml"};
    QTest::newRow("the newest added again stays once")
        << QStringList{"/a.xml", "/b.xml", "/b.xml"} << QStringList{"/b.xml", "/a.xml"};
    QTest::newRow("the same file by another spelling of its path")
        << QStringList{"/cases/a.xml", "/b.xml", "/cases/./x/../a.xml"}
        << QStringList{"/cases/a.xml", "/b.xml"};
    QTest::newRow("a relative path is kept absolute")
        << QStringList{"a.xml"} << QStringList{QDir::current().absoluteFilePath("a.xml")};
}

void RecentFilesTest::newestComesFirst()
{
    QFETCH(QStringList, added);
    QFETCH(QStringList, listed);
    QCOMPARE(Added(added).Files(), listed);
}

void RecentFilesTest::oldestGoesBeyondEight()
{
    const QStringList ten = Numbered(10);
    TRecentFiles recent = Added(ten.mid(0, 8));
    QCOMPARE(recent.Files().size(), 8);
    recent.Add(ten[8]);
    recent.Add(ten[9]);
    QStringList newestFirst = ten.mid(2);
    std::reverse(newestFirst.begin(), newestFirst.end());
    QCOMPARE(recent.Files(), newestFirst);
    // A file already listed goes to the front and nothing drops.
    recent.Add(ten[2]);
    QCOMPARE(recent.Files().size(), 8);
    QCOMPARE(recent.Files().front(), ten[2]);
    QVERIFY(recent.Files().contains(ten[3]));
}

void RecentFilesTest::removeDropsOnlyThatFile()
{
    TRecentFiles recent = Added({"/a.xml", "/b.xml", "/c.xml"});
    QVERIFY(recent.Remove("/b.xml"));
    QCOMPARE(recent.Files(), QStringList({"/c.xml", "/a.xml"}));
    QVERIFY(!recent.Remove("/b.xml"));
    QCOMPARE(recent.Files(), QStringList({"/c.xml", "/a.xml"}));
}

void RecentFilesTest::writtenListReadsBackFromTheStore()
{
    const TRecentFiles recent = Added({"/cases/one.xml", "/cases/two, three.xml", "/cases/ü.xml"});
    {
        TSettingsStore store(SettingsKey(Program));
        recent.Write(store);
        store.Flush();
    }
    QCOMPARE(TRecentFiles::Read(TSettingsStore(SettingsKey(Program))).Files(), recent.Files());
    const QByteArray text = ReadAll(SettingsFile(Program));
    QVERIFY2(text.contains("[RecentFiles]\nFile1="), text);
    QVERIFY2(text.contains("File3=/cases/one.xml\n"), text);
}

void RecentFilesTest::readSkipsEmptyAndRepeatedEntries()
{
    {
        TSettingsStore store(SettingsKey(Program));
        store.WriteString("RecentFiles", "File1", "");
        store.WriteString("RecentFiles", "File2", "/a.xml");
        store.WriteString("RecentFiles", "File3", "/a.xml");
        store.WriteString("RecentFiles", "File4", "/b.xml");
        store.WriteString("RecentFiles", "File9", "/beyond.xml");
        store.Flush();
    }
    QCOMPARE(TRecentFiles::Read(TSettingsStore(SettingsKey(Program))).Files(),
             QStringList({"/a.xml", "/b.xml"}));
}

void RecentFilesTest::shorterListReplacesLongerOne()
{
    TSettingsStore store(SettingsKey(Program));
    Added(Numbered(5)).Write(store);
    Added({"/only.xml"}).Write(store);
    store.Flush();
    QCOMPARE(TRecentFiles::Read(TSettingsStore(SettingsKey(Program))).Files(),
             QStringList({"/only.xml"}));
    QVERIFY(!TSettingsStore(SettingsKey(Program)).ValueExists("RecentFiles", "File2"));
}
