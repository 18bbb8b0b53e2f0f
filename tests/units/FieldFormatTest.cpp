#include "FieldFormatTest.h"

#include "FieldFormat.h"
#include "Format.h"

#include <QTest>
#include <QVariant>

namespace {

// A field of `type` shown in unit `units`; a format given here replaces the
// unit's own one.
TFieldFormat Field(TUnitsType type, int units, const QString& format = QString(),
                   TFormatType formatType = ft_Fixed)
{
    TFieldFormat field;
    field.SetFormatType(formatType);
    field.SetUnitsType(type, QStringLiteral("0"));
    field.SetUnitsValue(units, QStringLiteral("0"));
    if (!format.isEmpty())
        field.SetFormatStr(format);
    return field;
}

// A mass flow field as the main window sets one up: kg/s, 0.01 to 1000.
TFieldFormat MassFlowField(int units)
{
    TFieldFormat field = Field(utMassFlow, units);
    field.SetRangeLo(0.01);
    field.SetRangeHi(1000.0);
    return field;
}

TFmtValue ToFmtValue(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Double:
        return value.toDouble();
    case QMetaType::Int:
        return value.toInt();
    default:
        return value.toString();
    }
}

// The value the field reads from `text`, as exact text, so that a difference
// in the last digit fails and shows.
QString ExactValueOf(const TFieldFormat& field, const QString& text)
{
    return field.ValueOf(text).ToString();
}

} // namespace

void FieldFormatTest::textOfValue_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("units");
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("formatType");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("°C shown in °F")
        << int(utTemperature) << 1 << "" << int(ft_Fixed) << QVariant(35.0) << "95.0";
    QTest::newRow("°C shown in K")
        << int(utTemperature) << 2 << "" << int(ft_Fixed) << QVariant(35.0) << "308.15";
    QTest::newRow("a difference has no offset")
        << int(utTemperatureChange) << 1 << "" << int(ft_Fixed) << QVariant(10.0) << "18.0";
    QTest::newRow("kg/s shown in lb/hr")
        << int(utMassFlow) << 5 << "" << int(ft_Fixed) << QVariant(1.0) << "7936.6";
    QTest::newRow("auto: five significant digits")
        << int(utNone) << 0 << "%0.1f" << int(ft_Auto) << QVariant(0.001234) << "0.00123";
    QTest::newRow("auto override: large values as fixed")
        << int(utNone) << 0 << "%0.1f" << int(ft_AutoOverride) << QVariant(314.159) << "314.2";
    QTest::newRow("integer format rounds ties to even")
        << int(utNone) << 0 << "%d" << int(ft_Fixed) << QVariant(2.5) << "2";
    QTest::newRow("string format")
        << int(utNone) << 0 << "%s" << int(ft_Fixed) << QVariant(QStringLiteral("R22")) << "R22";
    QTest::newRow("fraction, each number converted")
        << int(utTemperature) << 1 << "%0.1f/%0.1f" << int(ft_Manual)
        << QVariant(QStringLiteral("0/100")) << "32.0/212.0";
    QTest::newRow("a text that is no number gives an empty text")
        << int(utMassFlow) << 0 << "" << int(ft_Fixed) << QVariant(QStringLiteral("abc")) << "";
    QTest::newRow("beyond the largest double gives an empty text")
        << int(utMassFlow) << 5 << "" << int(ft_Fixed) << QVariant(1e308) << "";
}

void FieldFormatTest::textOfValue()
{
    QFETCH(int, type);
    QFETCH(int, units);
    QFETCH(QString, format);
    QFETCH(int, formatType);
    QFETCH(QVariant, value);
    const TFieldFormat field =
        Field(static_cast<TUnitsType>(type), units, format, static_cast<TFormatType>(formatType));
    const std::optional<QString> text = field.TextOf(ToFmtValue(value));
    QVERIFY(text.has_value());
    QTEST(*text, "text");
}

