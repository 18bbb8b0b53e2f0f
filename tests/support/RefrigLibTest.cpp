#include "RefrigLibTest.h"

#include "AppFolders.h"
#include "ConvertError.h"
#include "RefrigLib.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <vector>

using TCoefficients = std::vector<double>;

namespace {

TCoefficients Dp(const TRefrigData& data)
{
    return {data.dp.begin(), data.dp.end()};
}

} // namespace

void RefrigLibTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QString RefrigLibTest::WriteFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) {
        qFatal("cannot write %s", qPrintable(path));
    }
    return path;
}

void RefrigLibTest::missingFileKeepsTheBuiltInRecord()
{
    TRefrigLib lib(m_dir->filePath("RefLib8.rdf"));
    QVERIFY(lib.Sections().isEmpty());
    QCOMPARE(lib.ErrorCode(), 0);
    lib.SelectRefrigerant("R22");
    QVERIFY(lib.Current() == BuiltInR22());
    QCOMPARE(lib.ErrorCode(), 1);
    QCOMPARE(lib.CurrentIndex(), -1);
    QCOMPARE(lib.CurrentName(), QString());
    QCOMPARE(lib.Current().RNumber, QString("R22"));
    QCOMPARE(Dp(lib.Current()), TCoefficients({21.39916, -2103.23, 254.0905}));
}

void RefrigLibTest::indexIsSortedWithInternalNumbers()
{
    const TRefrigLib lib(WriteFile(m_dir->filePath("RefLib8.rdf"),
                                   "[R22]\nInternalNumber=2\n[r134a]\nInternalNumber=5\n"
                                   "[Ammonia]\nFormula=NH3\n"));
    QCOMPARE(lib.Sections(), QStringList({"Ammonia", "r134a", "R22"}));
    QCOMPARE(lib.InternalNumbers(), QList<int>({-1, 5, 2}));
}

void RefrigLibTest::sectionIsLoadedOverTheBuiltInRecord()
{
    TRefrigLib lib(WriteFile(m_dir->filePath("RefLib8.rdf"),
                             "[R22]\nInternalNumber=2\n"
                             "[r134a]\nInternalNumber=5\nRNumber=R134a\nFormula=CH2FCF3\n"
                             "Components=1\nTCrit=101.06\nPCrit=4059.3\nTBoil=-26.07\n"
                             "wm=abc\n"));
    lib.SelectRefrigerant("R134A");
    const TRefrigData& r = lib.Current();
    QCOMPARE(r.InternalNumber, 5);
    QCOMPARE(r.RNumber, QString("R134a"));
    QCOMPARE(r.Formula, QString("CH2FCF3"));
    QCOMPARE(r.TCrit, 101.06);
    QCOMPARE(r.PCrit, 4059.3);
    QCOMPARE(r.TBoil, -26.07);
    // Missing keys and non-numbers keep the built-in values.
    QCOMPARE(r.wm, BuiltInR22().wm);
    QCOMPARE(r.ChemicalName, BuiltInR22().ChemicalName);
    QCOMPARE(Dp(r), Dp(BuiltInR22()));
    QCOMPARE(lib.CurrentName(), QString("R134a"));
    QCOMPARE(lib.Sections(), QStringList({"r134a", "R22"}));
    QCOMPARE(lib.CurrentIndex(), 0);
    QCOMPARE(lib.ErrorCode(), 0);
}

// A data file made on Windows: 8-bit Windows-1252 text, and a repeated
// section or key, where the first one counts.
void RefrigLibTest::windowsTextAndRepeatsReadAsOnWindows()
{
    TRefrigLib lib(WriteFile(m_dir->filePath("RefLib8.rdf"),
                             "[R717]\r\nInternalNumber=7\r\nChemicalName=Ammoniak \x96 NH\xb3\r\n"
                             "TCrit=132.25\r\nTCrit=999\r\n"
                             "[R22]\r\nInternalNumber=2\r\n"
                             "[R717]\r\nInternalNumber=8\r\nPCrit=1\r\n"));
    QCOMPARE(lib.Sections(), QStringList({"R22", "R717"}));
    QCOMPARE(lib.InternalNumbers(), QList<int>({2, 7}));
    lib.SelectRefrigerant("R717");
    const TRefrigData& r = lib.Current();
    QCOMPARE(r.ChemicalName, QString("Ammoniak – NH³"));
    QCOMPARE(r.TCrit, 132.25);
    QCOMPARE(r.PCrit, BuiltInR22().PCrit);
}

