#include "NumberText.h"

#include "Format.h"
#include "NumberParse.h"

#include <algorithm>
#include <cmath>

namespace {

bool ContainsLetter(const QString& format, QChar letter)
{
    return format.contains(letter, Qt::CaseInsensitive);
}

// Keeps the first occurrence of `c` and removes every later one.
QString KeepFirstOnly(QString text, QChar c)
{
    const qsizetype first = text.indexOf(c);
    if (first < 0)
        return text;
    for (qsizetype at = text.size() - 1; at > first; --at)
        if (text[at] == c)
            text.remove(at, 1);
    return text;
}

// In everything after the first character, a '-' survives only right after an 'E'.
QString RemoveInnerMinus(const QString& s)
{
    if (s.size() <= 1)
        return s;
    QString result(s[0]);
    const QString rest = s.mid(1);
    for (qsizetype j = 0; j < rest.size(); ++j)
        if (rest[j] != u'-' || (j > 0 && rest[j - 1] == u'E'))
            result += rest[j];
    return result;
}

// Whether an exponent text is too large to keep; raises EConvertError when it is no integer.
bool ExponentTooLarge(QString exponent)
{
    const qsizetype point = exponent.indexOf(u'.');
    if (point >= 0)
        exponent.remove(point, 1);
    const QString digits =
        exponent.startsWith(u'-') || exponent.startsWith(u'+') ? exponent.mid(1) : exponent;
    // Digit strings too long for an int are certainly beyond the limit.
    const bool allDigits =
        !digits.isEmpty() &&
        std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (allDigits && digits.size() > 9)
        return true;
    return std::abs(StrToInt(exponent)) > 300;
}

QString CleanPart(const QString& text)
{
    QString s = StripSpaces(text);
    const qsizetype slash = s.indexOf(u'/');
    if (slash >= 0) {
        s = KeepFirstOnly(s, u'/');
        const qsizetype at = s.indexOf(u'/');
        return CleanPart(s.left(at)) + u'/' + CleanPart(s.mid(at + 1));
    }
    if (s.isEmpty())
        s = QStringLiteral("0");
    s.replace(u'e', u'E');
    s = KeepFirstOnly(s, u'E');
    s = RemoveInnerMinus(s);
    if (s == u"-")
        s = QStringLiteral("0");
    s = KeepFirstOnly(s, u'.');
    if (s.startsWith(u'E'))
        s.prepend(u'1');
    const qsizetype e = s.indexOf(u'E');
    if (e >= 0 && e + 1 < s.size() && ExponentTooLarge(s.mid(e + 1)))
        s = s.left(e + 1) + s.mid(e + 1, 2);
    return s;
}

} // namespace

bool IsStringFormat(const QString& format)
{
    return ContainsLetter(format, u's');
}

bool IsIntegerFormat(const QString& format)
{
    return ContainsLetter(format, u'd');
}

bool IsGeneralFormat(const QString& format)
{
    return ContainsLetter(format, u'g');
}

bool IsFloatFormat(const QString& format)
{
    return ContainsLetter(format, u'f') || IsGeneralFormat(format);
}

bool IsFractionFormat(const QString& format)
{
    return format.contains(u'/');
}

QString StripSpaces(const QString& text)
{
    QString result = text;
    result.remove(u' ');
    return result;
}

int SigDigitDecimals(int sigDigits, int maxDecimals, double value)
{
    int result = 0;
    const QString s = Format(QStringLiteral("%0.") + QString::number(maxDecimals) + u'f', {value});
    const qsizetype point = s.indexOf(u'.');
    const qsizetype width = point >= 0 ? point : s.size();
    if (width == 1) {
        // A string position, not a digit count: the first non-zero after "d.".
        result = 3;
        for (qsizetype at = 2; at < s.size(); ++at)
            if (s[at] != u'0') {
                result = static_cast<int>(at + 1);
                break;
            }
    } else if (width < sigDigits) {
        result = sigDigits - static_cast<int>(width);
    }
    return std::min(result, maxDecimals);
}

QString SigDigitFormat(int sigDigits, int maxDecimals, double value)
{
    return QStringLiteral("%0.") +
           QString::number(SigDigitDecimals(sigDigits, maxDecimals, value)) + u'f';
}

QString AutoFixedFormat(int limit, const QString& defaultFormat, double value)
{
    if (limit < value)
        return defaultFormat;
    const double whole = std::trunc(std::fabs(value));
    if (whole >= 75 || value == 0)
        return QStringLiteral("%0.0f");
    if (whole >= 1)
        return QStringLiteral("%0.1f");
    if (value > 0.1)
        return QStringLiteral("%0.2f");
    if (value > 0.01)
        return QStringLiteral("%0.3f");
    return QStringLiteral("%0.4f");
}

int FormatDecimals(const QString& format)
{
    const qsizetype point = format.indexOf(u'.');
    if (point < 0 || point + 1 >= format.size())
        return 0;
    const QChar digit = format[point + 1];
    return digit >= u'0' && digit <= u'9' ? digit.digitValue() : 0;
}

int DecimalsForSigDigits(int sigDigits, int maxDecimals, double value)
{
    if (value == 0 || !std::isfinite(value))
        return 0;
    const int digitsBeforePoint = static_cast<int>(std::floor(std::log10(std::fabs(value)))) + 1;
    return std::clamp(sigDigits - digitsBeforePoint, 0, maxDecimals);
}

QString FixedFormatWithSigDigits(const QString& format, int minSigDigits, double value)
{
    if (minSigDigits == 0 || IsGeneralFormat(format))
        return format;
    constexpr int maxDecimals = 12;
    const int decimals = DecimalsForSigDigits(minSigDigits, maxDecimals, value);
    if (decimals <= FormatDecimals(format))
        return format;
    return QStringLiteral("%0.") + QString::number(decimals) + u'f';
}

QString CleanNumberText(const QString& text)
{
    return CleanPart(text);
}

bool ParseFraction(const QString& text, double& first, double& second)
{
    const qsizetype slash = text.indexOf(u'/');
    if (slash < 0) {
        first = StrToFloat(text);
        second = 0;
        return false;
    }
    first = StrToFloat(text.left(slash));
    second = StrToFloat(text.mid(slash + 1));
    return true;
}

QString TrimNumberText(const QString& text)
{
    // Zeros are trimmed from the mantissa only: "1.5E010" must not lose its exponent's zero.
    const qsizetype e = text.indexOf(u'E');
    QString mantissa = e >= 0 ? text.left(e) : text;
    QString exponent = e >= 0 ? text.mid(e + 1) : QString();
    if (mantissa.contains(u'.')) {
        while (mantissa.endsWith(u'0'))
            mantissa.chop(1);
        if (mantissa.endsWith(u'.'))
            mantissa.chop(1);
    }
    if (e < 0)
        return mantissa;
    while (exponent.startsWith(u'0'))
        exponent.remove(0, 1);
    // An exponent of only zeros means no exponent at all.
    return exponent.isEmpty() ? mantissa : mantissa + u'E' + exponent;
}

void SplitText(const QString& text, QChar delimiter, QStringList& list)
{
    list.clear();
    QStringView s = TrimmedBlanks(text);
    for (qsizetype at = s.indexOf(delimiter); at >= 0; at = s.indexOf(delimiter)) {
        list << s.left(at).toString();
        s = TrimmedBlanks(s.sliced(at + 1));
    }
    if (!s.isEmpty())
        list << s.toString();
}

QStringList SplitTextToArray(const QString& text, QChar delimiter)
{
    QStringList list;
    SplitText(text, delimiter, list);
    return list;
}
