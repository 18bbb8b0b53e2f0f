#include "BoundedFile.h"

#include "PlatformPath.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// What keeps a file that is not a regular file from being read; empty for one that is.
QString KindProblem(mode_t mode)
{
    if (S_ISREG(mode))
        return {};
    if (S_ISDIR(mode))
        return QStringLiteral("it is a folder, not a file");
    if (S_ISFIFO(mode))
        return QStringLiteral("it is a named pipe (FIFO), not a file");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("it is a device, not a file");
    if (S_ISSOCK(mode))
        return QStringLiteral("it is a socket, not a file");
    return QStringLiteral("it is not a regular file");
}

QString TooLarge(qint64 sizeLimit)
{
    return QStringLiteral("it is larger than the limit of %1")
        .arg(TBoundedFile::LimitText(sizeLimit));
}

// What keeps a file of this status from being read whole; empty when nothing does.
QString StatusRefusal(const struct stat& status, qint64 sizeLimit)
{
    const QString kind = KindProblem(status.st_mode);
    if (!kind.isEmpty() || status.st_size <= sizeLimit)
        return kind;
    return TooLarge(sizeLimit);
}

} // namespace

TBoundedFile::TBoundedFile(const QString& path, qint64 sizeLimit)
{
    Read(path, sizeLimit);
}

QString TBoundedFile::LimitText(qint64 bytes)
{
    const QString exact = QStringLiteral("%1 bytes").arg(bytes);
    if (bytes < MB || bytes % MB != 0)
        return exact;
    return QStringLiteral("%1 MB (%2)").arg(bytes / MB).arg(exact);
}

QString TBoundedFile::RefusalOf(const QString& path, qint64 sizeLimit)
{
    struct stat status;
    if (::stat(TPlatformPath::ToBytes(path).constData(), &status) != 0)
        return errno == ENOENT || errno == ENOTDIR ? QString() : qt_error_string(errno);
    return StatusRefusal(status, sizeLimit);
}

void TBoundedFile::Read(const QString& path, qint64 sizeLimit)
{
    // The path as the platform's bytes, whatever their encoding.
    const QByteArray bytes = TPlatformPath::ToBytes(path);
    struct stat status;
    if (::stat(bytes.constData(), &status) != 0) {
        m_exists = errno != ENOENT && errno != ENOTDIR;
        m_problem = m_exists ? qt_error_string(errno) : QStringLiteral("there is no such file");
        return;
    }
    m_problem = StatusRefusal(status, sizeLimit);
    if (!m_problem.isEmpty())
        return;
    // Without waiting, should a named pipe have taken the file's place since.
    const int descriptor = ::open(bytes.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0) {
        m_problem = qt_error_string(errno);
        return;
    }
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        m_problem = file.errorString();
        return;
    }
    m_bytes = file.read(sizeLimit + 1);
    if (file.error() != QFileDevice::NoError)
        m_problem = file.errorString();
    else if (m_bytes.size() > sizeLimit)
        m_problem = TooLarge(sizeLimit);
    if (!m_problem.isEmpty())
        m_bytes.clear();
}
