#include "IniFileTest.h"

#include "FileSizeLimit.h"
#include "IniFile.h"
#include "SizeLimitFiles.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTest>
#include <cmath>
#include <limits>
#include <sys/stat.h>

namespace {

const QByteArray Table = "; fluids of the test\n"
                         "[water]\n"
                         "cp=4.18\n"
                         "rho=1000\n"
                         "\n"
                         "[air]\n"
                         "rho=1.2\n"
                         "cp=1.005\n"
                         "\n"
                         "[Oil]\n"
                         "cp = 2.0 \n";

} // namespace

void IniFileTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QString IniFileTest::WriteFile(const QString& name, const QByteArray& content)
{
    const QString path = m_dir->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) {
        qFatal("cannot write %s", qPrintable(path));
    }
    return path;
}

void IniFileTest::missingFileReadsAsEmpty()
{
    const TIniFile ini(m_dir->filePath("none.ini"));
    QVERIFY(ini.Sections().isEmpty());
    QVERIFY(!ini.SectionExists("water"));
    QCOMPARE(ini.ReadString("water", "name", "dflt"), QString("dflt"));
    QCOMPARE(ini.ReadInteger("water", "n", 7), 7);
    QCOMPARE(ini.ReadFloat("water", "cp", 1.0), 1.0);
    QVERIFY(!QFile::exists(m_dir->filePath("none.ini")));
}

void IniFileTest::sectionsAndKeysComeInFileOrder()
{
    const TIniFile ini(WriteFile("fluids.ini", "top=1\n" + Table));
    QCOMPARE(ini.Sections(), QStringList({"water", "air", "Oil"}));
    QCOMPARE(ini.Keys("water"), QStringList({"cp", "rho"}));
    QCOMPARE(ini.Keys("air"), QStringList({"rho", "cp"}));
    QVERIFY(ini.Keys("steam").isEmpty());
}

void IniFileTest::namesMatchWithoutLetterCase()
{
    const TIniFile ini(WriteFile("fluids.ini", Table));
    QVERIFY(ini.SectionExists("WATER"));
    QVERIFY(ini.KeyExists("oil", "CP"));
    QCOMPARE(ini.ReadString("OIL", "Cp", ""), QString("2.0"));
}

// Every section and key that the file lists can be looked up under the listed
// name, and a byte order mark inside a name or value is part of it, not dropped.
// (Expected texts holding U+FEFF are QStringLiteral: decoding a char literal
// would drop the mark there too.)
void IniFileTest::listedNamesAndValuesReadBack_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("sections");
    QTest::addColumn<QString>("firstValue");
    QTest::newRow("plain names") << QByteArray("[R22]\nInternalNumber=21\n") << QStringList{"R22"}
                                 << QString("21");
    QTest::newRow("byte order mark at the start of the file is no part of a name")
        << QByteArray("\xef\xbb\xbf[R22]\nInternalNumber=21\n") << QStringList{"R22"}
        << QString("21");
    QTest::newRow("byte order mark starting a section name")
        << QByteArray("[\xef\xbb\xbfR22]\nInternalNumber=21\n")
        << QStringList{QStringLiteral("\uFEFFR22")} << QString("21");
    QTest::newRow("byte order mark starting a key and a value")
        << QByteArray("[R22]\n\xef\xbb\xbfInternalNumber=\xef\xbb\xbf"
                      "21\n")
        << QStringList{"R22"} << QStringLiteral("\uFEFF21");
    // The input the INI fuzz target first failed on; reading stops at the first NUL.
    QTest::newRow("fuzz finding: marked section before one cut by NUL bytes")
        << QByteArray("[\xef\xbb\xbfR22]\nInternalNumber=21\nRNumbe3\n\n[R134a]\0\0\0\0\0\0\0"
                      "~lNumber=135h134\n",
                      67)
        << QStringList{QStringLiteral("\uFEFFR22"), "R134a"} << QString("21");
}

