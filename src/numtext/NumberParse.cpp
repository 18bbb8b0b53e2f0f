#include "NumberParse.h"

#include "ConvertError.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <optional>
#include <string>

namespace {

// The text as bytes; empty when it holds anything outside ASCII.
std::string Ascii(QStringView text)
{
    std::string bytes(std::size_t(text.size()), '\0');
    const QChar* from = text.begin();
    for (char& byte : bytes) {
        if (from->unicode() > 0x7f)
            return {};
        byte = char((from++)->unicode());
    }
    return bytes;
}

bool IsAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Takes a leading sign off the text; true for a minus.
bool TakeSign(QStringView& text)
{
    if (text.isEmpty() || (text.front() != u'+' && text.front() != u'-'))
        return false;
    const bool minus = text.front() == u'-';
    text = text.sliced(1);
    return minus;
}

constexpr double ExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                       1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// A plain decimal "[+-]digits[.digits]" whose digits, the point left out, make
// a whole number up to 2^53, with at most 22 after the point. That number and
// the power of ten are exact doubles, so one division rounds the value right
// (Clinger's fast path), as the values of a case line nearly always are. Empty
// for anything else, which the general reading takes.
std::optional<double> PlainDecimal(QStringView text)
{
    const bool minus = TakeSign(text);
    constexpr int DigitsMax = 19; // below 2^64 whatever they are
    std::uint64_t digits = 0;
    int count = 0;
    int decimals = -1; // none before a point
    for (QChar c : text) {
        if (IsAsciiDigit(c)) {
            if (++count > DigitsMax)
                return {};
            digits = digits * 10 + (c.unicode() - u'0');
            decimals += decimals >= 0 ? 1 : 0;
        } else if (c == u'.' && decimals < 0) {
            decimals = 0;
        } else {
            return {};
        }
    }
    if (count == 0 || digits > std::uint64_t(1) << 53 ||
        decimals >= int(std::size(ExactPowersOfTen)))
        return {};
    const double value = double(digits) / ExactPowersOfTen[std::max(decimals, 0)];
    return minus ? -value : value;
}

// "[+-]digits" with at most 9 digits, which always fit an int; empty otherwise.
std::optional<int> PlainInteger(QStringView text)
{
    const bool minus = TakeSign(text);
    if (text.isEmpty() || text.size() > 9)
        return {};
    int value = 0;
    for (QChar c : text) {
        if (!IsAsciiDigit(c))
            return {};
        value = value * 10 + (c.unicode() - u'0');
    }
    return minus ? -value : value;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t SkipDigits(const std::string& s, std::size_t at)
{
    while (at < s.size() && IsDigit(s[at]))
        ++at;
    return at;
}

// [+-] (digits [. digits] | . digits) [(e|E) [+-] digits], nothing else.
bool IsDecimalNumber(const std::string& s)
{
    std::size_t at = 0;
    if (at < s.size() && (s[at] == '+' || s[at] == '-'))
        ++at;
    const std::size_t intStart = at;
    at = SkipDigits(s, at);
    bool digits = at > intStart;
    if (at < s.size() && s[at] == '.') {
        const std::size_t fracStart = ++at;
        at = SkipDigits(s, at);
        digits = digits || at > fracStart;
    }
    if (!digits)
        return false;
    if (at < s.size() && (s[at] == 'e' || s[at] == 'E')) {
        ++at;
        if (at < s.size() && (s[at] == '+' || s[at] == '-'))
            ++at;
        const std::size_t expStart = at;
        at = SkipDigits(s, at);
        if (at == expStart)
            return false;
    }
    return at == s.size();
}

// For a number that does not fit a double: whether it is too large (rather than too small).
bool Overflows(const std::string& s)
{
    std::size_t at = (s[0] == '+' || s[0] == '-') ? 1 : 0;
    while (at < s.size() && (s[at] == '0' || s[at] == '.'))
        ++at;
    long magnitude = 0;
    const std::size_t point = s.find('.');
    const std::size_t exp = s.find_first_of("eE");
    const std::size_t mantissaEnd = exp == std::string::npos ? s.size() : exp;
    const std::size_t intEnd = std::min(point, mantissaEnd);
    magnitude = at < intEnd ? static_cast<long>(intEnd - at) : -static_cast<long>(at - intEnd);
    if (exp != std::string::npos) {
        const std::string e = s.substr(exp + 1);
        magnitude += e.size() > 9 ? (e[0] == '-' ? -1000000000L : 1000000000L) : std::stol(e);
    }
    return magnitude > 0;
}

std::string InvalidNumberMessage(const QString& text, const char* kind)
{
    if (TrimmedBlanks(text).size() <= MaxNumberTextLength)
        return "'" + text.toStdString() + "' is not a valid " + kind + " value";
    return "'" + QuotedExcerpt(text).toStdString() + "' is not a valid " + kind +
           " value: it is longer than " + std::to_string(MaxNumberTextLength) + " characters";
}

} // namespace

QString QuotedExcerpt(const QString& text)
{
    if (text.size() <= MaxQuotedLength)
        return text;
    return text.first(MaxQuotedLength) + QChar(0x2026);
}

QStringView TrimmedBlanks(QStringView text)
{
    const auto isBlank = [](QChar c) { return c.unicode() <= ' '; };
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

bool TryStrToFloat(const QString& text, double& value)
{
    const QStringView trimmed = TrimmedBlanks(text);
    if (trimmed.size() > MaxNumberTextLength)
        return false;
    if (const std::optional<double> plain = PlainDecimal(trimmed)) {
        value = *plain;
        return true;
    }
    const std::string s = Ascii(trimmed);
    if (!IsDecimalNumber(s))
        return false;
    const char* begin = s.data() + (s[0] == '+' ? 1 : 0);
    double parsed = 0;
    const auto [end, ec] = std::from_chars(begin, s.data() + s.size(), parsed);
    if (ec == std::errc::result_out_of_range) {
        if (Overflows(s))
            return false;
        parsed = s[0] == '-' ? -0.0 : 0.0;
    } else if (ec != std::errc() || end != s.data() + s.size()) {
        return false;
    }
    value = parsed;
    return true;
}

bool TryStrToInt(const QString& text, int& value)
{
    const QStringView trimmed = TrimmedBlanks(text);
    if (trimmed.size() > MaxNumberTextLength)
        return false;
    if (const std::optional<int> plain = PlainInteger(trimmed)) {
        value = *plain;
        return true;
    }
    const std::string s = Ascii(trimmed);
    if (s.empty())
        return false;
    const char* begin = s.data() + (s[0] == '+' ? 1 : 0);
    if (begin == s.data() + s.size() || (begin != s.data() && *begin == '-'))
        return false;
    int parsed = 0;
    const auto [end, ec] = std::from_chars(begin, s.data() + s.size(), parsed);
    if (ec != std::errc() || end != s.data() + s.size())
        return false;
    value = parsed;
    return true;
}

std::string InvalidFloatMessage(const QString& text)
{
    return InvalidNumberMessage(text, "floating point");
}

std::string InvalidIntegerMessage(const QString& text)
{
    return InvalidNumberMessage(text, "integer");
}

double StrToFloat(const QString& text)
{
    double value = 0;
    if (!TryStrToFloat(text, value))
        throw EConvertError(InvalidFloatMessage(text));
    return value;
}

int StrToInt(const QString& text)
{
    int value = 0;
    if (!TryStrToInt(text, value))
        throw EConvertError(InvalidIntegerMessage(text));
    return value;
}
