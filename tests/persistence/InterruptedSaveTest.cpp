#include "InterruptedSaveTest.h"

#include "FileSizeLimit.h"
#include "SaveLoopCase.h"
#include "TestFiles.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRandomGenerator>
#include <QTest>
#include <stdexcept>

namespace {

constexpr TSaveLoopCase::TFileKind Kinds[] = {TSaveLoopCase::fkCase, TSaveLoopCase::fkUnits,
                                              TSaveLoopCase::fkSettings};

QString ReferenceProgram(int version)
{
    return QStringLiteral("saveloop-reference-%1").arg(version);
}

QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
}

} // namespace

void InterruptedSaveTest::initTestCase()
{
    if (qEnvironmentVariable("XDG_CONFIG_HOME").isEmpty())
        QSKIP("needs its own XDG_CONFIG_HOME; run it through ctest");
    m_references = std::make_unique<QTemporaryDir>();
    QVERIFY(m_references->isValid());
    for (int version = 0; version < 2; ++version) {
        const QString folder = m_references->filePath(QString::number(version));
        QVERIFY(QDir().mkpath(folder));
        TSaveLoopCase(folder, ReferenceProgram(version)).SaveAll(version);
    }
    for (const auto kind : Kinds) {
        QVERIFY(!Version(kind, 0).isEmpty());
        QVERIFY(Version(kind, 0) != Version(kind, 1));
    }
}

void InterruptedSaveTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QByteArray InterruptedSaveTest::Version(int kind, int version) const
{
    const TSaveLoopCase reference(m_references->filePath(QString::number(version)),
                                  ReferenceProgram(version));
    return ReadAll(reference.PathOf(TSaveLoopCase::TFileKind(kind)));
}

void InterruptedSaveTest::failedFlushKeepsTheOldFile_data()
{
    // Each file is smaller than the save file's buffer, so the failed write is
    // the one that empties the buffer on commit.
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("cutAt"); // the share of the new file written before the disk fills
    const std::pair<TSaveLoopCase::TFileKind, const char*> kinds[] = {
        {TSaveLoopCase::fkCase, "sample.xml"},
        {TSaveLoopCase::fkUnits, "units.ini"},
        {TSaveLoopCase::fkSettings, "settings"}};
    const std::pair<double, const char*> cuts[] = {
        {0.0, "nothing written"}, {0.01, "first bytes"}, {0.5, "half"}, {0.99, "all but the end"}};
    for (const auto& [kind, file] : kinds) {
        for (const auto& [cut, when] : cuts)
            QTest::addRow("%s, %s", file, when) << int(kind) << cut;
    }
}

void InterruptedSaveTest::failedFlushKeepsTheOldFile()
{
    QFETCH(int, kind);
    QFETCH(double, cutAt);
    const auto fileKind = TSaveLoopCase::TFileKind(kind);
    const TSaveLoopCase saves(m_dir->path(),
                              QStringLiteral("failed-write-%1-%2").arg(kind).arg(int(cutAt * 100)));
    saves.Save(fileKind, 0);
    const QString path = saves.PathOf(fileKind);
    QCOMPARE(ReadAll(path), Version(kind, 0));
    const QStringList entries = Entries(QFileInfo(path).path());
    {
        TFileSizeLimit limit(rlim_t(cutAt * double(Version(kind, 1).size())));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, saves.Save(fileKind, 1));
    }
    QCOMPARE(ReadAll(path), Version(kind, 0));
    // No half-written copy left beside it.
    QCOMPARE(Entries(QFileInfo(path).path()), entries);
    // The next save goes through.
    saves.Save(fileKind, 1);
    QCOMPARE(ReadAll(path), Version(kind, 1));
}

// With no earlier file to fall back on, a cut-short first save leaves none:
// the next start reads the defaults rather than half a file.
void InterruptedSaveTest::failedFirstFlushLeavesNoFile()
{
    for (const auto kind : Kinds) {
        const TSaveLoopCase saves(m_dir->path(), QStringLiteral("first-save-%1").arg(kind));
        const QString path = saves.PathOf(kind);
        const QStringList entries = Entries(QFileInfo(path).path());
        {
            TFileSizeLimit limit(rlim_t(Version(kind, 1).size() / 2));
            QVERIFY_THROWS_EXCEPTION(std::runtime_error, saves.Save(kind, 1));
        }
        QVERIFY2(!QFile::exists(path), qPrintable(path));
        QCOMPARE(Entries(QFileInfo(path).path()), entries);
    }
}

void InterruptedSaveTest::killedSaveLoopLeavesOldOrNew()
{
    const QString helper = QCoreApplication::applicationDirPath() + "/kelvane_save_loop";
    QVERIFY2(QFileInfo(helper).isExecutable(), qPrintable(helper));
    const quint32 seed = qEnvironmentVariableIsSet("KELVANE_SEED")
                             ? quint32(qEnvironmentVariableIntValue("KELVANE_SEED"))
                             : QRandomGenerator::system()->generate();
    qInfo("kill loop seed %u (rerun with KELVANE_SEED=%u)", seed, seed);
    QRandomGenerator random(seed);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", m_dir->filePath("config"));
    const QString folder = m_dir->filePath("program");
    QVERIFY(QDir().mkpath(folder));
    const TSaveLoopCase loop(folder, QStringLiteral("saveloop"));
    // The helper's settings file, seen from here.
    const QString settingsPath = m_dir->filePath("config/Marbleworth/saveloop.conf");
    const QString paths[] = {loop.PathOf(TSaveLoopCase::fkCase),
                             loop.PathOf(TSaveLoopCase::fkUnits), settingsPath};

    constexpr int kKills = 50;
    const QDeadlineTimer deadline(120000);
    int kills = 0;
    int versionsSeen[2] = {0, 0};
    for (; kills < kKills && !deadline.hasExpired(); ++kills) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(helper, {folder, QStringLiteral("saveloop")});
        QVERIFY(process.waitForStarted());
        QVERIFY2(
            process.waitForReadyRead(30000),
            qPrintable(
                QStringLiteral("the save loop did not start saving after kill %1").arg(kills)));
        QTest::qSleep(int(random.bounded(20)));
        process.kill();
        QVERIFY(process.waitForFinished());
        QCOMPARE(process.exitStatus(), QProcess::CrashExit);
        for (const auto kind : Kinds) {
            const QByteArray text = ReadAll(paths[kind]);
            const int version = text == Version(kind, 0) ? 0 : text == Version(kind, 1) ? 1 : -1;
            QVERIFY2(version >= 0, qPrintable(QStringLiteral("kill %1 left %2 as %3 bytes: %4")
                                                  .arg(kills)
                                                  .arg(paths[kind])
                                                  .arg(text.size())
                                                  .arg(QString::fromUtf8(text.left(200)))));
            ++versionsSeen[version];
        }
    }
    qInfo("%d kills, every file complete: %d found holding the first version, %d the second", kills,
          versionsSeen[0], versionsSeen[1]);
    QVERIFY(kills > 0);
}
