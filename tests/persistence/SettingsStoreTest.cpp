#include "SettingsStoreTest.h"

#include "SettingsStore.h"
#include "SizeLimitFiles.h"
#include "TestFiles.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTest>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <sys/stat.h>

void SettingsStoreTest::initTestCase()
{
    // Never near the real user's settings: ctest gives every run its own config home.
    m_configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (m_configHome.isEmpty()) {
        QSKIP("needs its own XDG_CONFIG_HOME; run it through ctest");
    }
}

QString SettingsStoreTest::WriteStoreFile(const QString& program, const QByteArray& content)
{
    const QString path = m_configHome + "/Marbleworth/" + program + ".conf";
    QDir().mkpath(m_configHome + "/Marbleworth");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) {
        qFatal("cannot write %s", qPrintable(path));
    }
    return path;
}

void SettingsStoreTest::valuesComeBackWithTheirKinds()
{
    const double awkward = 0.1 + 0.2;
    {
        TSettingsStore store(SettingsKey("roundtrip"));
        store.WriteInteger("HotFluid", "index", -8);
        store.WriteFloat("HotFluid", "thi", awkward);
        store.WriteFloat("HotFluid", "tiny", 4.9e-324);
        store.WriteFloat("HotFluid", "negzero", -0.0);
        store.WriteString("MainForm", "Visible", "1");
        store.WriteString("MainForm", "Note", "@home, 35 °C");
        store.Flush();
    }
    const TSettingsStore store(SettingsKey("roundtrip"));
    QCOMPARE(store.ReadInteger("HotFluid", "index", 0), -8);
    QCOMPARE(store.ReadFloat("HotFluid", "thi", 0.0), awkward);
    QCOMPARE(store.ReadFloat("HotFluid", "tiny", 0.0), 4.9e-324);
    QVERIFY(std::signbit(store.ReadFloat("HotFluid", "negzero", 1.0)));
    QCOMPARE(store.ReadString("MainForm", "Visible", ""), QString("1"));
    QCOMPARE(store.ReadString("MainForm", "Note", ""), QString("@home, 35 °C"));
    QCOMPARE(store.ReadInteger("HotFluid", "missing", 42), 42);
    QCOMPARE(store.ReadFloat("Nowhere", "thi", 2.5), 2.5);
    QCOMPARE(store.ReadString("MainForm", "missing", "dflt"), QString("dflt"));
    // In memory too, a value of another kind is missing to the reader.
    QCOMPARE(store.ReadFloat("HotFluid", "index", 2.5), 2.5);
    QCOMPARE(store.ReadInteger("HotFluid", "thi", 7), 7);
    QCOMPARE(store.ReadString("HotFluid", "thi", "dflt"), QString("dflt"));
}

void SettingsStoreTest::storedFileHoldsGroupsAndRawDoubles()
{
    {
        TSettingsStore store(SettingsKey("layout"));
        store.WriteFloat("HeatXType", "Q", 1.0);
        store.WriteInteger("HeatXType", "index", 3);
        store.Flush();
    }
    const QByteArray text = ReadAll(m_configHome + "/Marbleworth/layout.conf");
    QVERIFY2(text.contains("[HeatXType]"), text.constData());
    QVERIFY2(text.contains("index=3"), text.constData());
    // 1.0 as the little-endian IEEE double 00 00 00 00 00 00 F0 3F.
    QVERIFY2(text.contains("Q=@ByteArray(\\0\\0\\0\\0\\0\\0\\xf0?)"), text.constData());
}

void SettingsStoreTest::handWrittenValues_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("integer");
    QTest::addColumn<double>("number");
    QTest::addColumn<QString>("text");
    const int noInt = -99;
    const double noFloat = -9.5;
    const QString noText = "missing";
    QTest::newRow("integer") << QByteArray("v=12") << 12 << noFloat << "12";
    QTest::newRow("negative integer") << QByteArray("v=-30") << -30 << noFloat << "-30";
    QTest::newRow("beyond 32 bits")
        << QByteArray("v=4294967296") << noInt << noFloat << "4294967296";
    QTest::newRow("text") << QByteArray("v=warm") << noInt << noFloat << "warm";
    QTest::newRow("empty text") << QByteArray("v=") << noInt << noFloat << "";
    QTest::newRow("eight raw bytes")
        << QByteArray("v=@ByteArray(\\0\\0\\0\\0\\0\\0\\xf0?)") << noInt << 1.0 << noText;
    QTest::newRow("seven raw bytes")
        << QByteArray("v=@ByteArray(\\0\\0\\0\\0\\0\\0\\xf0)") << noInt << noFloat << noText;
    QTest::newRow("nine raw bytes")
        << QByteArray("v=@ByteArray(\\0\\0\\0\\0\\0\\0\\xf0?!)") << noInt << noFloat << noText;
    QTest::newRow("no raw bytes") << QByteArray("v=@ByteArray()") << noInt << noFloat << noText;
    QTest::newRow("other variant") << QByteArray("v=@Rect(1 2 3 4)") << noInt << noFloat << noText;
    QTest::newRow("broken variant")
        << QByteArray("v=@Variant(\\0\\0\\0\\x7f\\0)") << noInt << noFloat << noText;
    QTest::newRow("unquoted commas")
        << QByteArray("v=12 Main St, Suite 4") << noInt << noFloat << "12 Main St, Suite 4";
}

