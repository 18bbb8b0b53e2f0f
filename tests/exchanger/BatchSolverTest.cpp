#include "BatchSolverTest.h"

#include "BatchSolver.h"
#include "CaseArguments.h"
#include "CaseInput.h"
#include "CsvWriter.h"
#include "HxTestSupport.h"
#include "LineReader.h"
#include "NumberParse.h"
#include "TestFiles.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <stdexcept>

namespace {

const QString DefaultLine = "Kelvane,0,35,13,1,1,5,11,0.895,0,37,41.8,22.506,111";

TLookupTables ShippedTables()
{
    return TLookupTables::LoadFrom(qEnvironmentVariable("KELVANE_PROGRAM_DIR"));
}

QStringList RunBatch(const QByteArray& input, const TLookupTables& tables = ShippedTables())
{
    QBuffer in;
    in.setData(input);
    in.open(QIODevice::ReadOnly);
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    TBatchSolver(tables).Run(in, out);
    QStringList rows = QString::fromUtf8(out.data()).split(u'\n');
    if (rows.last().isEmpty())
        rows.removeLast();
    return rows;
}

// Splits a CSV row without quoted fields.
QStringList Fields(const QString& row)
{
    return row.split(u',');
}

} // namespace

void BatchSolverTest::lineReader_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("chunkSize");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("lines in one chunk") << QByteArray("a\nbc\n") << 1024 << QStringList{"a", "bc"};
    QTest::newRow("last line without a line end")
        << QByteArray("a\nbc") << 1024 << QStringList{"a", "bc"};
    QTest::newRow("lines across chunks")
        << QByteArray("abc\ndefgh\nij\n") << 3 << QStringList{"abc", "defgh", "ij"};
    QTest::newRow("line longer than a chunk")
        << QByteArray(50, 'x') + "\ny" << 4 << QStringList{QString(50, u'x'), "y"};
    QTest::newRow("empty lines count") << QByteArray("\n\na\n") << 2 << QStringList{"", "", "a"};
    QTest::newRow("no input") << QByteArray() << 8 << QStringList{};
}

void BatchSolverTest::lineReader()
{
    QFETCH(QByteArray, input);
    QFETCH(int, chunkSize);
    QFETCH(QStringList, lines);
    QBuffer device(&input);
    device.open(QIODevice::ReadOnly);
    TLineReader reader(device, chunkSize);
    QStringList got;
    QByteArrayView line;
    while (reader.ReadLine(line))
        got << QString::fromUtf8(line);
    QCOMPARE(got, lines);
}

// Lines read under a line limit of 8 bytes and a skip limit of 32, through
// chunks of `chunkSize`: a dropped line shows as "<too long>", one that ended
// the input as "<abandoned>".
void BatchSolverTest::lineReaderDropsOverlongLines_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("chunkSize");
    QTest::addColumn<QStringList>("lines");
    const QByteArray atLimit(8, 'a');
    const QByteArray justOver(9, 'b');
    for (int chunkSize : {3, 8, 1024}) {
        const auto row = [chunkSize](const char* name) -> QTestData& {
            return QTest::addRow("%s, chunks of %d", name, chunkSize);
        };
        row("at the limit") << atLimit + "\n" + atLimit << chunkSize
                            << QStringList{atLimit, atLimit};
        row("just over the limit") << "x\n" + justOver + "\ny\n"
                                   << chunkSize << QStringList{"x", "<too long>", "y"};
        row("last line just over, no line end")
            << "x\n" + justOver << chunkSize << QStringList{"x", "<too long>"};
        row("far over, ending within the skip limit")
            << QByteArray(30, 'c') + "\nz" << chunkSize << QStringList{"<too long>", "z"};
        row("two over-long lines in a row") << justOver + "\n" + justOver + "\nz" << chunkSize
                                            << QStringList{"<too long>", "<too long>", "z"};
        row("no line end within the skip limit") << QByteArray(3000, 'd') + "\nz\n"
                                                 << chunkSize << QStringList{"<abandoned>"};
    }
}

void BatchSolverTest::lineReaderDropsOverlongLines()
{
    QFETCH(QByteArray, input);
    QFETCH(int, chunkSize);
    QFETCH(QStringList, lines);
    QBuffer device(&input);
    device.open(QIODevice::ReadOnly);
    TLineReader reader(device, chunkSize, 8, 32);
    QStringList got;
    QByteArrayView line;
    while (reader.ReadLine(line)) {
        QVERIFY(reader.LineTooLong() || !reader.Abandoned());
        if (reader.Abandoned())
            got << "<abandoned>";
        else if (reader.LineTooLong())
            got << "<too long>";
        else
            got << QString::fromUtf8(line);
        QVERIFY(line.size() <= 8);
    }
    QCOMPARE(got, lines);
}

