#include "Format.h"

#include "ConvertError.h"
#include "RoundTripText.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>

namespace {

// Rounding at `decimals` fractional digits (negative: to tens, hundreds, ...)
// meets an exact tie when value * 2 * 10^decimals is an odd integer. Written
// as odd * 2^exp2, that holds when exp2 + 1 + decimals == 0 and, for a
// negative count, the odd part carries the factor 5^-decimals.
bool IsDecimalTie(double value, int decimals)
{
    if (value == 0 || !std::isfinite(value))
        return false;
    int exp2 = 0;
    const double fraction = std::frexp(std::fabs(value), &exp2);
    auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    exp2 -= 53;
    const int zeros = std::countr_zero(mantissa);
    mantissa >>= zeros;
    exp2 += zeros;
    if (exp2 + 1 + decimals != 0)
        return false;
    std::uint64_t five = 1;
    for (int i = decimals; i < 0; ++i) {
        if (five > mantissa / 5)
            return false;
        five *= 5;
    }
    return mantissa % five == 0;
}

// Moves an exact tie one step outwards so that round-to-nearest goes away from zero.
double AwayFromZeroOnTie(double value, int decimals)
{
    if (!IsDecimalTie(value, decimals))
        return value;
    return std::nextafter(value, std::copysign(std::numeric_limits<double>::infinity(), value));
}

QString NonFiniteText(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

bool AllDigitsZero(const QString& text)
{
    for (QChar c : text)
        if (c.isDigit() && c != u'0')
            return false;
    return true;
}

QString GroupThousands(const QString& fixed)
{
    const bool negative = fixed.startsWith(u'-');
    const qsizetype begin = negative ? 1 : 0;
    qsizetype point = fixed.indexOf(u'.');
    if (point < 0)
        point = fixed.size();
    QString result = fixed;
    for (qsizetype at = point - 3; at > begin; at -= 3)
        result.insert(at, u',');
    return result;
}

// Adds one in the last digit of a fixed-point text, carrying through nines.
void IncrementLastDigit(QString& text)
{
    for (qsizetype at = text.size() - 1; at >= 0 && text[at] != u'-'; --at) {
        if (text[at] == u'.')
            continue;
        if (text[at] != u'9') {
            text[at] = QChar(text[at].unicode() + 1);
            return;
        }
        text[at] = u'0';
    }
    // All nines: one digit more in front.
    text.insert(text.startsWith(u'-') ? 1 : 0, u'1');
}

// The fixed-point text by std::to_chars, which rounds the exact value but
// breaks a tie to even. A tie, whose exact text has one decimal more ending in
// 5, is written with that decimal and rounded up by hand: moving the value
// outwards by a step would overshoot where a step exceeds the last decimal.
QString LibraryFixedText(double value, int decimals)
{
    const bool tie = IsDecimalTie(value, decimals);
    std::array<char, 400> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                         std::chars_format::fixed, tie ? decimals + 1 : decimals);
    if (ec != std::errc())
        throw EConvertError("Number too long to format");
    QString text = QString::fromLatin1(buffer.data(), end - buffer.data());
    if (tie) {
        text.chop(decimals == 0 ? 2 : 1); // the 5, and the point before it
        IncrementLastDigit(text);
    }
    // A value that rounds to zero shows no sign.
    if (text.startsWith(u'-') && AllDigitsZero(text))
        text.remove(0, 1);
    return text;
}

using uint128 = unsigned __int128;

// The most decimals the exact path below takes: 5^27 is the largest power of
// five below 2^64.
constexpr int ExactDecimalsMax = 27;

constexpr std::uint64_t PowerOfFive(int exponent)
{
    std::uint64_t power = 1;
    for (int i = 0; i < exponent; ++i)
        power *= 5;
    return power;
}

// |value| × 10^decimals rounded half away from zero, worked from the exact
// binary value m × 2^e as m × 5^decimals × 2^(e + decimals) in integers; empty
// when the result does not fit 64 bits.
std::optional<std::uint64_t> ScaledMagnitude(double value, int decimals)
{
    constexpr int SignificandBits = 52;
    constexpr int ExponentBias = 1075; // with the significand's width: value = m × 2^(e - bias)
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const auto biased = int((bits >> SignificandBits) & 0x7ff);
    std::uint64_t significand = bits & ((std::uint64_t(1) << SignificandBits) - 1);
    if (biased != 0)
        significand |= std::uint64_t(1) << SignificandBits;
    const int shift = std::max(biased, 1) - ExponentBias + decimals;
    const uint128 scaled = uint128(significand) * PowerOfFive(decimals);
    if (shift >= 0) {
        if (shift >= 64 || (scaled >> (64 - shift)) != 0)
            return {};
        return std::uint64_t(scaled << shift);
    }
    if (shift <= -128) // below half a unit of the last decimal: scaled < 2^(2 × 64 - 1)
        return 0;
    const uint128 whole = scaled >> -shift;
    const uint128 remainder = scaled - (whole << -shift);
    const uint128 rounded = whole + (remainder >= uint128(1) << (-shift - 1) ? 1 : 0);
    if ((rounded >> 64) != 0)
        return {};
    return std::uint64_t(rounded);
}

// The text of a finite value with `decimals` decimals, rounded as Format
// rounds, by integer arithmetic alone: about a tenth of the time of
// std::to_chars for the values a case holds. Empty where the rounded value
// does not fit 64 bits or there are more decimals than it takes.
std::optional<QString> ExactFixedText(double value, int decimals)
{
    if (decimals < 0 || decimals > ExactDecimalsMax)
        return {};
    const std::optional<std::uint64_t> scaled = ScaledMagnitude(value, decimals);
    if (!scaled)
        return {};
    // Digits from the last: at least one before the point.
    std::array<char, 24 + ExactDecimalsMax> buffer;
    char* const end = buffer.data() + buffer.size();
    char* first = end;
    std::uint64_t rest = *scaled;
    for (int written = 0; rest != 0 || written <= decimals; ++written) {
        if (written == decimals && decimals > 0)
            *--first = '.';
        *--first = char('0' + rest % 10);
        rest /= 10;
    }
    // A value that rounds to zero shows no sign.
    if (std::signbit(value) && *scaled != 0)
        *--first = '-';
    return QString::fromLatin1(first, end - first);
}

QString FormatFixed(double value, int decimals, bool thousands)
{
    if (!std::isfinite(value))
        return NonFiniteText(value);
    QString text;
    if (std::optional<QString> exact = ExactFixedText(value, decimals)) {
        text = std::move(*exact);
    } else {
        text = LibraryFixedText(value, decimals);
    }
    return thousands ? GroupThousands(text) : text;
}

// Decimal exponent of a non-zero finite value, before any rounding.
int DecimalExponent(double value)
{
    std::array<char, 64> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                         std::chars_format::scientific, 16);
    const char* e = std::find(buffer.data(), end, 'e');
    return std::atoi(e + 1);
}

