#include "NamedCaseFileTest.h"

#include "CaseFile.h"
#include "CaseInput.h"
#include "FileSizeLimit.h"
#include "Hx.h"
#include "HxTestSupport.h"
#include "SavedInitialCase.h"
#include "TestFiles.h"
#include "XMLFile.h"

#include <QDir>
#include <QScopeGuard>
#include <QTest>
#include <stdexcept>
#include <sys/stat.h>

namespace {

// A small case file with the nine values; `extra` goes at the end of `duty`.
QByteArray CaseText(const QByteArray& extra = {}, const QByteArray& mh = "1.000")
{
    return "<datafile><hot><name>oil</name><thi>80.000</thi><tho>40.000</tho><mh>" + mh +
           "</mh></hot><cold><name>water</name><tci>10.000</tci><tco>30.000</tco><mc>2.000</mc>"
           "</cold><heatx><name>plate</name><Uo>0.250</Uo><Ao>3.000</Ao></heatx><duty><Q>50.000"
           "</Q>" +
           extra + "</duty></datafile>";
}

QString OpenError(const QString& path)
{
    try {
        TCaseFile::Read(path);
    } catch (const std::runtime_error& error) {
        return QString::fromUtf8(error.what());
    }
    return QStringLiteral("(read without an error)");
}

QString SaveError(const QString& path)
{
    try {
        TCaseFile::Write(path, SolvedInitialCase(), InitialCaseMask, "kelvane");
    } catch (const std::runtime_error& error) {
        return QString::fromUtf8(error.what());
    }
    return QStringLiteral("(written without an error)");
}

} // namespace

void NamedCaseFileTest::init()
{
    QVERIFY(m_folder.isValid());
    for (const QString& entry :
         QDir(m_folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries))
        QVERIFY(QDir(PathOf(entry)).removeRecursively() || QFile::remove(PathOf(entry)));
}

QString NamedCaseFileTest::PathOf(const QString& name) const
{
    return m_folder.filePath(name);
}

void NamedCaseFileTest::writtenFileIsTheSaveLayoutWithTheMask()
{
    const QString path = PathOf("initial.xml");
    TCaseFile::Write(path, SolvedInitialCase(), InitialCaseMask, "kelvane");
    QCOMPARE(ReadAll(path), SavedInitialCase(SolvedInitialCase(), "    <given mask=\"111\"/>\r\n"));
    // Writing again replaces the file; nothing is appended twice.
    TCaseFile::Write(path, SolvedInitialCase(), InitialCaseMask, "kelvane");
    QCOMPARE(ReadAll(path), SavedInitialCase(SolvedInitialCase(), "    <given mask=\"111\"/>\r\n"));
}

void NamedCaseFileTest::writtenCaseReadsBack_data()
{
    QTest::addColumn<int>("mask");
    QTest::addColumn<QString>("hotFluid");
    QTest::newRow("nothing given") << 0 << "air";
    QTest::newRow("LMTD method") << 219 << "oil";
    QTest::newRow("everything given") << 511 << "glycol & water <30 %>";
    QTest::newRow("a name beyond ASCII") << 111 << "Kältemittel R22 °C";
}

void NamedCaseFileTest::writtenCaseReadsBack()
{
    QFETCH(int, mask);
    QFETCH(QString, hotFluid);
    THx hx = SolvedInitialCase();
    hx.hotFluid = hotFluid;
    hx.coldFluid = "brine";
    hx.heatXType = "shell and tube";
    SetFields(hx, {{"thi", 120.25},
                   {"tho", -5.5},
                   {"mh", 0.0125},
                   {"tci", -20.0},
                   {"tco", 7.125},
                   {"mc", 999.5},
                   {"Uo", 2.5},
                   {"Ao", 0.75},
                   {"Q", 1234.5678}});
    const QString path = PathOf("case.xml");
    TCaseFile::Write(path, hx, mask, "kelvane");

    const TCaseFile file = TCaseFile::Read(path);
    QCOMPARE(file.mask, std::optional<int>(mask));
    QCOMPARE(file.hotFluid, hotFluid);
    QCOMPARE(file.coldFluid, QString("brine"));
    QCOMPARE(file.heatXType, QString("shell and tube"));
    THx read;
    file.GivenValuesInto(read);
    QStringList values;
    for (const char* name : {"thi", "tho", "mh", "tci", "tco", "mc", "Uo", "Ao", "Q"})
        values << Fixed3(FieldOf(read, name));
    // Three decimals, as every number of a case file.
    QCOMPARE(values, QStringList({"120.250", "-5.500", "0.013", "-20.000", "7.125", "999.500",
                                  "2.500", "0.750", "1234.568"}));
}

