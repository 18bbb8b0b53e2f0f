#include "CaseArgumentsTest.h"

#include "CaseArguments.h"
#include "CaseInput.h"
#include "CaseInputError.h"
#include "CaseLineRows.h"
#include "HxTestSupport.h"
#include "LookupTables.h"
#include "NumberParse.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

const QStringList DefaultCase = {"0",     "35", "13", "1",    "1",      "5",  "11",
                                 "0.895", "0",  "37", "41.8", "22.506", "111"};

QString ErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const ECaseInputError& error) {
        return QString::fromStdString(error.what());
    }
    return QStringLiteral("(no error)");
}

TLookupTables TablesWith(const QByteArray& fluids, const QByteArray& types)
{
    QTemporaryDir dir;
    const std::pair<const char*, QByteArray> files[] = {{"fluids.ini", fluids},
                                                        {"heatxtype.ini", types}};
    for (const auto& [name, text] : files) {
        if (!WriteAll(dir.filePath(name), text))
            qFatal("cannot write %s", name);
    }
    return TLookupTables::LoadFrom(dir.path());
}

} // namespace

void CaseArgumentsTest::parsesTheThirteenValues()
{
    const TCaseArguments a = TCaseArguments::Parse(
        {"1", "20", "10", "0.5", "0", "5", "12", "6e-1", "2", "250", " 3 ", "-0", "219"});
    QCOMPARE(a.hotFluid, 1);
    QCOMPARE(a.thi, 20.0);
    QCOMPARE(a.tho, 10.0);
    QCOMPARE(a.mh, 0.5);
    QCOMPARE(a.coldFluid, 0);
    QCOMPARE(a.tci, 5.0);
    QCOMPARE(a.tco, 12.0);
    QCOMPARE(a.mc, 0.6);
    QCOMPARE(a.heatXType, 2);
    QCOMPARE(a.Uo, 250.0);
    QCOMPARE(a.Ao, 3.0);
    QCOMPARE(a.Q, 0.0);
    QCOMPARE(a.mask, 219);
}

void CaseArgumentsTest::badValueIsNamed_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("letters for a temperature")
        << 3 << "x"
        << "MH (value 4): 'x' is not a valid floating point value";
    QTest::newRow("decimal comma") << 1 << "35,5"
                                   << "THI (value 2): '35,5' is not a valid floating point value";
    QTest::newRow("fraction for an index") << 0 << "0.5"
                                           << "HOT (value 1): '0.5' is not a valid integer value";
    QTest::newRow("empty mask") << 12 << ""
                                << "MASK (value 13): '' is not a valid integer value";
    QTest::newRow("not a number word") << 11 << "nan"
                                       << "Q (value 12): 'nan' is not a valid floating point value";
}

void CaseArgumentsTest::badValueIsNamed()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QStringList values = DefaultCase;
    values[index] = text;
    QCOMPARE(ErrorOf([&] { TCaseArguments::Parse(values); }), message);
}

void CaseArgumentsTest::wrongCountIsRefused()
{
    QCOMPARE(ErrorOf([] { TCaseArguments::Parse(DefaultCase.mid(1)); }),
             QStringLiteral("expected 13 or 16 values but found 12"));
    QCOMPARE(ErrorOf([] { TCaseArguments::Parse(DefaultCase + QStringList{"1"}); }),
             QStringLiteral("expected 13 or 16 values but found 14"));
    QCOMPARE(ErrorOf([] { TCaseArguments::Parse(QStringList{"Kelvane"} + DefaultCase, 1); }),
             QStringLiteral("(no error)"));
}