QString TrimFractionZeros(QString digits)
{
    if (!digits.contains(u'.'))
        return digits;
    while (digits.endsWith(u'0'))
        digits.chop(1);
    if (digits.endsWith(u'.'))
        digits.chop(1);
    return digits;
}

QString FormatGeneral(double value, int precision)
{
    if (!std::isfinite(value))
        return NonFiniteText(value);
    if (value == 0)
        return QStringLiteral("0");
    precision = std::clamp(precision, 1, 17);
    const int exponent = DecimalExponent(value);
    const double rounded = AwayFromZeroOnTie(value, precision - 1 - exponent);
    std::array<char, 64> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), rounded,
                                         std::chars_format::scientific, precision - 1);
    const char* e = std::find(buffer.data(), end, 'e');
    const int shown = std::atoi(e + 1);
    QString mantissa = QString::fromLatin1(buffer.data(), e - buffer.data());
    const bool scientific = shown + 1 > precision || std::fabs(value) < 0.00001;
    if (scientific) {
        QString exponentText = QString::number(std::abs(shown)).rightJustified(3, u'0');
        return TrimFractionZeros(mantissa) + u'E' + (shown < 0 ? QStringLiteral("-") : QString()) +
               exponentText;
    }
    const int decimals = std::max(0, precision - 1 - shown);
    return TrimFractionZeros(FormatFixed(rounded, decimals, false));
}

QString FormatInteger(std::int64_t value, int minDigits)
{
    QString digits = QString::number(value < 0 ? -static_cast<std::uint64_t>(value)
                                               : static_cast<std::uint64_t>(value));
    digits = digits.rightJustified(minDigits, u'0');
    return value < 0 ? u'-' + digits : digits;
}