// Load (ReadCase) takes the nine values and passes over the mask.
void NamedCaseFileTest::loadReadsTheNineValuesOfANamedFile()
{
    const QString path = PathOf("named.xml");
    QVERIFY(WriteAll(path, CaseText("<given mask=\"219\"/>")));
    THx hx = SolvedInitialCase();
    TXMLNode root;
    TXMLFile xml(path, root, false);
    hx.ReadCase(xml, root);
    QCOMPARE(xml.ReadStatus(), rsNone);
    QCOMPARE(hx.thi, 80.0);
    QCOMPARE(hx.mc, 2.0);
    QCOMPARE(hx.Uo, 0.25);
    QCOMPARE(hx.Q, 50.0);
    QCOMPARE(hx.hotFluid, QString("air")); // names play no part in Load
}

// A case with allowances writes them in a group of their own, exactly; a file
// without the group, as every earlier one, has none, for Open and Load alike.
void NamedCaseFileTest::allowancesReadBackAndOldFilesHaveNone()
{
    THx hx = SolvedInitialCase();
    hx.Rfh = 0.000176;
    hx.Rfc = 8.8e-5;
    hx.margin = 12.5;
    hx.Solve(InitialCaseMask);
    const QString path = PathOf("fouled.xml");
    TCaseFile::Write(path, hx, InitialCaseMask, "kelvane");
    QVERIFY2(ReadAll(path).contains("<service>\r\n    <Rfh>0.000176</Rfh>\r\n"
                                    "    <Rfc>8.8e-05</Rfc>\r\n    <margin>12.5</margin>\r\n"),
             ReadAll(path).constData());
    const TCaseFile fouled = TCaseFile::Read(path);
    QCOMPARE(fouled.values[mbRfh], 0.000176);
    QCOMPARE(fouled.values[mbRfc], 8.8e-5);
    QCOMPARE(fouled.values[mbMargin], 12.5);

    const QString old = PathOf("old.xml");
    QVERIFY(WriteAll(old, CaseText()));
    const TCaseFile clean = TCaseFile::Read(old);
    for (const TMaskBit bit : {mbRfh, mbRfc, mbMargin})
        QCOMPARE(clean.values[bit], 0.0);
    TXMLNode root;
    TXMLFile xml(old, root, false);
    hx.ReadCase(xml, root);
    QVERIFY(!hx.HasAllowances());
}

void NamedCaseFileTest::fileWithoutMaskOrNamesGivesNone()
{
    const QString saved = PathOf("saved.xml");
    QVERIFY(WriteAll(saved, CaseText()));
    const TCaseFile file = TCaseFile::Read(saved);
    QCOMPARE(file.mask, std::nullopt);
    QCOMPARE(file.hotFluid, QString("oil"));
    QCOMPARE(file.values[0], 80.0);
    QCOMPARE(file.values[6], 0.25);

    const QString unnamed = PathOf("unnamed.xml");
    QByteArray text = CaseText();
    text.replace("<name>oil</name>", "").replace("<name>plate</name>", "<name></name>");
    QVERIFY(WriteAll(unnamed, text));
    const TCaseFile bare = TCaseFile::Read(unnamed);
    QCOMPARE(bare.hotFluid, QString());
    QCOMPARE(bare.heatXType, QString());
    QCOMPARE(bare.coldFluid, QString("water"));
}

