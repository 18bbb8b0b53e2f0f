#include "AppFoldersTest.h"

#include "AppFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <stdexcept>

void AppFoldersTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void AppFoldersTest::addTrailingBackslash_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("appended") << "/opt/x"
                              << "/opt/x/";
    QTest::newRow("already there") << "/opt/x/"
                                   << "/opt/x/";
    QTest::newRow("empty stays empty") << ""
                                       << "";
}

void AppFoldersTest::addTrailingBackslash()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(AddTrailingBackslash(text), expected);
}

void AppFoldersTest::makerFolder_data()
{
    QTest::addColumn<QString>("exeFolder");
    QTest::addColumn<QString>("expected");
    QTest::newRow("below the maker's folder") << "/d/Tools/Marbleworth/Kelvane/"
                                              << "/d/Tools/Marbleworth/";
    QTest::newRow("other case kept as spelt") << "/d/tools/MARBLEWORTH/kelvane/"
                                              << "/d/tools/MARBLEWORTH/";
    QTest::newRow("first occurrence") << "/m/marbleworth/Marbleworth/k/"
                                      << "/m/marbleworth/";
    QTest::newRow("elsewhere: program files") << "/c/Apps/Kelvane/"
                                              << "/pf/Marbleworth/";
}

void AppFoldersTest::makerFolder()
{
    QFETCH(QString, exeFolder);
    QFETCH(QString, expected);
    QCOMPARE(GetMakerFolder(exeFolder, "/pf/"), expected);
}

void AppFoldersTest::appRegistryKey_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("expected");
    QTest::newRow("folder and extension dropped") << "/opt/Tools/Kelvane.exe"
                                                  << "Software\\Marbleworth\\Kelvane";
    QTest::newRow("last extension only") << "my.tool.bin"
                                         << "Software\\Marbleworth\\my.tool";
    QTest::newRow("no extension") << "/usr/bin/kelvane"
                                  << "Software\\Marbleworth\\kelvane";
}

void AppFoldersTest::appRegistryKey()
{
    QFETCH(QString, fileName);
    QFETCH(QString, expected);
    QCOMPARE(GetAppRegistryKey(fileName), expected);
}

void AppFoldersTest::appRegistryKeyOfTheRunningProgram()
{
    InitAppFolders(
        {m_dir->filePath("bin/Heatx.exe"), m_dir->filePath("share"), m_dir->filePath("Documents")});
    QCOMPARE(GetAppRegistryKey(), QString("Software\\Marbleworth\\Heatx"));
    QCOMPARE(GetAppRegistryKey(""), QString("Software\\Marbleworth\\Heatx"));
}

void AppFoldersTest::foldersFromSources()
{
    const QString root = m_dir->path();
    InitAppFolders({root + "/Apps/Kelvane/kelvane", root + "/share", root + "/Docs/"});
    QCOMPARE(ProgramFilesFolder, root + "/share/");
    QCOMPARE(CommonFilesFolder, root + "/share/");
    QCOMPARE(ExeBaseName, QString("kelvane"));
    QCOMPARE(ExeFolder, root + "/Apps/Kelvane/");
    QCOMPARE(MyDocumentsFolder, root + "/Docs/");
    QCOMPARE(UserDataFolder, root + "/Docs/Marbleworth/kelvane/");
    QVERIFY(QFileInfo(UserDataFolder).isDir());
    QCOMPARE(MakerFolder, root + "/share/Marbleworth/");
    QCOMPARE(MakerCommonFolder, root + "/share/Marbleworth/Common Files/");
    QCOMPARE(GetMakerFolder(), MakerFolder);
}

void AppFoldersTest::makerFolderAboveTheExecutable()
{
    const QString root = m_dir->path();
    InitAppFolders({root + "/Marbleworth/Kelvane/kelvane", root + "/share", root + "/Docs"});
    QCOMPARE(MakerFolder, root + "/Marbleworth/");
    QCOMPARE(MakerCommonFolder, root + "/Marbleworth/Common Files/");
}

void AppFoldersTest::noDocumentsFolderStopsStartUp()
{
    const QString root = m_dir->path();
    InitAppFolders({root + "/a/kelvane", root + "/share", root + "/Docs"});
    try {
        InitAppFolders({root + "/b/other", root + "/share", QString()});
        QFAIL("no error without a documents folder");
    } catch (const std::runtime_error& error) {
        QCOMPARE(QString(error.what()), QString("Could not find My Documents folder location."));
    }
    // Nothing half-set: the earlier values stand.
    QCOMPARE(ExeBaseName, QString("kelvane"));
    QCOMPARE(ExeFolder, root + "/a/");
}

void AppFoldersTest::userDataFolderFallsBackToExeFolder()
{
    const QString root = m_dir->path();
    QFile blocker(root + "/Docs");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    InitAppFolders({root + "/bin/kelvane", root + "/share", root + "/Docs"});
    QCOMPARE(UserDataFolder, root + "/bin/");
}

void AppFoldersTest::systemFoldersUseTheDesktopLocations()
{
    const QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    const QString home = qEnvironmentVariable("HOME");
    if (dataHome.isEmpty()) {
        QSKIP("runs under ctest, which gives the test its own XDG_DATA_HOME");
    }
    QCOMPARE(GetProgramFilesFolder(), AddTrailingBackslash(dataHome));
    QCOMPARE(GetCommonFilesFolder(), AddTrailingBackslash(dataHome));
    QCOMPARE(GetMyDocumentsFolder(), home + "/Documents");

    InitAppFolders();
    const QFileInfo exe(QCoreApplication::applicationFilePath());
    QCOMPARE(ExeFolder, exe.absolutePath() + "/");
    QCOMPARE(ExeBaseName, exe.completeBaseName());
    QCOMPARE(MakerFolder, AddTrailingBackslash(dataHome) + "Marbleworth/");
    QCOMPARE(UserDataFolder, home + "/Documents/Marbleworth/" + exe.completeBaseName() + "/");
}

void AppFoldersTest::ownerNameFromGecos_data()
{
    QTest::addColumn<QString>("gecos");
    QTest::addColumn<QString>("expected");
    QTest::newRow("name only") << "Jane Doe"
                               << "Jane Doe";
    QTest::newRow("name and office fields") << "Jane Doe,Room 4,555-1234,"
                                            << "Jane Doe";
    QTest::newRow("no name") << ",,,"
                             << "";
    QTest::newRow("empty") << ""
                           << "";
}

void AppFoldersTest::ownerNameFromGecos()
{
    QFETCH(QString, gecos);
    QFETCH(QString, expected);
    QCOMPARE(OwnerNameFromGecos(gecos), expected);
}

void AppFoldersTest::organizationFromTheEnvironment()
{
    const QByteArray previous = qgetenv("ORGANIZATION");
    qputenv("ORGANIZATION", "Cold Chain Ltd");
    InitRegisteredOwner();
    QCOMPARE(OwnerOrganization, QString("Cold Chain Ltd"));
    qunsetenv("ORGANIZATION");
    InitRegisteredOwner();
    QCOMPARE(OwnerOrganization, QString());
    if (!previous.isEmpty()) {
        qputenv("ORGANIZATION", previous);
    }
}
