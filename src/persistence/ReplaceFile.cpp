#include "ReplaceFile.h"

#include <QSaveFile>

QString ReplaceFileContents(const QString& path, std::string_view contents)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const auto size = qint64(contents.size());
    // Qt 6.4's commit() ignores a failure to write out its buffer and would
    // put a truncated file in place (a full disk): flush and check first.
    if (file.write(contents.data(), size) != size || !file.flush() || !file.commit())
        return file.errorString();
    return {};
}