void NamedCaseFileTest::unreadableFileGivesTheReason_data()
{
    QTest::addColumn<QByteArray>("content"); // a null array: no file; "folder": a folder
    QTest::addColumn<QString>("reason");
    QTest::newRow("no such file") << QByteArray() << "there is no such file";
    QTest::newRow("a folder") << QByteArray("folder") << "it is a folder, not a file";
    QTest::newRow("empty file") << QByteArray("") << "No document element found at offset 0";
    QTest::newRow("malformed XML")
        << QByteArray("<datafile><hot><thi>80.000</hot>") << "Start-end tags mismatch at offset 28";
    QTest::newRow("not a case file")
        << QByteArray("<html><body><p>thi</p></body></html>")
        << "it is not a case file: it holds none of the values thi, tho, mh, tci, tco, mc, Uo, "
           "Ao, Q";
    QTest::newRow("the case groups alone")
        << QByteArray("<datafile><hot/><cold/><heatx/><duty/></datafile>")
        << "it is not a case file: it holds none of the values thi, tho, mh, tci, tco, mc, Uo, "
           "Ao, Q";
    QByteArray noTco = CaseText();
    noTco.replace("<tco>30.000</tco>", "");
    QTest::newRow("a value missing") << noTco << "it holds no number for tco";
    QTest::newRow("a value that is not a number")
        << CaseText({}, "much") << "it holds no number for mh";
    QTest::newRow("an empty value") << CaseText({}, "") << "it holds no number for mh";
    QTest::newRow("an allowance that is not a number")
        << CaseText("</duty><service><Rfh>dirty</Rfh></service><duty>")
        << "it holds no number for Rfh";
    QTest::newRow("a mask that is not a number")
        << CaseText("<given mask=\"all\"/>")
        << "the mask of given values \"all\" is not a whole number from 0 to 511";
    QTest::newRow("a mask above nine bits")
        << CaseText("<given mask=\"512\"/>")
        << "the mask of given values \"512\" is not a whole number from 0 to 511";
    QTest::newRow("a negative mask")
        << CaseText("<given mask=\"-1\"/>")
        << "the mask of given values \"-1\" is not a whole number from 0 to 511";
    QTest::newRow("a given element without its mask")
        << CaseText("<given/>")
        << "the mask of given values \"\" is not a whole number from 0 to 511";
}

void NamedCaseFileTest::unreadableFileGivesTheReason()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    const QString path = PathOf("bad.xml");
    if (content == "folder")
        QVERIFY(QDir().mkpath(path));
    else if (!content.isNull())
        QVERIFY(WriteAll(path, content));
    QCOMPARE(OpenError(path), QString("Cannot open \"%1\": %2").arg(path, reason));
}

// Files that are not case files to read whole: each refused before it is
// read, or read within the limits. "fifo" makes a named pipe (opened, it would
// wait for a writer); "/dev/zero" is read as it is (it never ends); otherwise
// the content is written `size` bytes long: padded with spaces up to the
// limit, with holes beyond it.
void NamedCaseFileTest::hostileFileIsRefusedUnread_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QString>("reason"); // empty: read without an error
    const qint64 limit = TXMLFile::MaxFileSize;
    const QString tooLarge = "it is larger than the limit of 1 MB (1048576 bytes)";
    QTest::newRow("a named pipe") << QByteArray("fifo") << qint64(0)
                                  << "it is a named pipe (FIFO), not a file";
    QTest::newRow("a device") << QByteArray("/dev/zero") << qint64(0)
                              << "it is a device, not a file";
    // Spaces after the document element are allowed.
    QTest::newRow("at the size limit") << CaseText() << limit << QString();
    QTest::newRow("just over the size limit") << CaseText() << limit + 1 << tooLarge;
    QTest::newRow("far over the size limit") << CaseText() << 200 * limit << tooLarge;
    const QByteArray longMask(100000, '7');
    QTest::newRow("a mask of 100 kB")
        << CaseText("<given mask=\"" + longMask + "\"/>") << qint64(0)
        << "the mask of given values \"" + QString(80, u'7') + QChar(0x2026) +
               "\" is not a whole number from 0 to 511";
    QTest::newRow("a mask of 80 characters")
        << CaseText("<given mask=\"" + longMask.first(80) + "\"/>") << qint64(0)
        << "the mask of given values \"" + QString(80, u'7') +
               "\" is not a whole number from 0 to 511";
    QTest::newRow("a number of 401 characters")
        << CaseText({}, QByteArray(398, '0') + "1.5") << qint64(0) << "it holds no number for mh";
}