// 16 values: the allowances after the 13, read as numbers, named when they are
// not, and written back at full precision only where one is set.
void CaseArgumentsTest::allowancesFollowTheThirteen()
{
    const TCaseArguments fouled =
        TCaseArguments::Parse(DefaultCase + QStringList{"1.76e-4", "0.000088", "12.5"});
    QCOMPARE(fouled.Rfh, 1.76e-4);
    QCOMPARE(fouled.Rfc, 0.000088);
    QCOMPARE(fouled.margin, 12.5);
    QVERIFY(fouled.CaseLine().endsWith(",0.000176,8.8e-05,12.5"));
    QCOMPARE(TCaseArguments::FromCaseLine(fouled.CaseLine()).Rfc, 0.000088);
    const TCaseArguments clean = TCaseArguments::Parse(DefaultCase);
    QCOMPARE(clean.Rfh, 0.0);
    QCOMPARE(clean.CaseLine().count(u','), 13);
    QCOMPARE(ErrorOf([] {
                 TCaseArguments::Parse(DefaultCase + QStringList{"0", "x", "0"});
             }),
             QStringLiteral("RFC (value 15): 'x' is not a valid floating point value"));
}

void CaseArgumentsTest::caseLine_data()
{
    AddCaseLineRows();
    QTest::newRow("bad field") << "Kelvane,0,35,13,x,1,5,11,0.895,0,37,41.8,22.506,111"
                               << "MH (value 4): 'x' is not a valid floating point value";
}

void CaseArgumentsTest::caseLine()
{
    QFETCH(QString, line);
    QFETCH(QString, problem);
    if (!problem.isEmpty()) {
        QCOMPARE(ErrorOf([&] { TCaseArguments::FromCaseLine(line); }), problem);
        return;
    }
    const TCaseArguments a = TCaseArguments::FromCaseLine(line);
    QCOMPARE(a.thi, 35.0);
    QCOMPARE(a.mc, 0.895);
    QCOMPARE(a.Q, 22.506);
    QCOMPARE(a.mask, 111);
}

void CaseArgumentsTest::readTellsEachValueAsItConverts_data()
{
    QTest::addColumn<int>("badIndex");
    QTest::addColumn<QString>("badText");
    QTest::addColumn<QString>("problem");
    QTest::newRow("every value converts") << -1 << ""
                                          << "";
    QTest::newRow("a bad number stops before it")
        << 3 << "x"
        << "MH (value 4): 'x' is not a valid floating point value";
    QTest::newRow("a bad first value tells nothing")
        << 0 << "1.5"
        << "HOT (value 1): '1.5' is not a valid integer value";
    QTest::newRow("a bad mask after twelve values")
        << 12 << "7e"
        << "MASK (value 13): '7e' is not a valid integer value";
}

void CaseArgumentsTest::readTellsEachValueAsItConverts()
{
    QFETCH(int, badIndex);
    QFETCH(QString, badText);
    QFETCH(QString, problem);
    QStringList texts = DefaultCase;
    if (badIndex >= 0)
        texts[badIndex] = badText;
    QList<int> told;
    QList<double> numbers;
    TCaseArguments a;
    const std::string result =
        a.Read(TCaseArguments::Texts(texts, 0), [&](TCaseArguments::TValue value, double number) {
            told << value;
            numbers << number;
        });
    QCOMPARE(QString::fromStdString(result), problem);
    const int converted = badIndex >= 0 ? badIndex : TCaseArguments::Count;
    QList<int> inOrder;
    QList<double> expected;
    for (int i = 0; i < converted; ++i) {
        inOrder << i;
        expected << StrToFloat(DefaultCase[i]);
    }
    QCOMPARE(told, inOrder);
    QCOMPARE(numbers, expected);
    // The values read so far stand in the record too.
    if (converted > TCaseArguments::cvTho) {
        QCOMPARE(a.thi, 35.0);
        QCOMPARE(a.tho, 13.0);
    }
}

void CaseArgumentsTest::caseLineOfACase_data()
{
    QTest::addColumn<THxValues>("set");
    QTest::addColumn<QList<int>>("indexesAndMask");
    QTest::addColumn<QString>("line");
    const THxValues defaultValues = {{"thi", 35.0}, {"tho", 13.0}, {"mh", 1.0},
                                     {"tci", 5.0},  {"tco", 11.0}, {"mc", 0.895},
                                     {"Uo", 0.037}, {"Ao", 41.8},  {"Q", 22.506}};
    QTest::newRow("the default case, Uo in W/m2 degC")
        << defaultValues << QList<int>{0, 1, 0, 111}
        << "Kelvane,0,35.000,13.000,1.000,1,5.000,11.000,0.895,0,37.000,41.800,22.506,111";
    QTest::newRow("negative values, no selection, three decimals")
        << THxValues{{"thi", -10.25}, {"tho", -20.0}, {"mh", 0.0004},
                     {"tci", -40.0},  {"tco", -30.5}, {"mc", 12.5},
                     {"Uo", 2.5},     {"Ao", 0.01},   {"Q", 1234.5678}}
        << QList<int>{-1, 2, 4, 0}
        << "Kelvane,-1,-10.250,-20.000,0.000,2,-40.000,-30.500,12.500,4,2500.000,0.010,"
           "1234.568,0";
}