void IniFileTest::listedNamesAndValuesReadBack()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, sections);
    QFETCH(QString, firstValue);
    const TIniFile ini(WriteFile("RefLib8.rdf", content));
    QCOMPARE(ini.Sections(), sections);
    for (const QString& section : sections) {
        QVERIFY2(ini.SectionExists(section), qPrintable(section));
        for (const QString& key : ini.Keys(section))
            QVERIFY2(ini.KeyExists(section, key), qPrintable(section + '/' + key));
    }
    const QString firstKey = ini.Keys(sections.first()).value(0);
    QCOMPARE(ini.ReadString(sections.first(), firstKey, "missing"), firstValue);
}

// Files made by Windows programs hold 8-bit Windows-1252 text; any byte that
// does not fit UTF-8 makes the whole file read that way.
void IniFileTest::textEncodingOfTheFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("value"); // of the section's key "k"
    QTest::newRow("Windows-1252 degree sign in a section name")
        << QByteArray("[glycol \xb0"
                      "C]\nk=3.5\n")
        << QString("glycol °C") << QString("3.5");
    QTest::newRow("Windows-1252 euro sign, quotes and dash in a value")
        << QByteArray("[s]\nk=\x80 \x93x\x94 \x96\n") << QString("s") << QString("€ “x” –");
    QTest::newRow("Windows-1252 byte the code page leaves undefined")
        << QByteArray("[s]\nk=a\x81\n") << QString("s") << QStringLiteral("a\u0081");
    QTest::newRow("UTF-8 degree sign") << QByteArray("[glycol \xc2\xb0"
                                                     "C]\nk=3.5\n")
                                       << QString("glycol °C") << QString("3.5");
    QTest::newRow("one stray byte makes all of the file Windows-1252")
        << QByteArray("[\xc2\xb0]\nk=\xb0\n") << QString("Â°") << QString("°");
}

void IniFileTest::textEncodingOfTheFile()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, value);
    const TIniFile ini(WriteFile("fluids.ini", content));
    QCOMPARE(ini.Sections(), QStringList{section});
    QCOMPARE(ini.ReadString(section, "k", "missing"), value);
}

// As with the desktop's INI functions the first of a repeated section or key
// is the one read; nothing of a repeated section is merged into the first.
void IniFileTest::firstOfRepeatedNamesCounts_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("sections");
    QTest::addColumn<QStringList>("waterKeys");
    QTest::addColumn<QString>("waterCp");
    QTest::newRow("repeated section")
        << QByteArray("[water]\ncp=4.18\n[air]\ncp=1.0\n[water]\ncp=9\nrho=1000\n")
        << QStringList{"water", "air"} << QStringList{"cp"} << QString("4.18");
    QTest::newRow("repeated key") << QByteArray("[water]\ncp=4.18\nrho=1000\ncp=9\n")
                                  << QStringList{"water"} << QStringList{"cp", "rho"}
                                  << QString("4.18");
    QTest::newRow("repeats in other letter case and blanks")
        << QByteArray("[water]\nCP = 4.18\n  [ WATER ]  \ncp=9\n[air]\ncp=1\nCp=2\n")
        << QStringList{"water", "air"} << QStringList{"CP"} << QString("4.18");
    QTest::newRow("repeated key in a repeated section")
        << QByteArray("[water]\r\ncp=4.18\r\n[water]\r\ncp=9\r\ncp=10\r\n") << QStringList{"water"}
        << QStringList{"cp"} << QString("4.18");
    QTest::newRow("comments and skipped lines name nothing")
        << QByteArray("[water]\n;cp=1\n#cp=2\n[water\ncp=4.18\n=cp\ncp=9\n") << QStringList{"water"}
        << QStringList{"cp"} << QString("4.18");
    QTest::newRow("Windows-1252 names")
        << QByteArray("[water]\ncp=4.18\n[w\xe4rme]\nk=1\n[W\xe4rme]\nk=2\n")
        << QStringList{"water", "wärme"} << QStringList{"cp"} << QString("4.18");
}

