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
#include <QSettings>
#include <QTest>
#include <cmath>
#include <cstring>
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
    QTest::newRow("quoted commas") << QByteArray("v=\"a, b\" ") << noInt << noFloat << "a, b";
    QTest::newRow("escapes") << QByteArray("v=\\x41\\t\\\\1") << noInt << noFloat << "A\t\\1";
    QTest::newRow("a text that starts with @")
        << QByteArray("v=@@home") << noInt << noFloat << "@home";
    QTest::newRow("an image") << "v=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x6QImage\\0" +
                                     QByteArray(5000, 'A') + ')'
                              << noInt << noFloat << noText;
    QTest::newRow("no value") << QByteArray("v=@Invalid()") << noInt << noFloat << noText;
    QTest::newRow("comment after the value")
        << QByteArray("v=12 ; twelve") << 12 << noFloat << "12";
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

// Every kind of value as its text in the file: QSettings wrote the settings of
// earlier versions, and may still read them.
void SettingsStoreTest::valuesOfEveryKind_data()
{
    QTest::addColumn<QVariant>("value"); // an int, a double or a text
    const auto doubleOf = [](const char(&bytes)[9]) {
        double number;
        std::memcpy(&number, bytes, sizeof number);
        return number;
    };
    QTest::newRow("integer") << QVariant(-8);
    QTest::newRow("largest integer") << QVariant(std::numeric_limits<int>::max());
    QTest::newRow("smallest integer") << QVariant(std::numeric_limits<int>::min());
    QTest::newRow("double") << QVariant(0.1 + 0.2);
    QTest::newRow("negative zero") << QVariant(-0.0);
    QTest::newRow("smallest subnormal") << QVariant(4.9e-324);
    QTest::newRow("double of separator bytes") << QVariant(doubleOf("\",;=\\a1\xc0"));
    QTest::newRow("double of escaped bytes then hex digits") << QVariant(doubleOf("\x01"
                                                                                  "a\x7f"
                                                                                  "b\xff"
                                                                                  "0\0"
                                                                                  "F"));
    QTest::newRow("empty text") << QVariant(QString(""));
    QTest::newRow("text with blanks at its ends") << QVariant(QString("  padded\t "));
    QTest::newRow("text with separators") << QVariant(QString("a, b; c = d"));
    QTest::newRow("text with quotes and backslashes") << QVariant(QString("say \"C:\\temp\\\""));
    QTest::newRow("text with line breaks and control bytes") << QVariant(QString("one\ntwo\r\x01"
                                                                                 "7\x1f"
                                                                                 "a"));
    QTest::newRow("text beyond ASCII") << QVariant(QString("35 \u00b0C, \u03a9, \u65e5\u672c"));
    QTest::newRow("text that starts with @") << QVariant(QString("@ByteArray(no bytes)"));
    QTest::newRow("a path") << QVariant(QString("/home/me/My Cases/a&b [2].xml"));
}

namespace {

QByteArray RawBytesOf(double number)
{
    QByteArray bytes(sizeof number, Qt::Uninitialized);
    std::memcpy(bytes.data(), &number, sizeof number);
    return bytes;
}

void WriteKind(TSettingsStore& store, const QVariant& value)
{
    if (value.typeId() == QMetaType::Int)
        store.WriteInteger("Section", "value", value.toInt());
    else if (value.typeId() == QMetaType::Double)
        store.WriteFloat("Section", "value", value.toDouble());
    else
        store.WriteString("Section", "value", value.toString());
}

// What the store reads back of the kind of `value`, as that kind.
QVariant ReadKind(const TSettingsStore& store, const QVariant& value)
{
    if (value.typeId() == QMetaType::Int)
        return store.ReadInteger("Section", "value", 0);
    if (value.typeId() == QMetaType::Double)
        return store.ReadFloat("Section", "value", 1.5);
    return store.ReadString("Section", "value", "missing");
}

// Doubles compared bit for bit: -0.0 is not 0.0.
void CompareKind(const QVariant& read, const QVariant& value)
{
    if (value.typeId() == QMetaType::Double)
        QCOMPARE(RawBytesOf(read.toDouble()), RawBytesOf(value.toDouble()));
    else
        QCOMPARE(read, value);
}

QString ProgramOfRow(const char* prefix)
{
    return prefix + QString::fromLatin1(QTest::currentDataTag()).replace(' ', '-');
}

} // namespace

