#include "ResultsPage.h"

#include "Format.h"
#include "ShownUnit.h"

#include <cmath>

namespace {

using TForm = TResultsPage::TForm;
using TUnit = TResultsPage::TUnit;

struct TUnitText
{
    const char* html;
    const char* text; // UTF-8
    int decimals = 3;
};

// Indexed by TUnit.
constexpr TUnitText UnitTexts[] = {
    {"", ""},
    {" &deg;C", " °C"},
    {" kg/s", " kg/s"},
    {" kJ/kg&middot;K", " kJ/kg·K"},
    {" kW/K", " kW/K"},
    {" kW/m&sup2;&middot;K", " kW/m²·K"},
    {" m<sup>2</sup>", " m²"},
    {" kW", " kW"},
    {" m&sup2;&middot;K/W", " m²·K/W", 6}, // a few ten-thousandths
    {" %", " %"},
};

const char* const HtmlHead[] = {
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

struct TFormTexts
{
    const char* blockSeparator;
    const char* blockTitle;
    const char* number;
    const char* notComputed;
    const char* text;
};

constexpr TFormTexts HtmlTexts = {"<p>&nbsp;</p>", "<p class=\"hd\"><b>%s</b>: %s</p>",
                                  "<p>%s = %s%s</p>", "<p>%s =</p>", "<p>%s: %s</p>"};
constexpr TFormTexts PlainTexts = {"", "%s: %s", "%s = %s%s", "%s =", "%s: %s"};

const TFormTexts& TextsOf(TForm form)
{
    return form == TForm::rfHtml ? HtmlTexts : PlainTexts;
}

} // namespace

TResultsPage::TResultsPage(TForm form, QStringList& lines) : m_form(form), m_lines(lines)
{
    if (m_form == TForm::rfHtml)
        for (const char* line : HtmlHead)
            m_lines << QString::fromLatin1(line);
}

void TResultsPage::Block(QLatin1StringView title, const QString& name)
{
    if (!m_firstBlock)
        m_lines << QString::fromLatin1(TextsOf(m_form).blockSeparator);
    m_firstBlock = false;
    m_lines << Format(QLatin1StringView(TextsOf(m_form).blockTitle), {QString(title), name});
}

void TResultsPage::Number(QLatin1StringView label, double value, TUnit unit,
                          const TShownUnit* shown)
{
    if (std::isnan(value)) {
        m_lines << Format(QLatin1StringView(TextsOf(m_form).notComputed), {QString(label)});
        return;
    }
    const QLatin1StringView format(TextsOf(m_form).number);
    if (shown) {
        const QString name = m_form == TForm::rfHtml ? shown->name.toHtmlEscaped() : shown->name;
        m_lines << Format(format, {QString(label), shown->Text(value), u' ' + name});
        return;
    }
    const TUnitText& unitText = UnitTexts[std::size_t(unit)];
    const char* spelling = m_form == TForm::rfHtml ? unitText.html : unitText.text;
    m_lines << Format(
        format, {QString(label), FixedText(value, unitText.decimals), QString::fromUtf8(spelling)});
}

void TResultsPage::Text(QLatin1StringView label, const QString& text)
{
    m_lines << Format(QLatin1StringView(TextsOf(m_form).text), {QString(label), text});
}

void TResultsPage::End()
{
    if (m_form == TForm::rfHtml)
        m_lines << QStringLiteral("</body>") << QStringLiteral("</html>");
}