void SettingsStoreTest::handWrittenValues()
{
    QFETCH(QByteArray, line);
    QFETCH(int, integer);
    QFETCH(double, number);
    QFETCH(QString, text);
    const QString program =
        "hand-" + QString::fromLatin1(QTest::currentDataTag()).replace(' ', '-');
    WriteStoreFile(program, "[s]\n" + line + "\n");
    const TSettingsStore store(SettingsKey(program));
    QCOMPARE(store.ReadInteger("s", "v", -99), integer);
    QCOMPARE(store.ReadFloat("s", "v", -9.5), number);
    QCOMPARE(store.ReadString("s", "v", "missing"), text);
}

void SettingsStoreTest::makerRecordUnderTheOrganisation()
{
    {
        TSettingsStore maker("Software\\Marbleworth");
        maker.WriteString("", "email", "info@example.com");
        maker.Flush();
    }
    QVERIFY(ReadAll(m_configHome + "/Marbleworth.conf").contains("email=info@example.com"));
    const TSettingsStore program(SettingsKey("maker-test"));
    QVERIFY(!program.ValueExists("", "email"));
    QCOMPARE(program.ReadString("", "email", "none"), QString("none"));
}

void SettingsStoreTest::sectionsCanBeListedAndErased()
{
    TSettingsStore store(SettingsKey("sections"));
    store.WriteInteger("HotFluid", "index", 1);
    store.WriteInteger("ColdFluid", "index", 2);
    store.WriteInteger("MainForm\\Inner", "x", 3);
    QVERIFY(store.SectionExists("HotFluid"));
    QVERIFY(store.SectionExists("MainForm\\Inner"));
    QVERIFY(!store.SectionExists("HeatXType"));
    QCOMPARE(store.Sections().size(), 3);
    store.EraseSection("HotFluid");
    store.DeleteValue("ColdFluid", "index");
    QVERIFY(!store.SectionExists("HotFluid"));
    QVERIFY(!store.ValueExists("ColdFluid", "index"));
    QCOMPARE(store.ReadInteger("MainForm\\Inner", "x", 0), 3);
}

void SettingsStoreTest::keyPathMustNameTheMaker_data()
{
    QTest::addColumn<QString>("keyPath");
    QTest::newRow("empty") << "";
    QTest::newRow("root alone") << "Software";
    QTest::newRow("other root") << "Hardware\\Marbleworth";
    QTest::newRow("too deep") << "Software\\Marbleworth\\kelvane\\extra";
}

void SettingsStoreTest::keyPathMustNameTheMaker()
{
    QFETCH(QString, keyPath);
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, TSettingsStore store(keyPath));
}

void SettingsStoreTest::unwritableStoreThrowsOnFlush()
{
    // A plain file where the organisation's folder should be.
    QFile blocker(m_configHome + "/Blocked");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    TSettingsStore store("Software\\Blocked\\kelvane");
    store.WriteInteger("s", "v", 1);
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, store.Flush());
}

// A settings file over the size limit (large values the program does not own),
// or one that is no regular file, is not read: the store holds nothing, and a
// flush says why and leaves the file as it was.
void SettingsStoreTest::fileThatCannotBeReadIsKept_data()
{
    AddSizeLimitRows(TSettingsStore::MaxFileSize);
}

void SettingsStoreTest::fileThatCannotBeReadIsKept()
{
    QFETCH(QString, kind);
    QFETCH(qint64, size);
    QFETCH(QString, refusal);
    // A value of the program's, then one of another's to the size.
    const QByteArray head = "[HotFluid]\nindex=2\n[Other]\nimage=";
    const QString path = m_configHome + "/Marbleworth/limited.conf";
    QVERIFY(QDir().mkpath(m_configHome + "/Marbleworth"));
    // Not left for the next row to write into: a named pipe would wait for a reader.
    const auto removeEntry = qScopeGuard([&path] {
        if (!QFile::remove(path))
            QDir(path).removeRecursively();
    });
    QVERIFY(MakeEntry(path, kind, head, size, 'x', TSettingsStore::MaxFileSize));
    TSettingsStore store(SettingsKey("limited"));
    QCOMPARE(store.ReadInteger("HotFluid", "index", 7), refusal.isEmpty() ? 2 : 7);
    if (refusal.isEmpty())
        return;
    QCOMPARE(store.Sections(), QStringList());
    store.WriteInteger("HotFluid", "index", 3);
    try {
        store.Flush();
        QFAIL("Flush did not throw");
    } catch (const std::runtime_error& error) {
        QCOMPARE(QString::fromUtf8(error.what()),
                 QString("Cannot write the settings file \"%1\": %2; it was left as it was")
                     .arg(path, refusal));
    }
    QCOMPARE(QFileInfo(path).isFile(), kind == "file");
    if (kind == "file")
        QCOMPARE(QFileInfo(path).size(), size);
}

void SettingsStoreTest::emptyLockFileOfAKilledSaveDoesNotStallFlush()
{
    const QString path = WriteStoreFile("killed", "[s]\nv=1\n");
    QFile lock(path + ".lock");
    QVERIFY(lock.open(QIODevice::WriteOnly));
    QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-10),
                             QFileDevice::FileModificationTime));
    lock.close();
    TSettingsStore store(SettingsKey("killed"));
    store.WriteInteger("s", "v", 2);
    QElapsedTimer timer;
    timer.start();
    store.Flush();
    // QSettings alone waits 30 s for such a lock to grow stale.
    QVERIFY2(timer.elapsed() < 10000, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(ReadAll(path).contains("v=2"));
    QVERIFY(!QFile::exists(path + ".lock"));
}
