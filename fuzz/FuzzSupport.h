#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

// Shared by the fuzz targets: every run works in a private home folder, so a
// target never reads or writes the real user's settings and shared files.

// Points HOME and the XDG folders at a fresh temporary folder (once per
// process) and returns it, without a trailing "/".
QString FuzzHome();

inline QByteArray FuzzBytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// Writes `bytes` to `path`, replacing what was there; aborts when it cannot,
// since the target would then test nothing.
void WriteFuzzFile(const QString& path, const QByteArray& bytes);
