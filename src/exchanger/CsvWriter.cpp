#include "CsvWriter.h"

#include <QIODevice>
#include <array>
#include <charconv>
#include <stdexcept>

namespace {

constexpr qsizetype flushSize = 1 << 16;

bool NeedsQuotes(QStringView text)
{
    for (QChar c : text)
        if (c == u',' || c == u'"' || c == u'\n' || c == u'\r')
            return true;
    return false;
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
        m_buffer += u',';
    m_rowStarted = true;
}

void TCsvWriter::AddText(const QString& text)
{
    Separate();
    if (!NeedsQuotes(text)) {
        m_buffer += text;
        return;
    }
    m_buffer += u'"';
    for (QChar c : text) {
        if (c == u'"')
            m_buffer += u'"';
        m_buffer += c;
    }
    m_buffer += u'"';
}

void TCsvWriter::AddText(QLatin1StringView text)
{
    AddText(QString(text));
}

void TCsvWriter::AddNumber(double value)
{
    Separate();
    // The text of FloatToRoundTripText (shortest round trip, locale-free), written
    // straight into the buffer: a QString per number costs a third of a batch's time.
    std::array<char, 32> digits;
    const auto [end, ec] = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    m_buffer += QLatin1StringView(digits.data(), end);
}

void TCsvWriter::AddEmpty()
{
    Separate();
}

void TCsvWriter::EndRow()
{
    m_buffer += u'\n';
    m_rowStarted = false;
    if (m_buffer.size() >= flushSize)
        Flush();
}

void TCsvWriter::Flush()
{
    if (m_buffer.isEmpty())
        return;
    const QByteArray bytes = m_buffer.toUtf8();
    m_buffer.resize(0); // keeps the capacity, unlike clear()
    if (m_device.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write the output: " +
                                 m_device.errorString().toStdString());
}
