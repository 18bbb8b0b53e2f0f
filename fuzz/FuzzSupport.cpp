#include "FuzzSupport.h"

#include <QDir>
#include <QFile>
#include <cstdio>
#include <cstdlib>

QString FuzzHome()
{
    static const QString home = [] {
        QByteArray pattern = QDir::tempPath().toLocal8Bit() + "/kelvane-fuzz-XXXXXX";
        if (!mkdtemp(pattern.data()))
            std::abort();
        const QString dir = QString::fromLocal8Bit(pattern);
        for (const char* sub : {"/.config", "/.local/share", "/.cache", "/Documents"})
            QDir().mkpath(dir + QLatin1String(sub));
        qputenv("HOME", pattern);
        qputenv("XDG_CONFIG_HOME", pattern + "/.config");
        qputenv("XDG_DATA_HOME", pattern + "/.local/share");
        qputenv("XDG_CACHE_HOME", pattern + "/.cache");
        qputenv("XDG_DOCUMENTS_DIR", pattern + "/Documents");
        return dir;
    }();
    return home;
}

void WriteFuzzFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::abort();
    }
}