void IniFileTest::firstOfRepeatedNamesCounts()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, sections);
    QFETCH(QStringList, waterKeys);
    QFETCH(QString, waterCp);
    const TIniFile ini(WriteFile("fluids.ini", content));
    QCOMPARE(ini.Sections(), sections);
    QCOMPARE(ini.Keys("water"), waterKeys);
    QCOMPARE(ini.ReadString("water", "cp", "missing"), waterCp);
    QCOMPARE(ini.KeyExists("water", "rho"), waterKeys.contains("rho"));
}

void IniFileTest::readInteger_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("number") << QByteArray("42") << 42;
    QTest::newRow("negative") << QByteArray("-3") << -3;
    QTest::newRow("blanks around") << QByteArray("  12  ") << 12;
    QTest::newRow("fraction gives the default") << QByteArray("4.5") << -1;
    QTest::newRow("word gives the default") << QByteArray("abc") << -1;
    QTest::newRow("empty gives the default") << QByteArray("") << -1;
    QTest::newRow("beyond 32 bits gives the default") << QByteArray("4294967296") << -1;
}

void IniFileTest::readInteger()
{
    QFETCH(QByteArray, text);
    QFETCH(int, expected);
    const TIniFile ini(WriteFile("t.ini", "[s]\nk=" + text + "\n"));
    QCOMPARE(ini.ReadInteger("s", "k", -1), expected);
}

void IniFileTest::readFloat_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("point decimal") << QByteArray("4.18") << 4.18;
    QTest::newRow("exponent") << QByteArray("1.5e3") << 1500.0;
    QTest::newRow("integer") << QByteArray("20") << 20.0;
    QTest::newRow("comma decimal gives the default") << QByteArray("4,18") << -1.0;
    QTest::newRow("word gives the default") << QByteArray("warm") << -1.0;
    QTest::newRow("empty gives the default") << QByteArray("") << -1.0;
    QTest::newRow("trailing junk gives the default") << QByteArray("3.5kg") << -1.0;
}

void IniFileTest::readFloat()
{
    QFETCH(QByteArray, text);
    QFETCH(double, expected);
    const TIniFile ini(WriteFile("t.ini", "[s]\nk=" + text + "\n"));
    QCOMPARE(ini.ReadFloat("s", "k", -1.0), expected);
    QCOMPARE(ini.ReadFloat("s", "missing", -1.0), -1.0);
}

void IniFileTest::readFloatIgnoresTheLocale()
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const TIniFile ini(WriteFile("t.ini", "[s]\nk=2.5\n"));
    const double value = ini.ReadFloat("s", "k", 0.0);
    QLocale::setDefault(previous);
    QCOMPARE(value, 2.5);
}

void IniFileTest::writtenValuesReadBack()
{
    const QString path = m_dir->filePath("new.ini");
    const double awkward = 0.1 + 0.2;
    {
        TIniFile ini(path);
        ini.WriteString("Units", "name", "kJ/(kg·K)");
        ini.WriteInteger("Units", "count", -75);
        ini.WriteFloat("Units", "factor", awkward);
        ini.WriteFloat("Units", "big", 1e300);
        ini.UpdateFile();
    }
    const TIniFile ini(path);
    QCOMPARE(ini.ReadString("Units", "name", ""), QString("kJ/(kg·K)"));
    QCOMPARE(ini.ReadInteger("Units", "count", 0), -75);
    QCOMPARE(ini.ReadFloat("Units", "factor", 0.0), awkward);
    QCOMPARE(ini.ReadFloat("Units", "big", 0.0), 1e300);
    QCOMPARE(ini.Keys("Units"), QStringList({"name", "count", "factor", "big"}));
}

