#pragma once

#include <QByteArray>
#include <QByteArrayView>

class QIODevice;

// Reads a device line by line through one large buffer, without an allocation
// per line. A line excludes its "\n"; a last line without one still counts.
class TLineReader
{
public:
    explicit TLineReader(QIODevice& device, qsizetype chunkSize = 1 << 20);

    // The next line, valid until the next call; false at the end of the input.
    bool ReadLine(QByteArrayView& line);

private:
    bool Refill();

    QIODevice& m_device;
    QByteArray m_buffer;
    qsizetype m_begin = 0;
    qsizetype m_end = 0;
    qsizetype m_chunkSize;
    bool m_atEnd = false;
};
