#include "FieldFormat.h"

#include "Format.h"
#include "NumberParse.h"
#include "NumberText.h"
#include "UnitsCatalogue.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>

namespace {

// The result of an extended-precision conversion as a double; one that does
// not fit is an error, as the field treats any other failed arithmetic.
double ToDouble(long double value)
{
    const auto result = static_cast<double>(value);
    if (!std::isfinite(result))
        throw std::overflow_error("Floating point overflow");
    return result;
}

// Nearest integer, ties to even, that must fit in Integer.
template <typename Integer> Integer RoundTo(double value)
{
    const double rounded = std::nearbyint(value);
    constexpr auto lowest = static_cast<double>(std::numeric_limits<Integer>::min());
    if (!(rounded >= lowest && rounded < -lowest))
        throw std::overflow_error("Integer overflow");
    return static_cast<Integer>(rounded);
}

} // namespace

TFmtValue TFieldFormat::ValueOf(const QString& text) const
{
    if (const std::optional<double> held = HeldValue(text))
        return *held;
    TFmtValue value = text;
    try {
        if (IsStringFormat(m_formatStr)) {
            value = Format(m_formatStr, {text});
        } else if (IsFractionFormat(m_formatStr)) {
            double first = 0.0;
            double second = 0.0;
            if (ParseFraction(text, first, second)) {
                value =
                    Format(m_formatStr, {ToDouble(UnitsFromDisplay(first, m_factor, m_offset)),
                                         ToDouble(UnitsFromDisplay(second, m_factor, m_offset))});
            } else {
                value = Format(QStringLiteral("%0.4g"),
                               {ToDouble(UnitsFromDisplay(first, m_factor, m_offset))});
            }
        } else {
            const double display = StrToFloat(CleanNumberText(text));
            value = ToDouble(UnitsFromDisplay(display, m_factor, m_offset));
            if (IsIntegerFormat(m_formatStr))
                value = RoundTo<int>(value.ToFloat());
        }
    } catch (const std::exception&) {
        // The value read so far stands; the raw text when nothing could be read.
    }
    return value;
}

std::optional<QString> TFieldFormat::TextOf(const TFmtValue& value) const
{
    try {
        if (IsStringFormat(m_formatStr))
            return Format(m_formatStr, {value.ToString()});
        if (IsFractionFormat(m_formatStr)) {
            double first = 0.0;
            double second = 0.0;
            ParseFraction(value.ToString(), first, second);
            return Format(m_formatStr, {ToDouble(UnitsToDisplay(first, m_factor, m_offset)),
                                        ToDouble(UnitsToDisplay(second, m_factor, m_offset))});
        }
        const double display = ToDouble(UnitsToDisplay(value.ToFloat(), m_factor, m_offset));
        if (IsIntegerFormat(m_formatStr))
            return Format(m_formatStr, {RoundTo<std::int64_t>(display)});
        if (IsFloatFormat(m_formatStr))
            return FormatNumber(display);
    } catch (const std::exception&) {
        return QString();
    }
    return std::nullopt;
}

std::optional<QString> TFieldFormat::ShowValue(const TFmtValue& value)
{
    const std::optional<QString> text = TextOf(value);
    Hold(value, text);
    return text;
}

std::optional<double> TFieldFormat::HeldValue(const QString& text) const
{
    if (!m_held || m_held->text != text || !IsFloatFormat(m_formatStr))
        return std::nullopt;
    return m_held->value;
}

std::optional<double> TFieldFormat::HoldableNumber(const TFmtValue& value) const
{
    if (value.IsString() || !IsFloatFormat(m_formatStr))
        return std::nullopt;
    return value.ToFloat();
}

void TFieldFormat::Hold(const TFmtValue& value, const std::optional<QString>& text)
{
    const std::optional<double> number = HoldableNumber(value);
    if (number && text)
        m_held = THeldNumber{*number, *text};
    else
        m_held.reset();
}

void TFieldFormat::SetEntryText(const QString& text)
{
    m_entryText = text;
    m_entryValue = HeldValue(text);
}

const QString& TFieldFormat::RestoreEntry()
{
    if (m_entryValue)
        m_held = THeldNumber{*m_entryValue, m_entryText};
    else
        m_held.reset();
    return m_entryText;
}

// The format for a number in display units, by FormatType.
QString TFieldFormat::NumberFormat(double display) const
{
    const QString sigDigitFormat = SigDigitFormat(m_sigDigs, 12, display);
    switch (m_formatType) {
    case ft_Auto:
        return sigDigitFormat;
    case ft_AutoOverride:
        return std::pow(10.0, 2 - m_decimals) > display ? sigDigitFormat : m_formatStr;
    case ft_Fixed:
    case ft_Manual:
        break;
    }
    return FixedFormatWithSigDigits(m_formatStr, m_minSigDigs, display);
}

QString TFieldFormat::FormatNumber(double display) const
{
    return Format(NumberFormat(display), {display});
}

