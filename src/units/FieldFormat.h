#pragma once

#include "FmtValue.h"
#include "FormatType.h"
#include "UnitsType.h"

#include <QString>
#include <optional>

// How a numeric field turns its text into a value and back: the display unit
// and format, the range, and the text that Escape restores. Values are in the
// base unit, texts in the display unit. It needs no widgets: the field passes
// its text in and shows what comes back.
//
// A number shown, typed or carried over a change of unit is held exactly
// beside the text shown for it: as long as the field shows that text, the
// held number is its value, so neither the rounding of the display format nor
// a change of unit and back alters it. Only a text the user edited is read.
class TFieldFormat
{
public:
    // What a change of unit settings shows: the display unit's name and the
    // field's text in it (none: the text stays as it was).
    struct TUnitsShown
    {
        QString unitsName;
        std::optional<QString> text;
    };

    // A typed text reformatted: the text to show (none: not a number, so it
    // stays as typed) and whether its numbers were in range.
    struct TFormattedText
    {
        std::optional<QString> text;
        bool inRange = true;
    };

    // The value of `text`: a double, an int under an integer format, a string
    // under string and fraction formats. A text that does not read as a
    // number comes back as that text.
    // The number held for `text`, when it is the text shown for it.
    TFmtValue ValueOf(const QString& text) const;
    // The text showing `value`; empty on an error, none when the format does
    // not show numbers. The range is not checked.
    std::optional<QString> TextOf(const TFmtValue& value) const;
    // TextOf, and the number is held for the text returned.
    std::optional<QString> ShowValue(const TFmtValue& value);
    // Typed text cleaned and reformatted, numbers pulled into range; the
    // number typed is held for the text returned.
    TFormattedText FormatText(const QString& text);
    // Whether the format lets the typed character `c` in.
    bool AcceptsChar(const QString& c) const;

    // The text when the field last gained focus, kept in the display unit,
    // with the number held for it.
    const QString& EntryText() const { return m_entryText; }
    void SetEntryText(const QString& text);
    // What Escape shows: the entry text, again holding its number.
    const QString& RestoreEntry();

    double RangeLo() const { return m_rangeLo; }
    void SetRangeLo(double value) { m_rangeLo = value; }
    double RangeHi() const { return m_rangeHi; }
    void SetRangeHi(double value) { m_rangeHi = value; }

    // The unit setters re-express `text`, the field's present text, and
    // return what to show. Changing the type takes `text` as a base-unit value.
    TUnitsType UnitsType() const { return m_unitsType; }
    std::optional<TUnitsShown> SetUnitsType(TUnitsType type, const QString& text);
    int UnitsValue() const { return m_unitsValue; }
    std::optional<TUnitsShown> SetUnitsValue(int index, const QString& text);
    int UnitsBase() const { return m_unitsBase; }
    std::optional<TUnitsShown> SetUnitsBase(int index, const QString& text);
    // Takes the conversion and format of the present unit settings and
    // re-expresses `text` and the entry text in them. Nothing is shown, and
    // the previous unit stays, when `text` does not read as a number.
    std::optional<TUnitsShown> UpdateUnits(const QString& text);

    // display = base × Factor + Offset
    double Factor() const { return m_factor; }
    double Offset() const { return m_offset; }
    // Decimals of FormatStr at the last units update.
    int Decimals() const { return m_decimals; }

    TFormatType FormatType() const { return m_formatType; }
    void SetFormatType(TFormatType type) { m_formatType = type; }
    int SigDigs() const { return m_sigDigs; }
    void SetSigDigs(int digits) { m_sigDigs = digits; }
    // The fewest significant digits a fixed format shows: it takes more
    // decimals where its own would show fewer. 0: the format's decimals.
    int MinSigDigs() const { return m_minSigDigs; }
    void SetMinSigDigs(int digits) { m_minSigDigs = digits; }
    const QString& FormatStr() const { return m_formatStr; }
    void SetFormatStr(const QString& format) { m_formatStr = format; }
    // A field that shows a unit shows numbers: a string format gives way to
    // the default number format.
    void UseNumberFormat();

private:
    // Whether `x` (display units) is in range; moves it to the bound when it
    // lies more than 0.5 % beyond one.
    bool CheckRange(double& x) const;
    QString NumberFormat(double display) const;
    QString FormatNumber(double display) const;
    // The value of `text` as a unit change carries it over; raises an error
    // when the format needs a number and the text does not read as one.
    TFmtValue CarriedValue(const QString& text) const;
    std::optional<TFmtValue> CarriedEntryValue() const;

    // A number the field shows as `text`.
    struct THeldNumber
    {
        double value;
        QString text;
    };
    // The number held for `text`; none when the field shows another text or
    // its format shows no plain numbers.
    std::optional<double> HeldValue(const QString& text) const;
    // `value` as a number the format can hold; none for texts and under
    // integer, fraction and string formats.
    std::optional<double> HoldableNumber(const TFmtValue& value) const;
    // Holds `value` for `text`; forgets the held number when either is none.
    void Hold(const TFmtValue& value, const std::optional<QString>& text);

    std::optional<THeldNumber> m_held;
    QString m_entryText;
    std::optional<double> m_entryValue;
    double m_rangeLo = 0.0;
    double m_rangeHi = 0.0;
    TUnitsType m_unitsType = utNone;
    int m_unitsValue = 0;
    int m_unitsBase = 0;
    double m_factor = 1.0;
    double m_offset = 0.0;
    int m_decimals = 0;
    TFormatType m_formatType = ft_Fixed;
    int m_sigDigs = 5;
    int m_minSigDigs = 0;
    QString m_formatStr = QStringLiteral("%0.1f");
};
