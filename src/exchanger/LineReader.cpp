#include "LineReader.h"

#include <QIODevice>
#include <cstring>

TLineReader::TLineReader(QIODevice& device, qsizetype chunkSize)
    : m_device(device), m_chunkSize(chunkSize)
{
}

bool TLineReader::ReadLine(QByteArrayView& line)
{
    for (;;) {
        const char* begin = m_buffer.constData() + m_begin;
        const auto* newline = static_cast<const char*>(std::memchr(begin, '\n', m_end - m_begin));
        if (newline) {
            line = QByteArrayView(begin, newline - begin);
            m_begin += line.size() + 1;
            return true;
        }
        if (!Refill()) {
            if (m_begin == m_end)
                return false;
            line = QByteArrayView(m_buffer.constData() + m_begin, m_end - m_begin);
            m_begin = m_end;
            return true;
        }
    }
}

// Moves the unread part to the front and appends the next chunk; false when
// nothing more came.
bool TLineReader::Refill()
{
    if (m_atEnd)
        return false;
    const qsizetype pending = m_end - m_begin;
    if (m_buffer.size() < pending + m_chunkSize)
        m_buffer.resize(pending + m_chunkSize);
    std::memmove(m_buffer.data(), m_buffer.constData() + m_begin, std::size_t(pending));
    m_begin = 0;
    m_end = pending;
    const qint64 got = m_device.read(m_buffer.data() + m_end, m_chunkSize);
    if (got <= 0) {
        m_atEnd = true;
        return false;
    }
    m_end += got;
    return true;
}
