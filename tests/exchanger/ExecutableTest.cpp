#include "ExecutableTest.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

namespace {

struct TResult
{
    int code = -1;
    QString out;
    QString err;
};

TResult RunProgram(const QString& program, const QStringList& arguments,
                   const QByteArray& input = {})
{
    QProcess process;
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