void NamedCaseFileTest::hostileFileIsRefusedUnread()
{
    QFETCH(QByteArray, content);
    QFETCH(qint64, size);
    QFETCH(QString, reason);
    QString path = PathOf("hostile.xml");
    // Not left for the next row to write into: a named pipe would wait for a reader.
    const auto removeFile = qScopeGuard([path] { QFile::remove(path); });
    if (content == "fifo") {
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (content.startsWith("/dev/")) {
        path = QString::fromLatin1(content);
    } else if (size <= TXMLFile::MaxFileSize) {
        QVERIFY(WriteAll(path, content + QByteArray(qMax(size - content.size(), 0), ' ')));
    } else {
        QVERIFY(WriteAll(path, content));
        QVERIFY(QFile::resize(path, size));
    }
    if (reason.isEmpty())
        QCOMPARE(OpenError(path), QStringLiteral("(read without an error)"));
    else
        QCOMPARE(OpenError(path), QString("Cannot open \"%1\": %2").arg(path, reason));
}

void NamedCaseFileTest::failedWriteGivesTheReasonAndKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("diskFull");
    QTest::addColumn<QString>("reason");
    QTest::newRow("full disk") << "case.xml" << true << "File too large";
    QTest::newRow("a folder where the file belongs") << "folder.xml" << false << "Is a directory";
    QTest::newRow("a folder that does not exist")
        << "missing/case.xml" << false << "No such file or directory";
}

void NamedCaseFileTest::failedWriteGivesTheReasonAndKeepsTheOldFile()
{
    QFETCH(QString, name);
    QFETCH(bool, diskFull);
    QFETCH(QString, reason);
    const QByteArray old = CaseText();
    QVERIFY(WriteAll(PathOf("case.xml"), old));
    QVERIFY(QDir().mkpath(PathOf("folder.xml")));
    const QStringList before =
        QDir(m_folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    const QString path = PathOf(name);
    QString error;
    {
        TFileSizeLimit limit(diskFull ? 64 : RLIM_INFINITY);
        error = SaveError(path);
    }
    QCOMPARE(error, QString("Cannot save \"%1\": %2").arg(path, reason));
    QCOMPARE(ReadAll(PathOf("case.xml")), old);
    QCOMPARE(QDir(m_folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), before);
}

// A file the user may not read, and a folder the user may not write to.
void NamedCaseFileTest::refusedPermissionsGiveTheReason()
{
    const QString path = PathOf("private.xml");
    QVERIFY(WriteAll(path, CaseText()));
    const QString folder = PathOf("readonly");
    QVERIFY(QDir().mkpath(folder));
    const auto restore = qScopeGuard([&] {
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    QVERIFY(QFile::setPermissions(path, QFile::WriteOwner));
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    if (QFile probe(path); probe.open(QIODevice::ReadOnly))
        QSKIP("This user reads and writes whatever the permissions say (root).");

    QCOMPARE(OpenError(path), QString("Cannot open \"%1\": Permission denied").arg(path));
    const QString target = folder + "/case.xml";
    QCOMPARE(SaveError(target), QString("Cannot save \"%1\": Permission denied").arg(target));
    QVERIFY(!QFile::exists(target));
}
