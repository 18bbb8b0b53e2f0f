#include "HxModelTest.h"

#include "CaseInput.h"
#include "CaseSolve.h"
#include "HxTestSupport.h"

#include <QTest>

void HxModelTest::newRecordIsEmpty()
{
    const THx hx;
    for (const THxTextField& field : HxTextFields)
        QVERIFY2(field.text(hx).isEmpty(), field.name);
    for (const THxNumberField& field : HxNumberFields)
        QVERIFY2(hx.*field.member == 0, field.name);
}

void HxModelTest::maskHelpers()
{
    for (int n = 0; n <= 8; ++n)
        QCOMPARE(BitOf(n), 1 << n);
    QCOMPARE(BitOf(-1), 0);
    QCOMPARE(BitOf(40), 0);

    int mask = 0;
    for (int n : {mbThi, mbTho, mbMh, mbTci, mbMc, mbUo})
        SetBit(mask, n);
    QCOMPARE(mask, 111);
    SetBit(mask, mbThi);
    QCOMPARE(mask, 111);

    QVERIFY(HasAll(111, mgHotFluid));
    QVERIFY(!HasAll(111, mgColdFluid));
    QVERIFY(HasAll(219, mgAllTemps));
    QVERIFY(!HasAll(219, mgInletsAndFlows));
    for (int m : {0, 1, 111, 511, -1})
        QVERIFY(HasAll(m, 0));

    QVERIFY(HasBit(111, mbUo));
    QVERIFY(!HasBit(111, mbTco));
    QVERIFY(!HasBit(-1, -1));
}

void HxModelTest::hasAllIgnoresBitsAbove8()
{
    // Bits above 8 change neither the group tests nor the method Solve picks.
    QVERIFY(HasAll(111 | 512 | 4096, mgHotFluid));
    QVERIFY(!HasAll(111 | 1024, mgColdFluid));
    THx withHighBits = InitialCase();
    withHighBits.Solve(111 | 512 | (1 << 20));
    QCOMPARE(RecordText(withHighBits), RecordText(SolvedInitialCase()));
}

void HxModelTest::defaultCp_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("cp");
    QTest::newRow("air") << "air" << 1.023;
    QTest::newRow("water") << "water" << 4.193;
    QTest::newRow("oil") << "oil" << 2.0;
    QTest::newRow("letter case is ignored") << "Water" << 4.193;
    QTest::newRow("all capitals") << "AIR" << 1.023;
    QTest::newRow("trailing blank is not trimmed") << "oil " << 1.0;
    QTest::newRow("leading blank is not trimmed") << " air" << 1.0;
    QTest::newRow("empty name") << "" << 1.0;
    QTest::newRow("unknown fluid") << "steam" << 1.0;
}

void HxModelTest::defaultCp()
{
    QFETCH(QString, name);
    QFETCH(double, cp);
    QCOMPARE(THx::DefaultCp(name), cp);
}

void HxModelTest::setFluidsTakeBuiltInCp()
{
    THx hx;
    hx.cph = 9;
    hx.cpc = 9;
    hx.SetHotFluid(QStringLiteral("Oil"));
    hx.SetColdFluid(QStringLiteral("glycol"));
    QCOMPARE(hx.hotFluid, QStringLiteral("Oil"));
    QCOMPARE(hx.cph, 2.0);
    QCOMPARE(hx.coldFluid, QStringLiteral("glycol"));
    QCOMPARE(hx.cpc, 1.0);
}

void HxModelTest::setHeatXTypeChangesNoNumber()
{
    THx hx = SolvedInitialCase();
    const QString before = RecordText(hx);
    hx.SetHeatXType(QStringLiteral("plate"));
    QCOMPARE(hx.heatXType, QStringLiteral("plate"));
    hx.SetHeatXType(QStringLiteral("fin and tube"));
    QCOMPARE(RecordText(hx), before);
}

void HxModelTest::initialCaseStartsSolved()
{
    const TCaseResult result = SolveCase(TCaseInput::Initial(), THx());
    QVERIFY(!result.failure);
    const THx& hx = result.hx;
    QCOMPARE(hx.hotFluid, QStringLiteral("air"));
    QCOMPARE(hx.coldFluid, QStringLiteral("water"));
    QCOMPARE(hx.heatXType, QStringLiteral("fin and tube"));
    QCOMPARE(hx.method, THxMethod::hmHotFluidSpecified);
    const THxExpected expected = {
        {"ch", "1.023"},    {"Q", "23.529"},   {"cc", "3.354"},   {"tco", "13.014"},
        {"cmin", "1.023"},  {"cmax", "3.354"}, {"cr", "0.305"},   {"itd", "29.000"},
        {"Qmax", "29.667"}, {"e", "0.793"},    {"ntu", "1.868"},  {"lmtd", "12.310"},
        {"Ao", "51.660"},   {"Uo", "0.037"},   {"thi", "35.000"}, {"tho", "12.000"},
    };
    for (const auto& [name, value] : expected)
        QCOMPARE(Fixed3(FieldOf(hx, name)), value);
    QCOMPARE(Format(QStringLiteral("%0.4f"), {hx.cc}), QStringLiteral("3.3544"));
}