void IniFileTest::updateKeepsEverythingElse()
{
    const QString path = WriteFile("units.ini", Table);
    {
        TIniFile ini(path);
        ini.WriteString("air", "cp", "1.01");
        ini.WriteInteger("Temperature", "Units", 2);
        ini.UpdateFile();
    }
    const QByteArray text = ReadAll(path);
    QVERIFY2(text.contains("; fluids of the test"), text.constData());
    const TIniFile ini(path);
    QCOMPARE(ini.Sections(), QStringList({"water", "air", "Oil", "Temperature"}));
    QCOMPARE(ini.ReadString("water", "cp", ""), QString("4.18"));
    QCOMPARE(ini.ReadString("water", "rho", ""), QString("1000"));
    QCOMPARE(ini.ReadString("air", "rho", ""), QString("1.2"));
    QCOMPARE(ini.ReadString("air", "cp", ""), QString("1.01"));
    QCOMPARE(ini.ReadString("Oil", "cp", ""), QString("2.0"));
    QCOMPARE(ini.ReadInteger("Temperature", "Units", 0), 2);
}

void IniFileTest::updateWritesUtf8()
{
    const QString path = m_dir->filePath("u.ini");
    TIniFile ini(path);
    ini.WriteString("Temperature", "Label", "°C");
    ini.UpdateFile();
    QVERIFY(ReadAll(path).contains("Label=\xc2\xb0"
                                   "C"));
}

// A Windows-1252 file stays Windows-1252, so the Windows programs that share
// it read it as before; a text the code page lacks makes it UTF-8, which
// loses nothing. Repeats that were not read are not written back either.
void IniFileTest::updateKeepsWhatWasRead_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("written");      // to [glycol °C] cp
    QTest::addColumn<QByteArrayList>("lines"); // of the file afterwards, blank ones left out
    const QByteArray windows = "[glycol \xb0"
                               "C]\r\ncp=3.5\r\n[Other]\r\nLabel=\xb0"
                               "F\r\n";
    QTest::newRow("Windows-1252 unchanged") << windows << QString()
                                            << QByteArrayList{"[glycol \xb0"
                                                              "C]\r",
                                                              "cp=3.5\r", "[Other]\r",
                                                              "Label=\xb0"
                                                              "F\r"};
    QTest::newRow("Windows-1252 with a new value") << windows << QString("3.6")
                                                   << QByteArrayList{"[glycol \xb0"
                                                                     "C]",
                                                                     "cp=3.6", "[Other]",
                                                                     "Label=\xb0"
                                                                     "F"};
    QTest::newRow("Windows-1252 with a text the code page lacks")
        << windows << QString("3.6 ≈")
        << QByteArrayList{"[glycol \xc2\xb0"
                          "C]",
                          "cp=3.6 \xe2\x89\x88", "[Other]",
                          "Label=\xc2\xb0"
                          "F"};
    QTest::newRow("UTF-8 with a new value") << QByteArray("[glycol \xc2\xb0"
                                                          "C]\ncp=3.5\n")
                                            << QString("3.6")
                                            << QByteArrayList{"[glycol \xc2\xb0"
                                                              "C]",
                                                              "cp=3.6"};
    QTest::newRow("repeats left out") << QByteArray("[glycol \xb0"
                                                    "C]\ncp=3.5\ncp=1\n[glycol \xb0"
                                                    "C]\nrho=2\n")
                                      << QString("3.6")
                                      << QByteArrayList{"[glycol \xb0"
                                                        "C]",
                                                        "cp=3.6"};
}

void IniFileTest::updateKeepsWhatWasRead()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, written);
    QFETCH(QByteArrayList, lines);
    const QString path = WriteFile("units.ini", content);
    const ino_t id = FileId(path);
    TIniFile ini(path);
    if (!written.isNull()) {
        ini.WriteString("glycol °C", "cp", written);
    }
    ini.UpdateFile();
    QByteArrayList fileLines = ReadAll(path).split('\n');
    fileLines.removeAll(QByteArray());
    QCOMPARE(fileLines, lines);
    QCOMPARE(FileId(path) == id, written.isNull());
    QCOMPARE(TIniFile(path).ReadString("glycol °C", "cp", "missing"),
             written.isNull() ? QString("3.5") : written);
}

void IniFileTest::updateOfAnUnchangedFileLeavesIt_data()
{
    QTest::addColumn<QString>("value"); // written to [water] cp, which holds 4.18
    QTest::addColumn<bool>("rewritten");
    QTest::newRow("nothing written") << QString() << false;
    QTest::newRow("the same value written") << "4.18" << false;
    QTest::newRow("a new value") << "4.19" << true;
}

