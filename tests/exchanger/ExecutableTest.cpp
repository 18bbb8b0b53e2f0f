#include "ExecutableTest.h"

#include "TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct TResult
{
    int code = -1;
    QString out;
    QString err;
};

TResult
RunProgram(const QString& program, const QStringList& arguments, const QByteArray& input = {},
           const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForStarted())
        qFatal("cannot start %s", qPrintable(program));
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000))
        qFatal("%s did not finish", qPrintable(program));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

const QStringList initialCase = {"--solve", "0",   "35", "12", "1",  "1",      "6",
                                 "13",      "0.8", "0",  "37", "38", "23.529", "111"};

// The initial case with one value replaced: `index` 1 is HOT ... 13 is MASK.
QStringList WithValue(int index, const QString& value)
{
    QStringList arguments = initialCase;
    arguments[index] = value;
    return arguments;
}

} // namespace

void ExecutableTest::initTestCase()
{
    m_program = QDir(qEnvironmentVariable("KELVANE_PROGRAM_DIR")).filePath("kelvane");
    QVERIFY2(QFileInfo(m_program).isExecutable(), qPrintable(m_program));
}

void ExecutableTest::solvesTheInitialCase()
{
    const TResult result = RunProgram(m_program, initialCase);
    QCOMPARE(result.code, 0);
    QCOMPARE(result.err, QString());
    for (const char* line : {"Hot fluid: air", "Cold fluid: water", "Duty: Hot fluid specified",
                             "Q = 23.529 kW", "tco = 13.014 °C", "lmtd = 12.310 °C", "e = 0.793",
                             "Ntu = 1.868", "Ao = 51.660 m²", "e Qmax = 23.529 kW"})
        QVERIFY2(result.out.contains(QString::fromUtf8(line) + u'\n'), line);
}

void ExecutableTest::exitCodes_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("code");
    QStringList noSolution = initialCase;
    noSolution[3] = "35";
    noSolution[13] = "259";
    QTest::newRow("help") << QStringList{"--help"} << 0;
    QTest::newRow("no solution") << noSolution << 1;
    QTest::newRow("bad arguments") << QStringList{"--solve", "1", "2"} << 2;
    QTest::newRow("unknown option") << QStringList{"--solve", "--frobnicate"} << 2;
}

void ExecutableTest::exitCodes()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    const TResult result = RunProgram(m_program, arguments);
    QCOMPARE(result.code, code);
    QCOMPARE(result.err.isEmpty(), code == 0);
}

void ExecutableTest::versionIsTheBuildVersion()
{
    const TResult result = RunProgram(m_program, {"--version"});
    QCOMPARE(result.code, 0);
    QCOMPARE(result.out, QStringLiteral("Kelvane " KELVANE_VERSION "\n"));
}

void ExecutableTest::batchFromStandardInput()
{
    const TResult result = RunProgram(m_program, {"--batch"},
                                      "Kelvane,0,35,12,1,1,6,13,0.8,0,37,38,23.529,111\n"
                                      "Kelvane,0,35,35,1,1,6,13,0.8,0,37,38,23.529,259\n");
    QCOMPARE(result.code, 0);
    const QStringList rows = result.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(rows.size(), 3);
    QVERIFY(
        rows[1].startsWith(QStringLiteral("Hot fluid specified,water,air,fin and tube,35,12,1,")));
    QVERIFY(rows[1].endsWith(QStringLiteral(",Solved")));
    QVERIFY(rows[2].endsWith(QStringLiteral(",No solution with this data... (Floating point "
                                            "division by zero)")));
}

// The window's images are built-in PNGs, read as such: no image format plugin
// is loaded at start-up to guess a format. The dynamic loader lists every
// library it starts.
void ExecutableTest::windowStartLoadsNoImagePlugin()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LD_DEBUG", "libs");
    const TResult result = RunProgram(m_program, {"--quit-after-start"}, {}, environment);
    QCOMPARE(result.code, 0);
    QVERIFY2(result.err.contains("/platforms/"), "the loader listed no plugin at all");
    QVERIFY2(!result.err.contains("/imageformats/"), "an image format plugin was loaded");
}