void FieldFormatTest::valueOfText_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("units");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("°F read back in °C") << int(utTemperature) << 1 << ""
                                        << "212" << QVariant(100.0);
    QTest::newRow("g/s read back in kg/s") << int(utMassFlow) << 1 << ""
                                           << "2500" << QVariant(2.5);
    QTest::newRow("typed text cleaned first") << int(utMassFlow) << 0 << ""
                                              << " 1.2.3" << QVariant(1.23);
    QTest::newRow("integer format rounds") << int(utNone) << 0 << "%d"
                                           << "7.5" << QVariant(8);
    QTest::newRow("no number comes back as the text")
        << int(utMassFlow) << 0 << ""
        << "1 2,5" << QVariant(QStringLiteral("1 2,5"));
    QTest::newRow("fraction read back in °C") << int(utTemperature) << 1 << "%0.1f/%0.1f"
                                              << "32/212" << QVariant(QStringLiteral("0.0/100.0"));
    QTest::newRow("fraction without a slash") << int(utNone) << 0 << "%0.2f/%0.2f"
                                              << "7.5" << QVariant(QStringLiteral("7.5"));
}

void FieldFormatTest::valueOfText()
{
    QFETCH(int, type);
    QFETCH(int, units);
    QFETCH(QString, format);
    QFETCH(QString, text);
    QFETCH(QVariant, value);
    const TFieldFormat field = Field(static_cast<TUnitsType>(type), units, format, ft_Manual);
    QCOMPARE(field.ValueOf(text), ToFmtValue(value));
}

// Typed into a kg/s field with the range 0.01 to 1000 kg/s, then reformatted.
void FieldFormatTest::fixedFormatShowsTheFewestDigits_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("minSigDigs");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("a small area takes decimals") << "%0.1f" << 4 << 0.25 << "0.2500";
    QTest::newRow("three digits become four") << "%0.1f" << 4 << 41.8 << "41.80";
    QTest::newRow("a negative value too") << "%0.1f" << 4 << -0.0123 << "-0.01230";
    QTest::newRow("enough digits keep the format") << "%0.4f" << 4 << 0.895 << "0.8950";
    QTest::newRow("a large value stays fixed") << "%0.3f" << 4 << 1e7 << "10000000.000";
    QTest::newRow("the smallest duty") << "%0.3f" << 4 << 1e-6 << "0.000001000";
    QTest::newRow("rounding up to the next power of ten") << "%0.1f" << 4 << 9.99996 << "10.000";
    QTest::newRow("at most twelve decimals") << "%0.1f" << 4 << 1e-20 << "0.000000000000";
    QTest::newRow("zero shows the format's decimals") << "%0.1f" << 4 << 0.0 << "0.0";
    QTest::newRow("a general format keeps its digits") << "%0.5g" << 4 << 37.0 << "37";
    QTest::newRow("not asked for") << "%0.1f" << 0 << 0.26 << "0.3";
}

// Shown and typed alike.
void FieldFormatTest::fixedFormatShowsTheFewestDigits()
{
    QFETCH(QString, format);
    QFETCH(int, minSigDigs);
    QFETCH(double, value);
    TFieldFormat field = Field(utNone, 0, format);
    field.SetMinSigDigs(minSigDigs);
    QTEST(field.TextOf(value).value_or(QString()), "text");
    if (format.endsWith(u'f'))
        QTEST(field.FormatText(Format("%0.20f", {value})).text.value_or(QString()), "text");
}