void IniFileTest::updateOfAnUnchangedFileLeavesIt()
{
    QFETCH(QString, value);
    QFETCH(bool, rewritten);
    const QString path = m_dir->filePath("units.ini");
    {
        TIniFile ini(path);
        ini.WriteString("water", "cp", "4.18");
        ini.WriteInteger("Temperature", "Units", 2);
        ini.UpdateFile();
    }
    const QByteArray before = ReadAll(path);
    const ino_t id = FileId(path);

    TIniFile ini(path);
    if (!value.isNull()) {
        ini.WriteString("water", "cp", value);
    }
    ini.UpdateFile();

    QCOMPARE(FileId(path) != id, rewritten);
    QCOMPARE(ReadAll(path) != before, rewritten);
    QCOMPARE(TIniFile(path).ReadString("water", "cp", ""), value.isNull() ? "4.18" : value);
}

void IniFileTest::failedUpdateThrowsAndKeepsTheFile_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<bool>("diskFull");
    QTest::addColumn<int>("length");
    QTest::newRow("missing folder") << "no/such/folder/units.ini" << false << 20000;
    QTest::newRow("folder below a file") << "plain.txt/units.ini" << false << 20000;
    QTest::newRow("a folder in the way") << "busy" << false << 20000;
    QTest::newRow("full disk") << "plain.txt" << true << 20000;
    // Short enough for Qt's write buffer, where a cut-off write once went unseen.
    QTest::newRow("full disk on a short file") << "plain.txt" << true << 1000;
}

void IniFileTest::failedUpdateThrowsAndKeepsTheFile()
{
    QFETCH(QString, relativePath);
    QFETCH(bool, diskFull);
    QFETCH(int, length);
    WriteFile("plain.txt", "keep me");
    QVERIFY(QDir(m_dir->path()).mkpath("busy"));
    const QString path = m_dir->filePath(relativePath);

    TIniFile ini(path);
    ini.WriteString("s", "k", QString(length, u'x'));
    TFileSizeLimit limit(diskFull ? rlim_t(length / 4) : RLIM_INFINITY);
    try {
        ini.UpdateFile();
        QFAIL("UpdateFile did not throw");
    } catch (const std::runtime_error& error) {
        QVERIFY2(QString::fromUtf8(error.what()).contains(path), error.what());
    }
    QCOMPARE(ReadAll(m_dir->filePath("plain.txt")), QByteArray("keep me"));
    QVERIFY(QFileInfo(m_dir->filePath("busy")).isDir());
}

// A table over the size limit, or no regular file, is not read (a named pipe
// would wait for a writer, a large file cost its size many times over): it
// reads as empty, says why, and an update leaves it as it was.
void IniFileTest::fileThatCannotBeReadIsEmptyAndKept_data()
{
    AddSizeLimitRows(TIniFile::MaxFileSize);
}

void IniFileTest::fileThatCannotBeReadIsEmptyAndKept()
{
    QFETCH(QString, kind);
    QFETCH(qint64, size);
    QFETCH(QString, refusal);
    // A section, then a comment to the size.
    const QByteArray section = "[water]\ncp=4.19\n;";
    const QString path = m_dir->filePath("table.ini");
    QVERIFY(MakeEntry(path, kind, section, size, 'x', TIniFile::MaxFileSize));
    TIniFile ini(path);
    QCOMPARE(ini.LoadError(), refusal);
    QCOMPARE(ini.Sections(), refusal.isEmpty() ? QStringList{"water"} : QStringList());
    if (refusal.isEmpty())
        return;
    ini.WriteString("oil", "cp", "1.9");
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, ini.UpdateFile());
    QCOMPARE(QFileInfo(path).isFile(), kind == "file");
    if (kind == "file") {
        QCOMPARE(QFileInfo(path).size(), size);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(section.size()), section);
    }
}