// The line a case gives, and the same values read back from it.
void CaseArgumentsTest::caseLineOfACase()
{
    QFETCH(THxValues, set);
    QFETCH(QList<int>, indexesAndMask);
    QFETCH(QString, line);
    THx hx;
    SetFields(hx, set);
    const TCaseArguments a = TCaseArguments::FromCase(hx, indexesAndMask[0], indexesAndMask[1],
                                                      indexesAndMask[2], indexesAndMask[3]);
    QCOMPARE(a.CaseLine(), line);
    TCaseArguments read;
    QCOMPARE(QString::fromStdString(read.ReadCaseLine(line)), QString());
    QCOMPARE(QList<int>({read.hotFluid, read.coldFluid, read.heatXType, read.mask}),
             indexesAndMask);
    QCOMPARE(read.CaseLine(), line);
}

void CaseArgumentsTest::appliesAsTheMainWindowDoes()
{
    const TLookupTables tables =
        TablesWith("[brine]\ncp=3.5\n[air]\ncp=1.5\n", "[fin and tube]\nUo=37\n[plate]\nUo=2500\n");
    const TCaseArguments a = TCaseArguments::Parse(
        {"1", "35", "13", "1", "0", "5", "11", "0.895", "1", "37", "41.8", "22.506", "111"});
    THx hx;
    a.Input(tables).ApplyTo(hx);
    QCOMPARE(hx.hotFluid, QStringLiteral("air"));
    QCOMPARE(hx.cph, 1.5); // the table's cp, not the built-in one
    QCOMPARE(hx.coldFluid, QStringLiteral("brine"));
    QCOMPARE(hx.cpc, 3.5);
    QCOMPARE(hx.heatXType, QStringLiteral("plate"));
    QCOMPARE(hx.Uo, 0.037); // W/m²°C to kW/(m²·K); the type's default plays no part
    QCOMPARE(hx.Ao, 41.8);
    QCOMPARE(hx.Q, 22.506);
    QCOMPARE(hx.tco, 11.0);
    QCOMPARE(hx.mc, 0.895);
}

void CaseArgumentsTest::indexOutsideItsTableIsRefused_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("types");
    QTest::addColumn<QString>("message");
    const QByteArray onePlate = "[plate]\nUo=1\n";
    QTest::newRow("hot fluid past the end")
        << 0 << "2" << onePlate
        << "HOT (value 1): 2 is not an entry of the fluid table (entries 0 to 1)";
    QTest::newRow("negative cold fluid")
        << 4 << "-1" << onePlate
        << "COLD (value 5): -1 is not an entry of the fluid table (entries 0 to 1)";
    QTest::newRow("type past the end")
        << 8 << "1" << onePlate
        << "TYPE (value 9): 1 is not an entry of the exchanger type table (entries 0 to 0)";
    QTest::newRow("empty type table")
        << 8 << "0" << QByteArray()
        << "TYPE (value 9): 0 is not an entry of the exchanger type table (it is empty)";
}

void CaseArgumentsTest::indexOutsideItsTableIsRefused()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(QByteArray, types);
    QFETCH(QString, message);
    const TLookupTables tables = TablesWith("[air]\ncp=1\n[water]\ncp=4\n", types);
    QStringList values = DefaultCase;
    values[index] = text;
    THx hx = SolvedInitialCase();
    const QString before = RecordText(hx);
    QCOMPARE(ErrorOf([&] { TCaseArguments::Parse(values).Input(tables).ApplyTo(hx); }), message);
    QCOMPARE(RecordText(hx), before);
}
