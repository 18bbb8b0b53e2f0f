#pragma once

#include <QByteArray>
#include <QString>

// A whole file read into memory once it is known to be a regular file no
// larger than a limit. Folders, named pipes and devices are refused before
// they are opened: reading one may block, or never end. The limit is checked
// on the file's size first and again on what is read, so a file that grows
// meanwhile costs no more than the limit either.
class TBoundedFile
{
public:
    static constexpr qint64 MB = 1024 * 1024;

    TBoundedFile(const QString& path, qint64 sizeLimit);

    // False when there is no such file; Problem() then says so.
    bool Exists() const { return m_exists; }
    // Whether Bytes() holds the whole file.
    bool IsRead() const { return m_problem.isEmpty(); }
    const QByteArray& Bytes() const { return m_bytes; }
    // Why the file was not read, as a clause for "Cannot open "<path>": ...":
    // "there is no such file", "it is a folder, not a file", "it is larger than
    // the limit of 1 MB (1048576 bytes)"...
    const QString& Problem() const { return m_problem; }

    // "1 MB (1048576 bytes)", or the bytes alone for a limit of less than a MB.
    static QString LimitText(qint64 bytes);
    // Why the file at `path` would not be read, without reading it; empty
    // when there is no such file or it is a regular file within the limit.
    static QString RefusalOf(const QString& path, qint64 sizeLimit);

private:
    void Read(const QString& path, qint64 sizeLimit);

    QByteArray m_bytes;
    QString m_problem;
    bool m_exists = true;
};
