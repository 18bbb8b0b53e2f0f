#pragma once

#include <QString>
#include <QStringList>

// A results page as the main window loads it into its HTML view: the
// built-in case solved with "Hot fluid specified".
inline QStringList ResultsPageLines()
{
    return {
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
        "<p>tco = 13.036 &deg;C</p>",
        "<p>mc = 0.800 kg/s</p>",
        "<p>cpc = 4.180 kJ/kg&middot;K</p>",
        "<p>cc = 3.344 kW/K</p>",
        "<p>&nbsp;</p>",
        "<p class=\"hd\"><b>VuduD</b>: Shell and tube</p>",
        "<p>Cmin = 1.023 kW/K</p>",
        "<p>Cmax = 3.344 kW/K</p>",
        "<p>Cr = 0.306</p>",
        "<p>Uo = 0.037 kW/m&sup2;&middot;K</p>",
        "<p>Ao = 38.000 m<sup>2</sup></p>",
        "<p>itd = 29.000 &deg;C</p>",
        "<p>lmtd = 16.733 &deg;C</p>",
        "<p>Qmax = 29.667 kW</p>",
        "<p>Ntu = 1.374</p>",
        "<p>e = 0.793</p>",
        "<p>&nbsp;</p>",
        "<p class=\"hd\"><b>Duty</b>: Hot fluid specified</p>",
        "<p>Q = 23.529 kW</p>",
        "</body>",
        "</html>",
    };
}

// A document of `count` numbered paragraphs ("Paragraph 1" ...), long enough
// to fill several pages.
inline QStringList NumberedParagraphs(int count)
{
    QStringList lines{"<html><body>"};
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("<p>Paragraph %1</p>").arg(i);
    lines << "</body></html>";
    return lines;
}