// The status names the limit; the lines around the long one are solved.
void BatchSolverTest::overlongLineGetsAStatusAndTheBatchGoesOn()
{
    const QByteArray atLimit = DefaultLine.toUtf8() + QByteArray(65536 - DefaultLine.size(), ' ');
    const QStringList rows = RunBatch(DefaultLine.toUtf8() + "\n" + QByteArray(65537, 'K') + "\n" +
                                      atLimit + "\n" + DefaultLine.toUtf8());
    QCOMPARE(rows.size(), 5);
    QVERIFY(rows[1].endsWith(",Solved"));
    QCOMPARE(rows[2],
             QStringLiteral(",,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,line longer than 65536 bytes: "
                            "not a case line"));
    QVERIFY2(!rows[3].contains("longer than"), qPrintable(rows[3].right(80)));
    QVERIFY(rows[4].endsWith(",Solved"));
}

void BatchSolverTest::csvQuotesOnlyWhereNeeded()
{
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    {
        TCsvWriter csv(out);
        csv.AddText(QStringLiteral("plain text"));
        csv.AddText(QStringLiteral("a,b"));
        csv.AddText(QStringLiteral("say \"hi\""));
        csv.AddEmpty();
        csv.AddNumber(0.1);
        csv.AddNumber(-1e300);
        csv.EndRow();
        csv.AddNumber(2);
        csv.EndRow();
    }
    QCOMPARE(out.data(), QByteArray("plain text,\"a,b\",\"say \"\"hi\"\"\",,0.1,-1e+300\n2\n"));
}

void BatchSolverTest::csvNumbersAreTheRoundTripTexts()
{
    QList<double> values = {0.0,
                            -0.0,
                            1.0,
                            -2.5,
                            0.1,
                            23.528999999999996,
                            1e300,
                            -1e-300,
                            5e-324,
                            1.7976931348623157e308,
                            123456789012345680.0,
                            1e21,
                            1e-7};
    for (int i = 0; i < 2000; ++i)
        values << std::ldexp(std::sin(i * 1.618) * 3.7, (i % 200) - 100);
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    {
        TCsvWriter csv(out);
        for (double value : values) {
            csv.AddNumber(value);
            csv.EndRow();
        }
    }
    const QList<QByteArray> rows = out.data().split('\n');
    QCOMPARE(rows.size(), values.size() + 1);
    for (qsizetype i = 0; i < values.size(); ++i)
        QCOMPARE(QString::fromLatin1(rows[i]), FloatToRoundTripText(values[i]));
}

// Rows and fields far larger than the writer's buffer, and many rows that end
// just past a block boundary, come out whole and in order.
void BatchSolverTest::csvFieldsCrossBufferBoundariesWhole()
{
    const QString plainLong(200000, u'p');
    const QString quotedLong = QString(150000, u'q') + u',';
    QByteArray expected;
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    {
        TCsvWriter csv(out);
        for (int row = 0; row < 5000; ++row) {
            csv.AddNumber(row + 0.125);
            csv.AddText(QString(row % 37, u'x'));
            csv.EndRow();
            expected += QByteArray::number(row) + ".125," + QByteArray(row % 37, 'x') + '\n';
            if (row == 1234) {
                csv.AddText(plainLong);
                csv.AddText(quotedLong);
                csv.AddNumber(-2.2250738585072014e-308);
                csv.EndRow();
                expected += plainLong.toLatin1() + ",\"" + quotedLong.toLatin1() +
                            "\",-2.2250738585072014e-308\n";
            }
        }
    }
    QCOMPARE(out.data().size(), expected.size());
    QVERIFY(out.data() == expected);
}

void BatchSolverTest::csvRefusedWriteIsReported()
{
    QBuffer readOnly;
    readOnly.open(QIODevice::ReadOnly);
    TCsvWriter csv(readOnly);
    csv.AddNumber(1);
    csv.EndRow();
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, csv.Flush());
}

