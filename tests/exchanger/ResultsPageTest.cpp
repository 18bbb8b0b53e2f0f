#include "ResultsPageTest.h"

#include "HeadlessSolver.h"
#include "HxTestSupport.h"
#include "MathError.h"
#include "ResultsPage.h"

#include <QTest>

void ResultsPageTest::initialCasePage()
{
    const QStringList expected = {
        "<html>",
        "<head>",
        "<style>",
        "html {margin:0}",
        "body {font-family:\"courier new\";font-size:8pt;background-color:#fff;margin:0}",
        "p {margin:0 0 0 5}",
        ".hd {color:#ffff00;background-color:#87bc8e}",
        "</style>",
        "</head>",
        "<body>",
        "<p class=\"hd\"><b>Hot fluid</b>: air</p>",
        "<p>thi = 35.000 &deg;C</p>",
        "<p>tho = 12.000 &deg;C</p>",
        "<p>mh = 1.000 kg/s</p>",
        "<p>cph = 1.023 kJ/kg&middot;K</p>",
        "<p>ch = 1.023 kW/K</p>",
        "<p>&nbsp;</p>",
        "<p class=\"hd\"><b>Cold fluid</b>: water</p>",
        "<p>tci = 6.000 &deg;C</p>",
        "<p>tco = 13.014 &deg;C</p>",
        "<p>mc = 0.800 kg/s</p>",
        "<p>cpc = 4.193 kJ/kg&middot;K</p>",
        "<p>cc = 3.354 kW/K</p>",
        "<p>&nbsp;</p>",
        "<p class=\"hd\"><b>VuduD</b>: fin and tube</p>",
        "<p>Cmin = 1.023 kW/K</p>",
        "<p>Cmax = 3.354 kW/K</p>",
        "<p>Cr = 0.305</p>",
        "<p>Uo = 0.037 kW/m&sup2;&middot;K</p>",
        "<p>Ao = 51.660 m<sup>2</sup></p>",
        "<p>itd = 29.000 &deg;C</p>",
        "<p>lmtd = 12.310 &deg;C</p>",
        "<p>Qmax = 29.667 kW</p>",
        "<p>Ntu = 1.868</p>",
        "<p>e = 0.793</p>",
        "<p>&nbsp;</p>",
        "<p class=\"hd\"><b>Duty</b>: Hot fluid specified</p>",
        "<p>Q = 23.529 kW</p>",
        "</body>",
        "</html>",
    };
    QStringList lines;
    SolvedInitialCase().WriteResultsPage(lines);
    QCOMPARE(lines.size(), 40);
    for (qsizetype i = 0; i < expected.size(); ++i)
        QCOMPARE(lines[i], expected[i]);
}

void ResultsPageTest::pageOnlyAppends()
{
    const THx hx = SolvedInitialCase();
    QStringList lines = {"kept"};
    hx.WriteResultsPage(lines);
    hx.WriteResultsPage(lines);
    QCOMPARE(lines.size(), 81);
    QCOMPARE(lines[0], QStringLiteral("kept"));
    QCOMPARE(lines[1], lines[41]);
    QCOMPARE(lines[40], QStringLiteral("</html>"));
    hx.WriteDiagnostics(lines);
    QCOMPARE(lines.size(), 90);
}

void ResultsPageTest::namesAreInsertedAsTheyStand()
{
    THx hx = SolvedInitialCase();
    hx.hotFluid = QStringLiteral("50% oil & <water>");
    QStringList lines;
    hx.WriteResultsPage(lines);
    QCOMPARE(lines[10], QStringLiteral("<p class=\"hd\"><b>Hot fluid</b>: 50% oil & <water></p>"));
    QCOMPARE(lines[36], QStringLiteral("<p class=\"hd\"><b>Duty</b>: Hot fluid specified</p>"));
}

void ResultsPageTest::negativeValuesKeepTheirSign()
{
    THx hx = SolvedInitialCase();
    hx.tho = -2.5;
    hx.Q = -0.0004;
    QStringList lines;
    hx.WriteResultsPage(lines);
    QCOMPARE(lines[12], QStringLiteral("<p>tho = -2.500 &deg;C</p>"));
    QCOMPARE(lines[37], QStringLiteral("<p>Q = 0.000 kW</p>"));
}

void ResultsPageTest::initialCaseDiagnostics()
{
    QStringList lines;
    SolvedInitialCase().WriteDiagnostics(lines);
    const QStringList expected = {
        "Diagnostic",
        "",
        "Uo Ao = 1.911 kW/K",
        "Ntu Cmin = 1.911 kW/K",
        "",
        "ch (thi-tho) = 23.529 kW",
        "cc (tco-tci) = 23.529 kW",
        "Uo Ao lmtd = 23.529 kW",
        "e Qmax = 23.529 kW",
    };
    QCOMPARE(lines, expected);
}

void ResultsPageTest::diagnosticProductOverflowIsAFault()
{
    THx hx = SolvedInitialCase();
    hx.Uo = 1e200;
    hx.Ao = 1e200;
    QStringList lines;
    QVERIFY_THROWS_EXCEPTION(EMathError, hx.WriteDiagnostics(lines));
}

void ResultsPageTest::textHasThePageBlocksAndDiagnostics()
{
    const QStringList lines = THeadlessSolver::TextOf(SolvedInitialCase());
    // 4 titles, 21 values, 3 blank lines between blocks, 1 before the 9 diagnostic lines.
    QCOMPARE(lines.size(), 4 + 21 + 3 + 1 + 9);
    QCOMPARE(lines.first(), QStringLiteral("Hot fluid: air"));
    QVERIFY(lines.contains(QStringLiteral("cph = 1.023 kJ/kg·K")));
    QVERIFY(lines.contains(QStringLiteral("Cold fluid: water")));
    QVERIFY(lines.contains(QStringLiteral("VuduD: fin and tube")));
    QVERIFY(lines.contains(QStringLiteral("Ao = 51.660 m²")));
    QVERIFY(lines.contains(QStringLiteral("Duty: Hot fluid specified")));
    QCOMPARE(lines[lines.indexOf(QStringLiteral("Duty: Hot fluid specified")) + 1],
             QStringLiteral("Q = 23.529 kW"));
    QCOMPARE(lines.mid(lines.size() - 9, 2), (QStringList{"Diagnostic", ""}));
    QCOMPARE(lines.last(), QStringLiteral("e Qmax = 23.529 kW"));
}
