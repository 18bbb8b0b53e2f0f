#include "TextEncoding.h"

#include <algorithm>
#include <array>

namespace {

// Characters of the bytes 0x80-0x9F; every other byte is the Latin-1 character of its value.
constexpr std::array<char16_t, 32> HighRow = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr unsigned char HighRowStart = 0x80;

struct TSequenceStart
{
    int length = 0; // 0: no byte a sequence may start with
    char32_t bits = 0;
    char32_t lowest = 0; // anything below is an overlong form
};

TSequenceStart StartOf(unsigned char lead)
{
    if (lead < 0x80)
        return {1, lead, 0};
    if ((lead & 0xE0) == 0xC0)
        return {2, char32_t(lead & 0x1F), 0x80};
    if ((lead & 0xF0) == 0xE0)
        return {3, char32_t(lead & 0x0F), 0x800};
    if ((lead & 0xF8) == 0xF0)
        return {4, char32_t(lead & 0x07), 0x10000};
    return {};
}

bool IsCodePoint(char32_t c)
{
    return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

// Length of the valid sequence at `at`, or 0.
int ValidSequenceAt(QByteArrayView bytes, qsizetype at)
{
    const TSequenceStart start = StartOf(static_cast<unsigned char>(bytes[at]));
    if (start.length == 0 || bytes.size() - at < start.length)
        return 0;
    char32_t c = start.bits;
    for (int k = 1; k < start.length; ++k) {
        const auto next = static_cast<unsigned char>(bytes[at + k]);
        if ((next & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (next & 0x3F);
    }
    return c >= start.lowest && IsCodePoint(c) ? start.length : 0;
}

} // namespace

qsizetype InvalidUtf8Offset(QByteArrayView bytes)
{
    for (qsizetype at = 0; at < bytes.size();) {
        const int length = ValidSequenceAt(bytes, at);
        if (length == 0)
            return at;
        at += length;
    }
    return -1;
}

QString FromWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        const bool highRow = byte >= HighRowStart && byte < HighRowStart + HighRow.size();
        text[i] = highRow ? QChar(HighRow[byte - HighRowStart]) : QChar(byte);
    }
    return text;
}

std::optional<QByteArray> ToWindows1252(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const auto* inRow = std::find(HighRow.begin(), HighRow.end(), c);
        if (inRow != HighRow.end())
            bytes[i] = char(HighRowStart + (inRow - HighRow.begin()));
        else if (c < HighRowStart || (c > 0x9F && c <= 0xFF))
            bytes[i] = char(c);
        else
            return std::nullopt;
    }
    return bytes;
}
