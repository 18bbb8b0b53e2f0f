#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Whole-file reads and writes for test fixtures.

// The file's bytes; empty when it cannot be read.
inline QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Makes `content` the whole file; false when it cannot be written.
inline bool WriteAll(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(content) == content.size();
}
