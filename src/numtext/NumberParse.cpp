#include "NumberParse.h"

#include "ConvertError.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

bool IsBlank(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

// The text without surrounding blanks; empty when it holds anything outside Latin-1.
std::string TrimmedLatin1(const QString& text)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        if (c.unicode() > 0x7f)
            return {};
        bytes += static_cast<char>(c.unicode());
    }
    std::size_t begin = 0;
    std::size_t end = bytes.size();
    while (begin < end && IsBlank(bytes[begin]))
        ++begin;
    while (end > begin && IsBlank(bytes[end - 1]))
        --end;
    return bytes.substr(begin, end - begin);
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

} // namespace

bool TryStrToFloat(const QString& text, double& value)
{
    const std::string s = TrimmedLatin1(text);
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
    const std::string s = TrimmedLatin1(text);
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
    return "'" + text.toStdString() + "' is not a valid floating point value";
}

std::string InvalidIntegerMessage(const QString& text)
{
    return "'" + text.toStdString() + "' is not a valid integer value";
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