void FieldFormatTest::formatText_data()
{
    QTest::addColumn<int>("units");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("inRange");
    QTest::newRow("in range") << 0 << "12.5"
                              << "12.5000" << true;
    QTest::newRow("0.4 % above the top is taken as typed") << 0 << "1004"
                                                           << "1004.0000" << true;
    QTest::newRow("0.6 % above the top becomes the top") << 0 << "1006"
                                                         << "1000.0000" << false;
    QTest::newRow("half the bottom becomes the bottom") << 0 << "0.005"
                                                        << "0.0100" << false;
    QTest::newRow("in g/s the bottom reads 10") << 1 << "5"
                                                << "10.0" << false;
    QTest::newRow("in g/s the top reads 1000000") << 1 << "2000000"
                                                  << "1000000.0" << false;
    QTest::newRow("no number stays as typed") << 0 << "1 2,5"
                                              << "1 2,5" << true;
}

void FieldFormatTest::formatText()
{
    QFETCH(int, units);
    QFETCH(QString, typed);
    TFieldFormat field = MassFlowField(units);
    const TFieldFormat::TFormattedText formatted = field.FormatText(typed);
    QTEST(formatted.text.value_or(typed), "shown");
    QTEST(formatted.inRange, "inRange");
}

void FieldFormatTest::acceptsChar_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("c");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("a digit in a fixed format") << "%0.1f"
                                               << "7" << true;
    QTest::newRow("a letter in a fixed format") << "%0.1f"
                                                << "a" << false;
    QTest::newRow("e in a fixed format") << "%0.1f"
                                         << "e" << false;
    QTest::newRow("e in a general format") << "%0.5g"
                                           << "e" << true;
    QTest::newRow("a point in an integer format") << "%d"
                                                  << "." << false;
    QTest::newRow("a slash in a fraction format") << "%0.2f/%0.2f"
                                                  << "/" << true;
    QTest::newRow("a slash in a fixed format") << "%0.2f"
                                               << "/" << false;
    QTest::newRow("anything in a string format") << "%s"
                                                 << "!" << true;
}

void FieldFormatTest::acceptsChar()
{
    QFETCH(QString, format);
    QFETCH(QString, c);
    TFieldFormat field;
    field.SetFormatStr(format);
    QTEST(field.AcceptsChar(c), "accepted");
}

void FieldFormatTest::unitChangeReexpressesText()
{
    TFieldFormat field = MassFlowField(0);

    const auto inLbPerHour = field.SetUnitsValue(5, QStringLiteral("1.0000"));
    QVERIFY(inLbPerHour.has_value());
    QCOMPARE(inLbPerHour->unitsName, QStringLiteral("lb/hr"));
    QCOMPARE(inLbPerHour->text.value_or(QString()), QStringLiteral("7936.6"));
    QCOMPARE(field.FormatStr(), QStringLiteral("%0.1f"));
    QCOMPARE(field.Decimals(), 1);
    // The range follows the unit: 1000 kg/s reads about 7936641 lb/hr.
    const TFieldFormat::TFormattedText pulled = field.FormatText(QStringLiteral("9000000"));
    QCOMPARE(pulled.text.value_or(QString()), QStringLiteral("7936641.4"));
    QVERIFY(!pulled.inRange);

    const auto back = field.SetUnitsValue(0, QStringLiteral("7936.6"));
    QVERIFY(back.has_value());
    QCOMPARE(back->unitsName, QStringLiteral("kg/s"));
    QCOMPARE(back->text.value_or(QString()), QStringLiteral("1.0000"));

    field.SetUnitsValue(99, QStringLiteral("1.0000")); // forced into the list
    QCOMPARE(field.UnitsValue(), 5);
}

// A kg/s field switched to lb/hr while it has the focus: the text Escape
// restores holds the value it held on entry, in the new unit.
void FieldFormatTest::entryTextFollowsUnitChange_data()
{
    QTest::addColumn<QString>("entryText");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("entryTextAfter");
    QTest::newRow("entry value in the new unit") << "1.0000"
                                                 << "1.0000"
                                                 << "7936.6";
    QTest::newRow("typed text does not change the entry value") << "1.0000"
                                                                << "5"
                                                                << "7936.6";
    QTest::newRow("an entry text that is no number stays") << "abc"
                                                           << "1.0000"
                                                           << "abc";
    QTest::newRow("no unit change on a text that is no number") << "1.0000"
                                                                << "abc"
                                                                << "1.0000";
}

