#include "PlatformPath.h"

#include <climits>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char16_t EscapeBase = 0xdc00;

bool IsEscapedByte(char16_t unit)
{
    return unit >= EscapeBase + 0x80 && unit <= EscapeBase + 0xff;
}

// The length of the valid UTF-8 sequence at the start of `bytes`, 0 when there is none.
qsizetype ValidSequenceLength(QByteArrayView bytes)
{
    const auto lead = uchar(bytes[0]);
    if (lead < 0x80)
        return 1;
    const qsizetype length = lead >= 0xc2 && lead < 0xe0   ? 2
                             : lead >= 0xe0 && lead < 0xf0 ? 3
                             : lead >= 0xf0 && lead < 0xf5 ? 4
                                                           : 0;
    if (length == 0 || length > bytes.size())
        return 0;
    // Valid when it comes back as it was: an invalid one decodes to U+FFFD.
    const QByteArrayView sequence = bytes.first(length);
    return QString::fromUtf8(sequence).toUtf8() == sequence ? length : 0;
}

} // namespace

QString TPlatformPath::FromBytes(QByteArrayView bytes)
{
    QString path;
    qsizetype validStart = 0;
    qsizetype i = 0;
    while (i < bytes.size()) {
        const qsizetype length = ValidSequenceLength(bytes.sliced(i));
        if (length > 0) {
            i += length;
            continue;
        }
        path += QString::fromUtf8(bytes.sliced(validStart, i - validStart));
        path += QChar(char16_t(EscapeBase + uchar(bytes[i])));
        validStart = ++i;
    }
    return path + QString::fromUtf8(bytes.sliced(validStart));
}

QByteArray TPlatformPath::ToBytes(const QString& path)
{
    QByteArray bytes;
    qsizetype validStart = 0;
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (!IsEscapedByte(path[i].unicode()))
            continue;
        bytes += QStringView(path).sliced(validStart, i - validStart).toUtf8();
        bytes += char(path[i].unicode() - EscapeBase);
        validStart = i + 1;
    }
    return bytes + QStringView(path).sliced(validStart).toUtf8();
}

QString TPlatformPath::ExecutablePath()
{
    QByteArray target(PATH_MAX, Qt::Uninitialized);
    const ssize_t length = ::readlink("/proc/self/exe", target.data(), std::size_t(target.size()));
    return length > 0 ? FromBytes(target.first(length)) : QString();
}

bool TPlatformPath::Exists(const QString& path)
{
    struct stat status;
    return ::stat(ToBytes(path).constData(), &status) == 0;
}
