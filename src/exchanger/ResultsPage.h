#pragma once

#include <QLatin1StringView>
#include <QStringList>

// Writes a results page, titled blocks of labelled values, either as the HTML
// lines of the results view or as plain text with the same labels, values and
// units for terminals. Numbers are "%0.3f", a NaN (not computed) left blank;
// names and texts are inserted as they stand. Only appends to the list; knows nothing of what the
// values mean.
class TResultsPage
{
public:
    enum class TForm
    {
        rfHtml,
        rfText
    };
    enum class TUnit
    {
        ruNone,
        ruDegC,
        ruKgPerS,
        ruSpecificHeat,
        ruCapacityRate,
        ruHeatTransCoeff,
        ruArea,
        ruPower,
        ruFouling,
        ruPercent
    };

    // The HTML form starts with the page's head and style.
    TResultsPage(TForm form, QStringList& lines);

    // A block's title line, "title: name", after a blank line unless it is the first.
    void Block(QLatin1StringView title, const QString& name);
    // "label = value unit".
    void Number(QLatin1StringView label, double value, TUnit unit = TUnit::ruNone);
    // "label: text".
    void Text(QLatin1StringView label, const QString& text);
    // The HTML form closes the body and the page.
    void End();

private:
    TForm m_form;
    QStringList& m_lines;
    bool m_firstBlock = true;
};