void FieldFormatTest::entryTextFollowsUnitChange()
{
    QFETCH(QString, entryText);
    QFETCH(QString, text);
    TFieldFormat field = MassFlowField(0);
    field.SetEntryText(entryText);
    field.SetUnitsValue(5, text);
    QTEST(field.EntryText(), "entryTextAfter");
}

void FieldFormatTest::unitChangeOnUnreadableTextKeepsPreviousUnit()
{
    TFieldFormat field = MassFlowField(0);
    QVERIFY(!field.SetUnitsValue(5, QStringLiteral("abc")).has_value());
    QCOMPARE(field.UnitsValue(), 5);
    QCOMPARE(field.Factor(), 1.0);
    QCOMPARE(field.FormatStr(), QStringLiteral("%0.4f"));
}

void FieldFormatTest::unitsTypeTakesTextAsBaseValue()
{
    TFieldFormat field;
    field.SetUnitsValue(1, QStringLiteral("0.0"));
    const auto shown = field.SetUnitsType(utTemperature, QStringLiteral("20"));
    QVERIFY(shown.has_value());
    QCOMPARE(shown->unitsName, QStringLiteral("°F"));
    QCOMPARE(shown->text.value_or(QString()), QStringLiteral("68.0"));
    QCOMPARE(field.Factor(), 1.8);
    QCOMPARE(field.Offset(), 32.0);
}

void FieldFormatTest::noUnitsWithStringFormatShowsNothing()
{
    TFieldFormat field;
    field.SetFormatStr(QStringLiteral("%s"));
    QVERIFY(!field.UpdateUnits(QStringLiteral("R22")).has_value());
    // A format that shows no number leaves the text as it was.
    field.SetFormatStr(QStringLiteral("%.4x"));
    QVERIFY(!field.TextOf(12.0).has_value());
}

void FieldFormatTest::unitsLabelTurnsStringFormatIntoNumbers()
{
    TFieldFormat field;
    field.SetFormatStr(QStringLiteral("%s"));
    field.UseNumberFormat();
    QCOMPARE(field.FormatStr(), QStringLiteral("%0.1f"));
    field.SetFormatStr(QStringLiteral("%0.3f"));
    field.UseNumberFormat();
    QCOMPARE(field.FormatStr(), QStringLiteral("%0.3f"));
}

// A value shown, switched to another unit and back: the field reads the value
// it was given every time, not the number its rounded text stands for.
void FieldFormatTest::shownNumberKeptOverUnitChanges_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("units");
    QTest::addColumn<QString>("shownInUnits");
    QTest::addColumn<QString>("shownBack");
    QTest::newRow("Uo 100 W/m²°C in Btu/hr·ft²°F")
        << int(utHeatTransCoeff) << 100.0 << 1 << "17.611"
        << "100";
    QTest::newRow("Ao 0.3 m² in ft²") << int(utArea) << 0.3 << 4 << "3.2"
                                      << "0.3";
    QTest::newRow("Ao 0.25 m² in ft²") << int(utArea) << 0.25 << 4 << "2.7"
                                       << "0.3";
    QTest::newRow("mh 0.0125 kg/s in lb/hr") << int(utMassFlow) << 0.0125 << 5 << "99.2"
                                             << "0.0125";
    QTest::newRow("thi 35.04 °C in °F") << int(utTemperature) << 35.04 << 1 << "95.1"
                                        << "35.0";
}

