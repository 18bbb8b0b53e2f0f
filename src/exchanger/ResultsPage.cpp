#include "ResultsPage.h"

#include "Format.h"
#include "Hx.h"

#include <span>

namespace {

struct TRow
{
    const char* label;
    double THx::*field;
    const char* htmlUnit;
    const char* textUnit;
};

struct TBlock
{
    const char* title;
    QString THx::*name;
    std::span<const TRow> rows;
};

constexpr TRow hotRows[] = {
    {"thi", &THx::thi, " &deg;C", " °C"}, {"tho", &THx::tho, " &deg;C", " °C"},
    {"mh", &THx::mh, " kg/s", " kg/s"},   {"cph", &THx::cph, " kJ/kg&middot;K", " kJ/kg·K"},
    {"ch", &THx::ch, " kW/K", " kW/K"},
};

constexpr TRow coldRows[] = {
    {"tci", &THx::tci, " &deg;C", " °C"}, {"tco", &THx::tco, " &deg;C", " °C"},
    {"mc", &THx::mc, " kg/s", " kg/s"},   {"cpc", &THx::cpc, " kJ/kg&middot;K", " kJ/kg·K"},
    {"cc", &THx::cc, " kW/K", " kW/K"},
};

constexpr TRow exchangerRows[] = {
    {"Cmin", &THx::cmin, " kW/K", " kW/K"},
    {"Cmax", &THx::cmax, " kW/K", " kW/K"},
    {"Cr", &THx::cr, "", ""},
    {"Uo", &THx::Uo, " kW/m&sup2;&middot;K", " kW/m²·K"},
    {"Ao", &THx::Ao, " m<sup>2</sup>", " m²"},
    {"itd", &THx::itd, " &deg;C", " °C"},
    {"lmtd", &THx::lmtd, " &deg;C", " °C"},
    {"Qmax", &THx::Qmax, " kW", " kW"},
    {"Ntu", &THx::ntu, "", ""},
    {"e", &THx::e, "", ""},
};

constexpr TRow dutyRows[] = {
    {"Q", &THx::Q, " kW", " kW"},
};

const TBlock blocks[] = {
    {"Hot fluid", &THx::hotFluid, hotRows},
    {"Cold fluid", &THx::coldFluid, coldRows},
    {"VuduD", &THx::heatXType, exchangerRows},
    {"Duty", &THx::method, dutyRows},
};

const char* const htmlHead[] = {
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
};

QString RowText(const char* format, const TRow& row, const THx& hx, const char* unit)
{
    return Format(QLatin1StringView(format),
                  {QString::fromLatin1(row.label), hx.*row.field, QString::fromUtf8(unit)});
}

} // namespace

void TResultsPage::WriteHtml(const THx& hx, QStringList& lines)
{
    for (const char* line : htmlHead)
        lines << QString::fromLatin1(line);
    for (const TBlock& block : blocks) {
        if (&block != &blocks[0])
            lines << QStringLiteral("<p>&nbsp;</p>");
        lines << Format(QStringLiteral("<p class=\"hd\"><b>%s</b>: %s</p>"),
                        {QString::fromLatin1(block.title), hx.*block.name});
        for (const TRow& row : block.rows)
            lines << RowText("<p>%s = %0.3f%s</p>", row, hx, row.htmlUnit);
    }
    lines << QStringLiteral("</body>") << QStringLiteral("</html>");
}

void TResultsPage::WriteText(const THx& hx, QStringList& lines)
{
    for (const TBlock& block : blocks) {
        if (&block != &blocks[0])
            lines << QString();
        lines << Format(QStringLiteral("%s: %s"),
                        {QString::fromLatin1(block.title), hx.*block.name});
        for (const TRow& row : block.rows)
            lines << RowText("%s = %0.3f%s", row, hx, row.textUnit);
    }
}
