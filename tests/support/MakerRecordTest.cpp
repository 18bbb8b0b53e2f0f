#include "MakerRecordTest.h"

#include "AppFolders.h"
#include "MakerRecord.h"
#include "SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTest>

void MakerRecordTest::initTestCase()
{
    m_configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (m_configHome.isEmpty()) {
        QSKIP("needs its own XDG_CONFIG_HOME; run it through ctest");
    }
}

void MakerRecordTest::noMakerKeyGivesDefaults()
{
    QVERIFY(!QFile::exists(m_configHome + "/Marbleworth.conf"));
    InitMakerRecord();
    QCOMPARE(MakerEmail, QString("support@marbleworth.example"));
    QCOMPARE(MakerRecord().Company, QString("Marbleworth Software"));
    QCOMPARE(MakerRecord().User, QString());
    // Read before the folders are resolved, the logo still has a full path.
    QCOMPARE(MakerRecord().Logo, GetCommonFilesFolder() + "Marbleworth/ReportLogo.gif");
    QVERIFY(MakerRecord().Logo.startsWith(u'/'));
}

void MakerRecordTest::storedValuesWinEvenWhenEmpty()
{
    QVERIFY(QDir().mkpath(m_configHome + "/Marbleworth"));
    QFile file(m_configHome + "/Marbleworth/maker-test.conf");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[General]\nemail=\ncompany=Cold Chain Ltd\naddr1=12 Main St, Suite 4\n");
    file.close();
    const TSettingsStore store("Software\\Marbleworth\\maker-test");
    const TMakerRecord maker = ReadMakerRecord(store, "/common/");
    QCOMPARE(maker.Email, QString());
    QCOMPARE(maker.Company, QString("Cold Chain Ltd"));
    QCOMPARE(maker.Addr1, QString("12 Main St, Suite 4"));
    QCOMPARE(maker.Logo, QString("/common/Marbleworth/ReportLogo.gif"));
    QCOMPARE(maker.Web, QString("www.marbleworth.example"));
}