void FieldFormatTest::shownNumberKeptOverUnitChanges()
{
    QFETCH(int, type);
    QFETCH(double, value);
    QFETCH(int, units);
    const QString exact = FloatToRoundTripText(value);
    TFieldFormat field = Field(static_cast<TUnitsType>(type), 0);
    const QString shown = field.ShowValue(value).value_or(QString());
    QCOMPARE(ExactValueOf(field, shown), exact);

    const auto inUnits = field.SetUnitsValue(units, shown);
    QVERIFY(inUnits && inUnits->text);
    QTEST(*inUnits->text, "shownInUnits");
    QCOMPARE(ExactValueOf(field, *inUnits->text), exact);

    const auto back = field.SetUnitsValue(0, *inUnits->text);
    QVERIFY(back && back->text);
    QTEST(*back->text, "shownBack");
    QCOMPARE(ExactValueOf(field, *back->text), exact);
}

// Typed "0.25" into a field that shows one decimal: it shows 0.3 and reads
// 0.25, also when the shown text is validated again.
void FieldFormatTest::typedNumberKeptBeyondTheDigitsShown()
{
    TFieldFormat field = Field(utArea, 0);
    const TFieldFormat::TFormattedText typed = field.FormatText(QStringLiteral("0.25"));
    QCOMPARE(typed.text.value_or(QString()), QStringLiteral("0.3"));
    QCOMPARE(ExactValueOf(field, QStringLiteral("0.3")), QStringLiteral("0.25"));

    const TFieldFormat::TFormattedText again = field.FormatText(QStringLiteral("0.3"));
    QCOMPARE(again.text.value_or(QString()), QStringLiteral("0.3"));
    QVERIFY(again.inRange);
    QCOMPARE(ExactValueOf(field, QStringLiteral("0.3")), QStringLiteral("0.25"));
}

// A text other than the one shown for the held number is read as it stands.
void FieldFormatTest::editedTextIsRead()
{
    TFieldFormat field = Field(utArea, 0);
    QCOMPARE(field.ShowValue(0.25).value_or(QString()), QStringLiteral("0.3"));
    QCOMPARE(ExactValueOf(field, QStringLiteral("0.30")), QStringLiteral("0.3"));
    QCOMPARE(ExactValueOf(field, QStringLiteral("2")), QStringLiteral("2"));
    QCOMPARE(field.ValueOf(QStringLiteral("abc")), TFmtValue(QStringLiteral("abc")));
    // Under a format that shows no plain numbers the text is the value.
    field.SetFormatStr(QStringLiteral("%d"));
    QCOMPARE(field.ValueOf(QStringLiteral("0.3")), TFmtValue(0));
}

// Escape after typing: the entry text comes back standing for the number it
// showed on entry, also after a change of unit in between.
void FieldFormatTest::restoredEntryHoldsItsNumber()
{
    TFieldFormat field = Field(utArea, 0);
    field.SetEntryText(field.ShowValue(0.25).value_or(QString()));
    const auto typed = field.FormatText(QStringLiteral("7"));
    QCOMPARE(ExactValueOf(field, typed.text.value_or(QString())), QStringLiteral("7"));
    const auto inFeet = field.SetUnitsValue(4, typed.text.value_or(QString()));
    QVERIFY(inFeet.has_value());
    QCOMPARE(field.EntryText(), QStringLiteral("2.7"));

    const QString restored = field.RestoreEntry();
    QCOMPARE(restored, QStringLiteral("2.7"));
    QCOMPARE(ExactValueOf(field, restored), QStringLiteral("0.25"));
}

// A held number beyond the range, validated, becomes the bound like a typed one.
void FieldFormatTest::heldNumberPulledIntoRange()
{
    TFieldFormat field = MassFlowField(0);
    const QString shown = field.ShowValue(2000.0).value_or(QString());
    QCOMPARE(shown, QStringLiteral("2000.0000"));
    const TFieldFormat::TFormattedText pulled = field.FormatText(shown);
    QCOMPARE(pulled.text.value_or(QString()), QStringLiteral("1000.0000"));
    QVERIFY(!pulled.inRange);
    QCOMPARE(ExactValueOf(field, QStringLiteral("1000.0000")), QStringLiteral("1000"));
}
