#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// File names as the platform keeps them: bytes, which need not be UTF-8. Qt
// turns the bytes it cannot decode into U+FFFD and so loses them; here each
// such byte b becomes the lone surrogate U+DC00 + b (as Python's
// "surrogateescape" does), which no valid UTF-8 decodes to, so the name comes
// back to the same bytes. Files named this way are opened through these bytes
// (TBoundedFile, ReplaceFile), never through QFile's own encoding.
class TPlatformPath
{
public:
    static QString FromBytes(QByteArrayView bytes);
    static QByteArray ToBytes(const QString& path);

    // The running executable's path, from /proc/self/exe.
    static QString ExecutablePath();
    // Whether anything (a file, a folder, a pipe...) is at the path, links followed.
    static bool Exists(const QString& path);
};
