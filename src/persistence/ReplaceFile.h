#pragma once

#include <QString>
#include <string_view>

// Replaces the file at `path` with `bytes` through a temporary file beside it,
// so a reader sees either the old file or the whole new one. Returns why it
// failed ("Permission denied", "No space left on device", ...), with the old
// file left as it was and no temporary file behind; empty on success.
QString ReplaceFile(const QString& path, std::string_view bytes);
