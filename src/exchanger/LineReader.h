#pragma once

#include <QByteArray>
#include <QByteArrayView>

class QIODevice;

// Reads a device line by line through one buffer, without an allocation per
// line, in memory bounded by the longest line it keeps and in time linear in
// the input. A line excludes its "\n"; a last line without one still counts.
// A line longer than the limit is not kept: it comes back empty with
// LineTooLong() set while the reader drops the rest of it, up to its "\n".
// One whose "\n" does not come within the skip limit ends the input, with
// Abandoned() set: an input of that kind holds no lines to read.
class TLineReader
{
public:
    static constexpr qsizetype DefaultLineLimit = 64 * 1024;
    static constexpr qsizetype DefaultSkipLimit = 16 * 1024 * 1024;

    explicit TLineReader(QIODevice& device, qsizetype chunkSize = 1 << 20,
                         qsizetype lineLimit = DefaultLineLimit,
                         qsizetype skipLimit = DefaultSkipLimit);

    // The next line, valid until the next call; false at the end of the input.
    bool ReadLine(QByteArrayView& line);
    // Whether the line ReadLine gave last was longer than the line limit.
    bool LineTooLong() const { return m_tooLong; }
    // Whether that line also ran past the skip limit, so the rest of the input was not read.
    bool Abandoned() const { return m_abandoned; }
    qsizetype LineLimit() const { return m_lineLimit; }
    qsizetype SkipLimit() const { return m_skipLimit; }

private:
    const char* FindNewline();
    bool Refill();
    void SkipRestOfLine();

    QIODevice& m_device;
    QByteArray m_buffer;
    qsizetype m_begin = 0;   // the start of the unread part
    qsizetype m_scanned = 0; // up to here the unread part holds no "\n"
    qsizetype m_end = 0;
    qsizetype m_chunkSize;
    qsizetype m_lineLimit;
    qsizetype m_skipLimit;
    bool m_atEnd = false;
    bool m_tooLong = false;
    bool m_abandoned = false;
};
