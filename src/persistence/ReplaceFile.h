#pragma once

#include <QString>
#include <string_view>

// Replaces the file at `path` by `contents` in one step: readers see the old
// file or the new one, never a part. Returns why it failed, or an empty text;
// on failure the old file is left as it was.
QString ReplaceFileContents(const QString& path, std::string_view contents);