void BatchSolverTest::rowsMatchDirectSolvesExactly()
{
    const QString lmtdLine = "Kelvane,1,20,10,0.5,0,5,12,0.6,2,250,3,0,219";
    const QStringList rows = RunBatch((DefaultLine + '\n' + lmtdLine + '\n').toUtf8());
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows[0],
             QStringLiteral("method,coldFluid,hotFluid,heatXType,thi,tho,mh,cph,ch,tci,"
                            "tco,mc,cpc,cc,Uo,Ao,lmtd,cmax,cmin,itd,e,ntu,cr,Q,Qmax,"
                            "arrangement,F,Rfh,Rfc,margin,Us,Aclean,Areq,OD,findings,status"));
    const TLookupTables tables = ShippedTables();
    for (const QString& line : {DefaultLine, lmtdLine}) {
        THx hx = SolvedInitialCase();
        const TCaseArguments arguments = TCaseArguments::FromCaseLine(line);
        arguments.Input(tables).ApplyTo(hx);
        hx.Solve(arguments.mask);
        const QStringList fields = Fields(rows[line == DefaultLine ? 1 : 2]);
        QCOMPARE(fields.size(), 36);
        QCOMPARE(fields[34], QString()); // no findings
        QCOMPARE(fields[0], MethodName(hx.method));
        QCOMPARE(fields[1], hx.coldFluid);
        QCOMPARE(fields[2], hx.hotFluid);
        QCOMPARE(fields[3], hx.heatXType);
        for (std::size_t i = 0; i < std::size(HxNumberFields); ++i)
            QVERIFY2(StrToFloat(fields[4 + qsizetype(i)]) == hx.*HxNumberFields[i].member,
                     HxNumberFields[i].name);
        QCOMPARE(fields[25], QStringLiteral("counter-flow"));
        QCOMPARE(fields[26], QStringLiteral("1"));
        for (std::size_t i = 0; i < std::size(HxAllowanceFields); ++i)
            QVERIFY2(StrToFloat(fields[27 + qsizetype(i)]) == hx.*HxAllowanceFields[i].member,
                     HxAllowanceFields[i].name);
        QCOMPARE(fields.last(), QStringLiteral("Solved"));
    }
    QVERIFY(rows[2].startsWith(QStringLiteral("LMTD method,air,water,tube in tube,")));
}

void BatchSolverTest::badLinesGiveAStatusAndTheBatchGoesOn_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("status");
    QTest::newRow("no solution: the hot outlet from a zero capacity rate")
        << "Kelvane,0,35,12,0,1,6,13,0.8,0,37,38,23.529,256"
        << "No solution with this data... (Floating point division by zero)";
    QTest::newRow("no solution: zero duty over zero conductance")
        << "Kelvane,0,35,35,1,1,5,11,0.895,0,0,41.8,22.506,111"
        << "No solution with this data... (Invalid floating point operation)";
    QTest::newRow("no solution: duty too large")
        << "Kelvane,0,35,13,1e308,1,5,11,0.895,0,37,41.8,22.506,111"
        << "No solution with this data... (Floating point overflow)";
    QTest::newRow("bad field") << "Kelvane,0,35,13,1,1,5,x,0.895,0,37,41.8,22.506,111"
                               << "TCO (value 7): 'x' is not a valid floating point value";
    QTest::newRow("wrong tag") << "Calc,0,35,13,1,1,5,11,0.895,0,37,41.8,22.506,111"
                               << "\"not a case line: it must start with \"\"Kelvane,\"\"\"";
    QTest::newRow("too few fields") << "Kelvane,0,35"
                                    << "expected 13 or 16 values after the tag but found 2";
    QTest::newRow("index outside the table")
        << "Kelvane,0,35,13,1,99,5,11,0.895,0,37,41.8,22.506,111"
        << "COLD (value 5): 99 is not an entry of the fluid table (entries 0 to 18)";
}

void BatchSolverTest::badLinesGiveAStatusAndTheBatchGoesOn()
{
    QFETCH(QString, line);
    QFETCH(QString, status);
    const QStringList rows = RunBatch((DefaultLine + '\n' + line + "\r\n" + DefaultLine).toUtf8());
    QCOMPARE(rows.size(), 4);
    QCOMPARE(rows[2], QString(35, u',') + status);
    QVERIFY(rows[1].endsWith(QStringLiteral(",Solved")));
    QCOMPARE(rows[3], rows[1]);
}

void BatchSolverTest::emptyInputGivesTheHeaderOnly()
{
    const QStringList rows = RunBatch(QByteArray());
    QCOMPARE(rows.size(), 1);
    QVERIFY(rows[0].endsWith(QStringLiteral(",status")));
}

void BatchSolverTest::eachLineStartsFromTheInitialCase()
{
    // Mask 192 computes nothing: the row shows the solved initial case with the
    // line's values, whatever the line before it left.
    const QString ratingOnly = "Kelvane,0,35,12,1,1,6,13,0.8,0,37,38,23.529,192";
    const QStringList alone = RunBatch(ratingOnly.toUtf8());
    const QStringList afterOther = RunBatch((DefaultLine + '\n' + ratingOnly).toUtf8());
    QCOMPARE(afterOther[2], alone[1]);
    QVERIFY(alone[1].startsWith(QStringLiteral("Hot fluid specified,")));
}

void BatchSolverTest::namesWithCommasAreQuoted()
{
    QTemporaryDir dir;
    QVERIFY(WriteAll(dir.filePath("fluids.ini"), "[water, sea]\ncp=3.993\n"));
    QVERIFY(WriteAll(dir.filePath("heatxtype.ini"), "[plate]\nUo=2500\n"));
    const QStringList rows = RunBatch("Kelvane,0,35,12,1,0,6,13,0.8,0,37,38,23.529,111",
                                      TLookupTables::LoadFrom(dir.path()));
    QVERIFY2(rows[1].startsWith(
                 QStringLiteral("Hot fluid specified,\"water, sea\",\"water, sea\",plate,")),
             qPrintable(rows[1]));
}
