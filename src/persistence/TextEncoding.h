#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

// Tells UTF-8 text from the 8-bit Windows-1252 text of files made on Windows,
// and converts the latter both ways.

// Offset of the first byte that starts no valid UTF-8 sequence (a stray
// continuation byte, a cut sequence, an overlong form, a surrogate, a code
// point past U+10FFFF); -1 when every byte is valid.
qsizetype InvalidUtf8Offset(QByteArrayView bytes);

// Windows code page 1252: Latin-1 with printable characters at 0x80-0x9F; the
// five bytes it leaves undefined stand for the C1 controls of the same value.
QString FromWindows1252(QByteArrayView bytes);
// Nothing when `text` holds a character the code page lacks.
std::optional<QByteArray> ToWindows1252(QStringView text);