void RefrigLibTest::coefficientList_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<TCoefficients>("expected");
    const TCoefficients builtIn = Dp(BuiltInR22());
    QTest::newRow("commas") << QByteArray("dp=1.5,2.5,3.5") << TCoefficients({1.5, 2.5, 3.5});
    QTest::newRow("commas and blanks")
        << QByteArray("dp=1.5, -2.5 ,  3.5e2") << TCoefficients({1.5, -2.5, 350.0});
    QTest::newRow("blanks only") << QByteArray("dp=1 2 3") << TCoefficients({1, 2, 3});
    QTest::newRow("double quotes")
        << QByteArray("dp=\"1.5\",\"2.5\",\"3.5\"") << TCoefficients({1.5, 2.5, 3.5});
    QTest::newRow("every item 0") << QByteArray("dp=0,0,0") << builtIn;
    QTest::newRow("zeros not all written 0")
        << QByteArray("dp=0,0.0,0") << TCoefficients({0, 0, 0});
    QTest::newRow("two items instead of three") << QByteArray("dp=1,2") << builtIn;
    QTest::newRow("four items instead of three") << QByteArray("dp=1,2,3,4") << builtIn;
    QTest::newRow("empty") << QByteArray("dp=") << builtIn;
    QTest::newRow("missing") << QByteArray("bp=1,2,3") << builtIn;
}

void RefrigLibTest::coefficientList()
{
    QFETCH(QByteArray, line);
    QFETCH(TCoefficients, expected);
    TRefrigLib lib(WriteFile(m_dir->filePath("RefLib8.rdf"), "[R22]\n" + line + "\n"));
    lib.SelectRefrigerant("R22");
    QCOMPARE(Dp(lib.Current()), expected);
    QCOMPARE(lib.ErrorCode(), 0);
}

void RefrigLibTest::nonNumberInAListRaises()
{
    const QByteArray lists[] = {"ic=1,2,3,x4,5,6,7,8", "dp=1,2,"};
    for (const QByteArray& list : lists) {
        TRefrigLib lib(WriteFile(m_dir->filePath("RefLib8.rdf"), "[R22]\nTCrit=99\n" + list));
        QVERIFY_THROWS_EXCEPTION(EConvertError, lib.SelectRefrigerant("R22"));
        QVERIFY(lib.Current() == BuiltInR22());
        QCOMPARE(lib.CurrentName(), QString());
    }
}

void RefrigLibTest::sameNameInOtherCaseDoesNothing()
{
    const QString path = WriteFile(m_dir->filePath("RefLib8.rdf"), "[R22]\nTCrit=100\n");
    TRefrigLib lib(path);
    lib.SelectRefrigerant("R22");
    QCOMPARE(lib.Current().TCrit, 100.0);
    WriteFile(path, "[R22]\nTCrit=200\n");
    lib.SelectRefrigerant("r22");
    QCOMPARE(lib.Current().TCrit, 100.0);
}

void RefrigLibTest::missingSectionFallsBackToBuiltIn()
{
    TRefrigLib lib(WriteFile(m_dir->filePath("RefLib8.rdf"), "[R22]\nTCrit=100\n"));
    lib.SelectRefrigerant("R22");
    lib.SelectRefrigerant("R404A");
    QVERIFY(lib.Current() == BuiltInR22());
    QCOMPARE(lib.ErrorCode(), 1);
    QCOMPARE(lib.CurrentIndex(), -1);
    QCOMPARE(lib.CurrentName(), QString("R22"));
}

void RefrigLibTest::startUpLoadsR22FromTheMakersCommonFolder()
{
    const QString root = m_dir->path();
    InitAppFolders({root + "/Apps/kelvane", root + "/share", root + "/Documents"});
    WriteFile(MakerCommonFolder + "RefLib8.rdf", "[R12]\nInternalNumber=1\n[R22]\nTCrit=96.2\n");
    InitRefrigLib();
    QCOMPARE(RefrigLib().Current().TCrit, 96.2);
    QCOMPARE(RefrigLib().CurrentIndex(), 1);
    QCOMPARE(RefrigLib().ErrorCode(), 0);
    QCOMPARE(RefrigLib().FileName(), root + "/share/Marbleworth/Common Files/RefLib8.rdf");
}