void ExecutableTest::badInput_data()
{
    // The program folder's tables: shipped, or one of them missing or empty.
    QTest::addColumn<QString>("tables");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("output"); // a line of standard output, or of errors for code 2
    const QString thiNotANumber = "kelvane: --solve: THI (value 2): '%1' is not a valid floating "
                                  "point value";
    const auto number = [&](const char* tag, const QString& text) {
        QTest::newRow(tag) << "shipped" << WithValue(2, text) << QByteArray() << 2
                           << thiNotANumber.arg(text);
    };
    number("a word for a number", "x");
    number("an empty value", "");
    number("a decimal comma", "35,5");
    number("not a number", "nan");
    number("infinity", "inf");
    number("beyond the largest double", "1e999");
    QTest::newRow("the largest double solves")
        << "shipped" << WithValue(2, "1e308") << QByteArray() << 0 << "Duty: Hot fluid specified";
    QTest::newRow("fluid index out of the table")
        << "shipped" << WithValue(1, "99") << QByteArray() << 2
        << "kelvane: --solve: HOT (value 1): 99 is not an entry of the fluid table (entries 0 to "
           "18)";
    QTest::newRow("fluid index beyond 32 bits")
        << "shipped" << WithValue(1, "99999999999") << QByteArray() << 2
        << "kelvane: --solve: HOT (value 1): '99999999999' is not a valid integer value";
    QTest::newRow("negative type index")
        << "shipped" << WithValue(9, "-1") << QByteArray() << 2
        << "kelvane: --solve: TYPE (value 9): -1 is not an entry of the exchanger type table "
           "(entries 0 to 10)";
    QTest::newRow("mask as a number with decimals")
        << "shipped" << WithValue(13, "111.5") << QByteArray() << 2
        << "kelvane: --solve: MASK (value 13): '111.5' is not a valid integer value";
    QTest::newRow("12 values") << "shipped" << initialCase.mid(0, 13) << QByteArray() << 2
                               << "kelvane: --solve: expected 13 values but found 12";
    QTest::newRow("14 values") << "shipped" << (initialCase + QStringList{"5"}) << QByteArray() << 2
                               << "kelvane: --solve: expected 13 values but found 14";
    QTest::newRow("unknown option")
        << "shipped" << QStringList{"--solve", "--frobnicate"} << QByteArray() << 2
        << "kelvane: unknown option '--frobnicate'";
    QTest::newRow("batch file that does not exist")
        << "shipped" << QStringList{"--batch", "/no/such/file"} << QByteArray() << 2
        << "kelvane: cannot open '/no/such/file': No such file or directory";
    QTest::newRow("batch of garbage lines")
        << "shipped" << QStringList{"--batch"}
        << QByteArray("garbage\n\x01\x02\xff\xfe\nKelvane,0,35\n"
                      "Kelvane,0,nan,12,1,1,6,13,0.8,0,37,38,23.529,111\n")
        << 0 << ",,,,,,,,,,,,,,,,,,,,,,,,,,,expected 13 values after the tag but found 2";
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary += char((i * 131 + 7) % 256);
    QTest::newRow("batch of binary bytes")
        << "shipped" << QStringList{"--batch"} << binary << 0
        << ",,,,,,,,,,,,,,,,,,,,,,,,,,,\"not a case line: it must start with \"\"Kelvane,\"\"\"";
    const QString emptyFluids =
        "kelvane: --solve: HOT (value 1): 0 is not an entry of the fluid table (it is empty)";
    const QString emptyTypes = "kelvane: --solve: TYPE (value 9): 0 is not an entry of the "
                               "exchanger type table (it is empty)";
    QTest::newRow("no fluids.ini")
        << "no fluids.ini" << initialCase << QByteArray() << 2 << emptyFluids;
    QTest::newRow("empty fluids.ini")
        << "empty fluids.ini" << initialCase << QByteArray() << 2 << emptyFluids;
    QTest::newRow("no heatxtype.ini")
        << "no heatxtype.ini" << initialCase << QByteArray() << 2 << emptyTypes;
    QTest::newRow("empty heatxtype.ini")
        << "empty heatxtype.ini" << initialCase << QByteArray() << 2 << emptyTypes;
}

void ExecutableTest::badInput()
{
    QFETCH(QString, tables);
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(int, code);
    QFETCH(QString, output);
    ++m_inputsTried;
    // A program folder of its own, holding a case file and settings to keep.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString shipped = QFileInfo(m_program).path();
    const QString program = dir.filePath("kelvane");
    QVERIFY(QFile::copy(m_program, program));
    for (const QString table : {"fluids.ini", "heatxtype.ini"}) {
        if (tables == "no " + table)
            continue;
        const bool copied = tables == "empty " + table
                                ? WriteAll(dir.filePath(table), {})
                                : QFile::copy(shipped + "/" + table, dir.filePath(table));
        QVERIFY(copied);
    }
    const QByteArray caseFile = "<datafile><duty><Q>10.000</Q></duty></datafile>";
    const QByteArray settings = "[HotFluid]\nindex=2\n";
    QVERIFY(WriteAll(dir.filePath("sample.xml"), caseFile));
    QVERIFY(QDir().mkpath(dir.filePath("config/Marbleworth")));
    QVERIFY(WriteAll(dir.filePath("config/Marbleworth/kelvane.conf"), settings));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", dir.filePath("config"));

    const TResult result = RunProgram(program, arguments, input, environment);
    m_crashes += result.code < 0;
    const bool kept = ReadAll(dir.filePath("sample.xml")) == caseFile &&
                      ReadAll(dir.filePath("config/Marbleworth/kelvane.conf")) == settings;
    m_dataLost += !kept;
    QVERIFY2(result.code >= 0, "the program crashed");
    QVERIFY2(kept, "the case file or the settings changed");
    QCOMPARE(result.code, code);
    const QString text = code == 2 ? result.err : result.out;
    QVERIFY2(text.split(u'\n').contains(output), qPrintable(text.left(600)));
}

void ExecutableTest::cleanupTestCase()
{
    qInfo("Bad inputs against the executable: %d tried, %d crashes, %d data lost", m_inputsTried,
          m_crashes, m_dataLost);
}
