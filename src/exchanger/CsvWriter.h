#pragma once

#include <QString>
#include <vector>

class QIODevice;

// Writes CSV rows (RFC 4180 quoting where a field needs it) to a device through a
// buffer that is flushed in large blocks. Numbers at full round-trip precision.
class TCsvWriter
{
public:
    explicit TCsvWriter(QIODevice& device);
    ~TCsvWriter();
    TCsvWriter(const TCsvWriter&) = delete;
    TCsvWriter& operator=(const TCsvWriter&) = delete;

    void AddText(const QString& text);
    void AddText(QLatin1StringView text);
    void AddNumber(double value); // NaN (not computed): an empty field
    void AddEmpty();
    void EndRow();
    // Writes what is buffered; raises EOutputError when the device refuses it.
    void Flush();

private:
    // Room for `size` more bytes at the end of the output. Fields are written
    // straight into the buffer: no string is made per field.
    char* Reserve(qsizetype size)
    {
        if (m_used + size > qsizetype(m_buffer.size()))
            MakeRoom(size);
        return m_buffer.data() + m_used;
    }
    void MakeRoom(qsizetype size);
    char* StartField(qsizetype size);
    void AppendQuoted(const QString& text);
    void AppendBytes(QByteArrayView bytes);

    QIODevice& m_device;
    std::vector<char> m_buffer; // UTF-8; only the first m_used bytes hold output
    qsizetype m_used = 0;
    bool m_rowStarted = false;
};
