#include "LineReader.h"

#include <QIODevice>
#include <cstring>

TLineReader::TLineReader(QIODevice& device, qsizetype chunkSize, qsizetype lineLimit,
                         qsizetype skipLimit)
    : m_device(device), m_chunkSize(chunkSize), m_lineLimit(lineLimit), m_skipLimit(skipLimit)
{
}

bool TLineReader::ReadLine(QByteArrayView& line)
{
    m_tooLong = false;
    for (;;) {
        const char* begin = m_buffer.constData() + m_begin;
        if (const char* newline = FindNewline()) {
            m_begin = newline - m_buffer.constData() + 1;
            m_scanned = m_begin;
            m_tooLong = newline - begin > m_lineLimit;
            line = m_tooLong ? QByteArrayView() : QByteArrayView(begin, newline - begin);
            return true;
        }
        if (m_end - m_begin > m_lineLimit) {
            m_tooLong = true;
            line = QByteArrayView();
            SkipRestOfLine();
            return true;
        }
        if (!Refill()) {
            if (m_begin == m_end)
                return false;
            line = QByteArrayView(begin, m_end - m_begin);
            m_begin = m_end;
            return true;
        }
    }
}

// Each byte is looked at once, however many chunks a line takes to arrive.
const char* TLineReader::FindNewline()
{
    const char* data = m_buffer.constData();
    const auto* newline =
        static_cast<const char*>(std::memchr(data + m_scanned, '\n', m_end - m_scanned));
    m_scanned = newline ? newline - data : m_end;
    return newline;
}

// Appends the next chunk; false when nothing more came. The unread part, never
// longer than the line limit here, moves to the front only once the bytes read
// past since the last move outnumber it, so moving costs no more than reading.
bool TLineReader::Refill()
{
    if (m_atEnd)
        return false;
    const qsizetype capacity = 2 * (m_lineLimit + m_chunkSize);
    if (m_buffer.size() < capacity)
        m_buffer.resize(capacity);
    if (m_end + m_chunkSize > capacity) {
        const qsizetype pending = m_end - m_begin;
        std::memmove(m_buffer.data(), m_buffer.constData() + m_begin, std::size_t(pending));
        m_scanned -= m_begin;
        m_begin = 0;
        m_end = pending;
    }
    const qint64 got = m_device.read(m_buffer.data() + m_end, m_chunkSize);
    if (got <= 0) {
        m_atEnd = true;
        return false;
    }
    m_end += got;
    return true;
}

// Drops what is buffered of an over-long line and reads on, a chunk at a time,
// to its "\n"; past the skip limit the input counts as ended.
void TLineReader::SkipRestOfLine()
{
    qsizetype skipped = m_end - m_begin;
    m_begin = m_scanned = m_end = 0;
    while (skipped <= m_skipLimit && Refill()) {
        if (const char* newline = FindNewline()) {
            m_begin = m_scanned = newline - m_buffer.constData() + 1;
            return;
        }
        skipped += m_end;
        m_begin = m_scanned = m_end = 0;
    }
    m_abandoned = !m_atEnd;
    m_atEnd = true;
}
