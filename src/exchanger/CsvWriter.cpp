#include "CsvWriter.h"

#include "OutputError.h"
#include "RoundTripText.h"

#include <QIODevice>
#include <algorithm>
#include <cmath>

namespace {

constexpr qsizetype BufferSize = 1 << 16;

bool NeedsQuotes(QChar c)
{
    return c == u',' || c == u'"' || c == u'\n' || c == u'\r';
}

} // namespace

TCsvWriter::TCsvWriter(QIODevice& device) : m_device(device), m_buffer(BufferSize) {}

// Whatever is still buffered goes out; a failure here has no one left to tell.
TCsvWriter::~TCsvWriter()
{
    try {
        Flush();
    } catch (const EOutputError&) {
    }
}

// Flushes, or for a field larger than the buffer grows it, so that `size` more
// bytes fit.
void TCsvWriter::MakeRoom(qsizetype size)
{
    Flush();
    if (size > qsizetype(m_buffer.size()))
        m_buffer.resize(std::size_t(size));
}

// Room for a field of `size` bytes, the separator before it already written.
char* TCsvWriter::StartField(qsizetype size)
{
    char* out = Reserve(size + 1);
    if (m_rowStarted)
        *out++ = ',';
    m_rowStarted = true;
    m_used = out - m_buffer.data();
    return out;
}

void TCsvWriter::AppendBytes(QByteArrayView bytes)
{
    std::copy(bytes.begin(), bytes.end(), Reserve(bytes.size()));
    m_used += bytes.size();
}

void TCsvWriter::AddText(const QString& text)
{
    // Plain ASCII, the usual case, is copied one byte per character as it is
    // checked; at anything else the field is written again on the quoting path
    // (the bytes copied so far lie past the end of the output).
    char* out = StartField(text.size());
    for (QChar c : text) {
        if (c.unicode() >= 0x80 || NeedsQuotes(c)) {
            AppendQuoted(text);
            return;
        }
        *out++ = char(c.unicode());
    }
    m_used += text.size();
}

// Quotes only when a separator, quote or line break is inside.
void TCsvWriter::AppendQuoted(const QString& text)
{
    if (!std::any_of(text.begin(), text.end(), [](QChar c) { return NeedsQuotes(c); })) {
        AppendBytes(text.toUtf8());
        return;
    }
    const QByteArray bytes = text.toUtf8();
    // At most every byte a quote, doubled, and the two quotes around.
    char* out = Reserve(2 * bytes.size() + 2);
    char* const start = out;
    *out++ = '"';
    for (char byte : bytes) {
        if (byte == '"')
            *out++ = '"';
        *out++ = byte;
    }
    *out++ = '"';
    m_used += out - start;
}

void TCsvWriter::AddText(QLatin1StringView text)
{
    if (std::any_of(text.begin(), text.end(),
                    [](char c) { return uchar(c) >= 0x80 || NeedsQuotes(QLatin1Char(c)); })) {
        AddText(QString(text));
        return;
    }
    std::copy(text.begin(), text.end(), StartField(text.size()));
    m_used += text.size();
}

void TCsvWriter::AddNumber(double value)
{
    if (std::isnan(value)) {
        AddEmpty(); // not computed
        return;
    }
    // The text of FloatToRoundTripText, without a string made for it.
    char* out = StartField(RoundTripTextRoom);
    m_used = WriteRoundTripText(out, value) - m_buffer.data();
}

void TCsvWriter::AddEmpty()
{
    StartField(0);
}

void TCsvWriter::EndRow()
{
    *Reserve(1) = '\n';
    ++m_used;
    m_rowStarted = false;
}

void TCsvWriter::Flush()
{
    if (m_used == 0)
        return;
    const qsizetype used = m_used;
    m_used = 0;
    EOutputError::WriteAll(m_device, QByteArrayView(m_buffer.data(), used));
}
