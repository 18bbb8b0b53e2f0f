#pragma once

#include "TestFiles.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTest>
#include <sys/stat.h>

// Files that a reader with a size limit must refuse to read whole, for tests
// that run under Qt Test.

// Rows of a table of files a reader with a size limit of 1 MB must not read
// whole: "kind", "size" and the reason it gives ("refusal"; empty: read).
inline void AddSizeLimitRows(qint64 limit)
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QString>("refusal");
    const QString tooLarge = QStringLiteral("it is larger than the limit of 1 MB (1048576 bytes)");
    QTest::newRow("at the size limit") << "file" << limit << QString();
    QTest::newRow("just over the size limit") << "file" << limit + 1 << tooLarge;
    QTest::newRow("far over the size limit") << "file" << 200 * limit << tooLarge;
    QTest::newRow("a named pipe") << "fifo" << qint64(0)
                                  << QStringLiteral("it is a named pipe (FIFO), not a file");
    QTest::newRow("a folder") << "folder" << qint64(0)
                              << QStringLiteral("it is a folder, not a file");
}

// Makes `path` an entry of `kind`: "fifo" a named pipe, "folder" a folder,
// "file" a file of `size` bytes that starts with `head`, then `fill` up to
// `padLimit` bytes, holes beyond (so that a large file costs no disk).
inline bool MakeEntry(const QString& path, const QString& kind, const QByteArray& head, qint64 size,
                      char fill, qint64 padLimit)
{
    if (kind == QLatin1StringView("fifo"))
        return mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    if (kind == QLatin1StringView("folder"))
        return QDir().mkpath(path);
    if (size <= padLimit)
        return WriteAll(path, head + QByteArray(size - head.size(), fill));
    return WriteAll(path, head) && QFile::resize(path, size);
}
