#include "ReplaceFile.h"

#include "PlatformPath.h"

#include <QRandomGenerator>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A new file beside `target`, under a name of its own; -1 when none can be made.
// Made with the mode a new file gets (0666 less the umask), or the old file's.
int CreateBeside(const QByteArray& target, QByteArray& name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target + ".tmp" + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const int descriptor =
            ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0 || errno != EEXIST) {
            struct stat old;
            if (descriptor >= 0 && ::stat(target.constData(), &old) == 0)
                ::fchmod(descriptor, old.st_mode & 07777);
            return descriptor;
        }
    }
    return -1;
}

// Every byte, or false with errno set: a short write (disk full after part of
// the data) is followed by one that fails with the system's reason.
bool WriteAll(int descriptor, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(std::size_t(written));
    }
    return true;
}

} // namespace

// Through the platform's bytes, so that a name that is not UTF-8 is written as
// it is; a QSaveFile would write to the name Qt decoded.
QString ReplaceFile(const QString& path, std::string_view bytes)
{
    const QByteArray target = TPlatformPath::ToBytes(path);
    QByteArray temporary;
    const int descriptor = CreateBeside(target, temporary);
    if (descriptor < 0)
        return qt_error_string(errno);
    // On the disk before it takes the old file's place.
    const bool written = WriteAll(descriptor, bytes) && ::fsync(descriptor) == 0;
    const int writeError = errno;
    const bool closed = ::close(descriptor) == 0;
    if (written && closed && ::rename(temporary.constData(), target.constData()) == 0)
        return {};
    const QString error = qt_error_string(!written ? writeError : errno);
    ::unlink(temporary.constData());
    return error;
}
