#include "BuiltInPng.h"

#include <QImageReader>

QPixmap ReadBuiltInPng(const QString& path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false); // only the built-in PNG reader is asked
    return QPixmap::fromImage(reader.read());
}