TFieldFormat::TFormattedText TFieldFormat::FormatText(const QString& text)
{
    if (IsStringFormat(m_formatStr))
        return {Format(m_formatStr, {text}), true};
    TFormattedText result;
    try {
        const QString cleaned = CleanNumberText(text);
        if (IsFractionFormat(m_formatStr)) {
            double first = 0.0;
            double second = 0.0;
            const bool both = ParseFraction(cleaned, first, second);
            // Both numbers may move to a bound; without a "/" there is no second one.
            const bool firstInRange = CheckRange(first);
            const bool secondInRange = !both || CheckRange(second);
            result.inRange = firstInRange && secondInRange;
            result.text = both ? Format(m_formatStr, {first, second})
                               : Format(m_formatStr.left(m_formatStr.indexOf(u'/')), {first});
        } else {
            // A text validated again stands for the number held for it, not
            // for the number its rounded digits read as.
            const std::optional<double> held = HeldValue(text);
            const double typed =
                held ? ToDouble(UnitsToDisplay(*held, m_factor, m_offset)) : StrToFloat(cleaned);
            double x = typed;
            result.inRange = CheckRange(x);
            result.text = IsIntegerFormat(m_formatStr)
                              ? Format(m_formatStr, {std::int64_t{RoundTo<std::int32_t>(x)}})
                              : FormatNumber(x);
            Hold(held && x == typed ? *held : ToDouble(UnitsFromDisplay(x, m_factor, m_offset)),
                 result.text);
        }
    } catch (const std::exception&) {
        // Not a number: the text stays as typed.
    }
    return result;
}

bool TFieldFormat::CheckRange(double& x) const
{
    if (IsStringFormat(m_formatStr))
        return true;
    const double lo = ToDouble(UnitsToDisplay(m_rangeLo, m_factor, m_offset));
    const double hi = ToDouble(UnitsToDisplay(m_rangeHi, m_factor, m_offset));
    if (std::fabs(lo - hi) < 0.00001 || (lo == 0.0 && hi == 0.0))
        return true;
    // Up to 0.5 % beyond a bound is taken as typed.
    constexpr double tolerance = 0.005;
    if (x < lo && (lo == 0.0 || std::fabs((lo - x) / lo) > tolerance)) {
        x = lo;
        return false;
    }
    if (x > hi && (hi == 0.0 || std::fabs((x - hi) / hi) > tolerance)) {
        x = hi;
        return false;
    }
    return true;
}

bool TFieldFormat::AcceptsChar(const QString& c) const
{
    const auto oneOf = [&c](QStringView accepted) {
        return c.size() == 1 && accepted.contains(c[0]);
    };
    if (IsFractionFormat(m_formatStr))
        return oneOf(u"-./0123456789");
    if (IsIntegerFormat(m_formatStr))
        return oneOf(u"-0123456789");
    if (IsFloatFormat(m_formatStr))
        return oneOf(IsGeneralFormat(m_formatStr) ? u"-.0123456789eE" : u"-.0123456789");
    return true;
}

std::optional<TFieldFormat::TUnitsShown> TFieldFormat::SetUnitsType(TUnitsType type,
                                                                    const QString& text)
{
    m_unitsType = type;
    m_unitsValue = CheckUnitsIndex(type, m_unitsValue);
    m_unitsBase = CheckUnitsIndex(type, m_unitsBase);
    m_factor = 1.0;
    m_offset = 0.0;
    return UpdateUnits(text);
}

std::optional<TFieldFormat::TUnitsShown> TFieldFormat::SetUnitsValue(int index, const QString& text)
{
    m_unitsValue = CheckUnitsIndex(m_unitsType, index);
    return UpdateUnits(text);
}

std::optional<TFieldFormat::TUnitsShown> TFieldFormat::SetUnitsBase(int index, const QString& text)
{
    m_unitsBase = CheckUnitsIndex(m_unitsType, index);
    return UpdateUnits(text);
}

TFmtValue TFieldFormat::CarriedValue(const QString& text) const
{
    const TFmtValue value = ValueOf(text);
    return IsFractionFormat(m_formatStr) ? TFmtValue(value.ToString()) : value.ToFloat();
}

// An entry text that is no number is kept as it is.
std::optional<TFmtValue> TFieldFormat::CarriedEntryValue() const
{
    if (m_entryValue)
        return *m_entryValue;
    try {
        return CarriedValue(m_entryText);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::optional<TFieldFormat::TUnitsShown> TFieldFormat::UpdateUnits(const QString& text)
{
    if (m_unitsType == utNone && (IsStringFormat(m_formatStr) || IsIntegerFormat(m_formatStr)))
        return std::nullopt;
    try {
        const bool fraction = IsFractionFormat(m_formatStr);
        const TFmtValue value = CarriedValue(text);
        const std::optional<TFmtValue> entry = CarriedEntryValue();
        TUnitsShown shown;
        QString format;
        GetUnitsConversion(m_unitsType, m_unitsValue, m_unitsBase, shown.unitsName, m_factor,
                           m_offset, format);
        if (m_formatType != ft_Manual && m_unitsType != utNone)
            m_formatStr = format;
        if (IsStringFormat(m_formatStr))
            return std::nullopt;
        m_decimals = FormatDecimals(m_formatStr);
        if (fraction && !m_formatStr.contains(u'/'))
            m_formatStr = m_formatStr + u'/' + m_formatStr;
        shown.text = ShowValue(value);
        // Escape gives back the value held on entry, in the unit now shown.
        if (const std::optional<QString> entryText = entry ? TextOf(*entry) : std::nullopt) {
            m_entryText = *entryText;
            m_entryValue = HoldableNumber(*entry);
        }
        return shown;
    } catch (const std::exception&) {
        // A text that is not a number: the field goes on showing the previous unit.
        return std::nullopt;
    }
}

void TFieldFormat::UseNumberFormat()
{
    if (IsStringFormat(m_formatStr))
        m_formatStr = QStringLiteral("%0.1f");
}
