#pragma once

#include <QByteArray>
#include <QString>

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
    void AddNumber(double value);
    void AddEmpty();
    void EndRow();
    // Writes what is buffered; raises std::runtime_error when the device refuses it.
    void Flush();

private:
    char* Reserve(qsizetype size);
    char* StartField(qsizetype size);
    void AppendQuoted(const QString& text);
    void AppendBytes(QByteArrayView bytes);

    QIODevice& m_device;
    QByteArray m_buffer; // UTF-8; only the first m_used bytes hold output
    qsizetype m_used = 0;
    bool m_rowStarted = false;
};
