#include "ReplaceFile.h"

#include <QSaveFile>

namespace {

// Unbuffered, so a short write (disk full after part of the data) is seen
// here: the next write fails with the system's reason. A buffered QSaveFile
// passes a short write in its final flush and commits the cut-off file.
bool WriteAll(QSaveFile& file, std::string_view bytes)
{
    while (!bytes.empty()) {
        const qint64 written = file.write(bytes.data(), qint64(bytes.size()));
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(std::size_t(written));
    }
    return true;
}

} // namespace

QString ReplaceFile(const QString& path, std::string_view bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !WriteAll(file, bytes) ||
        !file.commit()) {
        return file.errorString();
    }
    return {};
}
