#pragma once

#include <QLatin1StringView>
#include <QStringList>

struct TShownUnit;

// Writes a results page, titled blocks of labelled values, either as the HTML
// lines of the results view or as plain text with the same labels, values and
// units for terminals. Numbers are "%0.3f" in the record's units unless shown
// in a display unit, a NaN (not computed) left blank; names and texts are
// inserted as they stand. Only appends to the list; knows nothing of what the
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
    // "label = value unit": `unit` is the record's; `shown`, when given, the
    // display unit to write the value in instead.
    void Number(QLatin1StringView label, double value, TUnit unit = TUnit::ruNone,
                const TShownUnit* shown = nullptr);
    // "label: text".
    void Text(QLatin1StringView label, const QString& text);
    // The HTML form closes the body and the page.
    void End();

private:
    TForm m_form;
    QStringList& m_lines;
    bool m_firstBlock = true;
};