void SettingsStoreTest::storeReadsWhatQSettingsWrote()
{
    QFETCH(QVariant, value);
    const QString program = ProgramOfRow("by-qsettings-");
    {
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Marbleworth", program);
        settings.setValue("Section/value", value.typeId() == QMetaType::Double
                                               ? QVariant(RawBytesOf(value.toDouble()))
                                               : value);
        settings.sync();
        QCOMPARE(settings.status(), QSettings::NoError);
    }
    CompareKind(ReadKind(TSettingsStore(SettingsKey(program)), value), value);
}

void SettingsStoreTest::qsettingsReadsWhatTheStoreWrote()
{
    QFETCH(QVariant, value);
    const QString program = ProgramOfRow("by-store-");
    {
        TSettingsStore store(SettingsKey(program));
        WriteKind(store, value);
        store.Flush();
    }
    CompareKind(ReadKind(TSettingsStore(SettingsKey(program)), value), value);
    const QSettings settings(SettingsFile(program), QSettings::IniFormat);
    const QVariant read = settings.value("Section/value");
    if (value.typeId() == QMetaType::Double)
        QCOMPARE(read.toByteArray(), RawBytesOf(value.toDouble()));
    else
        QCOMPARE(read.toString(), value.toString());
}

// Values of other programs of every size and kind, comments, odd lines and
// line ends: a save changes the lines of the values it writes or removes, adds
// lines for new ones, and leaves every other byte as it was.
void SettingsStoreTest::saveKeepsEveryOtherLine()
{
    const QByteArray image =
        "@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x6QImage\\0" + QByteArray(200000, 'A') + ')';
    const QByteArray before = "\xef\xbb\xbf; written by hand\r\n"
                              "top=1\r\n"
                              "[Other]\n"
                              "image=" +
                              image +
                              "\n"
                              "list=a, b, \"c\"\n"
                              "a line without an equals sign\n"
                              "quoted=\"two\nlines\"\n"
                              "broken=@Invalid(\n"
                              "\n"
                              "[HotFluid]\n"
                              "index=2 ; the hot fluid\n"
                              "thi=@ByteArray(\\0\\0\\0\\0\\0\\0\\xf0?)\n"
                              "[MainForm]\n"
                              "Left=10\n"
                              "Huge=" +
                              QByteArray(300000, 'x') + "\n";
    const QString path = WriteStoreFile("foreign", before);
    {
        TSettingsStore store(SettingsKey("foreign"));
        QCOMPARE(store.ReadInteger("HotFluid", "index", 0), 2);
        QCOMPARE(store.ReadString("Other", "image", "not a text"), QString("not a text"));
        store.WriteInteger("HotFluid", "index", 5);
        store.WriteFloat("HotFluid", "thi", 2.0);
        store.DeleteValue("MainForm", "Left");
        store.WriteString("MainForm", "Visible", "1");
        store.WriteInteger("ColdFluid", "index", 1);
        store.Flush();
    }
    QByteArray after = before;
    after.replace("index=2 ", "index=5")
        .replace("\\xf0?)", "\\0@)")
        .replace("Left=10\n", "")
        .append("Visible=1\n\n[ColdFluid]\nindex=1\n");
    QCOMPARE(ReadAll(path), after);
    const TSettingsStore store(SettingsKey("foreign"));
    QCOMPARE(store.ReadInteger("HotFluid", "index", 0), 5);
    QCOMPARE(store.ReadFloat("HotFluid", "thi", 0.0), 2.0);
    QCOMPARE(store.ReadString("", "top", ""), QString("1"));
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
