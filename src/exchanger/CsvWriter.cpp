#include "CsvWriter.h"

#include <QIODevice>
#include <algorithm>
#include <array>
#include <charconv>
#include <stdexcept>

namespace {

constexpr qsizetype flushSize = 1 << 16;

bool NeedsQuotes(QChar c)
{
    return c == u',' || c == u'"' || c == u'\n' || c == u'\r';
}

} // namespace

TCsvWriter::TCsvWriter(QIODevice& device) : m_device(device)
{
    m_buffer.reserve(flushSize + 4096);
}

// Whatever is still buffered goes out; a failure here has no one left to tell.
TCsvWriter::~TCsvWriter()
{
    try {
        Flush();
    } catch (const std::runtime_error&) {
    }
}

void TCsvWriter::Separate()
{
    if (m_rowStarted)
        m_buffer += ',';
    m_rowStarted = true;
}

void TCsvWriter::AddText(const QString& text)
{
    const bool plain = std::none_of(text.begin(), text.end(),
                                    [](QChar c) { return c.unicode() >= 0x80 || NeedsQuotes(c); });
    if (!plain) {
        Separate();
        AppendQuoted(text);
        return;
    }
    // Plain ASCII, the usual case, is copied with its separator in one step.
    const qsizetype separator = m_rowStarted ? 1 : 0;
    m_rowStarted = true;
    const qsizetype at = m_buffer.size();
    m_buffer.resize(at + separator + text.size());
    char* out = m_buffer.data() + at;
    if (separator)
        *out++ = ',';
    std::transform(text.begin(), text.end(), out, [](QChar c) { return char(c.unicode()); });
}

// Quotes only when a separator, quote or line break is inside.
void TCsvWriter::AppendQuoted(const QString& text)
{
    if (!std::any_of(text.begin(), text.end(), [](QChar c) { return NeedsQuotes(c); })) {
        m_buffer += text.toUtf8();
        return;
    }
    m_buffer += '"';
    m_buffer += text.toUtf8().replace('"', "\"\"");
    m_buffer += '"';
}

void TCsvWriter::AddText(QLatin1StringView text)
{
    if (std::any_of(text.begin(), text.end(),
                    [](char c) { return uchar(c) >= 0x80 || NeedsQuotes(QLatin1Char(c)); })) {
        AddText(QString(text));
        return;
    }
    Separate();
    m_buffer.append(text.data(), text.size());
}

void TCsvWriter::AddNumber(double value)
{
    // The text of FloatToRoundTripText (shortest round trip, locale-free), written
    // straight into the buffer with its separator: a QString per number would
    // cost a third of a batch's time.
    std::array<char, 40> text;
    char* begin = text.data();
    if (m_rowStarted)
        *begin++ = ',';
    m_rowStarted = true;
    const auto [end, ec] = std::to_chars(begin, text.data() + text.size(), value);
    m_buffer.append(text.data(), end - text.data());
}

void TCsvWriter::AddEmpty()
{
    Separate();
}

void TCsvWriter::EndRow()
{
    m_buffer += '\n';
    m_rowStarted = false;
    if (m_buffer.size() >= flushSize)
        Flush();
}

void TCsvWriter::Flush()
{
    if (m_buffer.isEmpty())
        return;
    const qint64 written = m_device.write(m_buffer);
    const bool complete = written == m_buffer.size();
    m_buffer.resize(0); // keeps the capacity, unlike clear()
    if (!complete)
        throw std::runtime_error("cannot write the output: " +
                                 m_device.errorString().toStdString());
}
