#pragma once

#include <QByteArray>
#include <QFile>
#include <QStandardPaths>
#include <QString>
#include <sys/stat.h>

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

// The settings store's key of a program named `program`, and the file the
// store keeps it in.
inline QString SettingsKey(const QString& program)
{
    return QStringLiteral("Software\\Marbleworth\\") + program;
}

inline QString SettingsFile(const QString& program)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Marbleworth/") + program + QStringLiteral(".conf");
}

// The file's identity on its disk, 0 when it does not exist: replacing the
// file puts a new identity in its place, rewriting it in place does not.
inline ino_t FileId(const QString& path)
{
    struct stat status = {};
    return stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_ino : 0;
}