QString FormatHex(std::int64_t value, int minDigits)
{
    // Negative values show as their two's complement in the narrowest of 32 or 64 bits.
    const bool fits32 = value >= std::numeric_limits<std::int32_t>::min() &&
                        value <= std::numeric_limits<std::int32_t>::max();
    const std::uint64_t bits =
        fits32 ? static_cast<std::uint32_t>(value) : static_cast<std::uint64_t>(value);
    return QString::number(bits, 16).toUpper().rightJustified(minDigits, u'0');
}

struct TDirective
{
    int index = -1;
    bool leftAlign = false;
    int width = -1;
    int precision = -1;
    QChar type;
};

[[noreturn]] void FormatError(const QString& format)
{
    throw EConvertError("Format '" + format.toStdString() +
                        "' invalid or incompatible with argument");
}

int ReadNumber(const QString& format, qsizetype& at)
{
    int number = 0;
    while (at < format.size() && format[at].isDigit() && number < 10000)
        number = number * 10 + format[at++].digitValue();
    return number;
}

TDirective ReadDirective(const QString& format, qsizetype& at)
{
    TDirective d;
    const qsizetype start = at;
    if (at < format.size() && format[at].isDigit()) {
        const int number = ReadNumber(format, at);
        if (at < format.size() && format[at] == u':')
            d.index = number, ++at;
        else
            at = start;
    }
    if (at < format.size() && format[at] == u'-')
        d.leftAlign = true, ++at;
    if (at < format.size() && format[at].isDigit())
        d.width = ReadNumber(format, at);
    if (at < format.size() && format[at] == u'.') {
        ++at;
        d.precision = ReadNumber(format, at);
    }
    if (at >= format.size())
        FormatError(format);
    d.type = format[at++].toLower();
    return d;
}

double AsFloat(const TFormatArg& arg, const QString& format)
{
    if (const auto* d = std::get_if<double>(&arg))
        return *d;
    if (const auto* i = std::get_if<std::int64_t>(&arg))
        return static_cast<double>(*i);
    FormatError(format);
}

std::int64_t AsInteger(const TFormatArg& arg, const QString& format)
{
    if (const auto* i = std::get_if<std::int64_t>(&arg))
        return *i;
    FormatError(format);
}

QString Render(const TDirective& d, const TFormatArg& arg, const QString& format)
{
    switch (d.type.unicode()) {
    case 'd':
        return FormatInteger(AsInteger(arg, format), std::max(d.precision, 0));
    case 'x':
        return FormatHex(AsInteger(arg, format), std::max(d.precision, 0));
    case 'f':
        return FixedText(AsFloat(arg, format), d.precision < 0 ? 2 : d.precision);
    case 'n':
        return FormatFixed(AsFloat(arg, format), d.precision < 0 ? 2 : d.precision, true);
    case 'g':
        return GeneralText(AsFloat(arg, format), d.precision < 0 ? 15 : d.precision);
    case 's': {
        const auto* text = std::get_if<QString>(&arg);
        if (!text)
            FormatError(format);
        return d.precision < 0 ? *text : text->left(d.precision);
    }
    default:
        FormatError(format);
    }
}

} // namespace

QString Format(const QString& format, std::initializer_list<TFormatArg> args)
{
    QString result;
    result.reserve(format.size() + 16);
    std::size_t next = 0;
    for (qsizetype at = 0; at < format.size();) {
        const QChar c = format[at++];
        if (c != u'%') {
            result += c;
            continue;
        }
        if (at < format.size() && format[at] == u'%') {
            result += u'%';
            ++at;
            continue;
        }
        const TDirective d = ReadDirective(format, at);
        if (d.index >= 0)
            next = static_cast<std::size_t>(d.index);
        if (next >= args.size())
            FormatError(format);
        QString text = Render(d, *(args.begin() + next++), format);
        if (d.width > text.size())
            text = d.leftAlign ? text.leftJustified(d.width) : text.rightJustified(d.width);
        result += text;
    }
    return result;
}

QString FixedText(double value, int decimals)
{
    return FormatFixed(value, decimals, false);
}

QString GeneralText(double value, int precision)
{
    return FormatGeneral(value, precision);
}

QString FloatToRoundTripText(double value)
{
    std::array<char, RoundTripTextRoom> buffer;
    const char* end = WriteRoundTripText(buffer.data(), value);
    return QString::fromLatin1(buffer.data(), end - buffer.data());
}
