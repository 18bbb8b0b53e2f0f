#include "PreviewImages.h"

#include "BuiltInPng.h"

// The images live in a resource file of a static library: its registration
// has to be pulled in by hand, outside any namespace.
static void InitPreviewResources()
{
    Q_INIT_RESOURCE(preview);
}

QCursor PreviewCursor(const QString& name)
{
    InitPreviewResources();
    const QPixmap image = ReadBuiltInPng(QStringLiteral(":/cursors/") + name);
    if (image.isNull())
        return QCursor(Qt::ArrowCursor);
    // The glass points with the centre of its lens, the hand grips at its palm.
    if (name == QLatin1String("ZOOM_CURSOR"))
        return QCursor(image, 12, 12);
    return QCursor(image, 16, 16);
}

QIcon PreviewImage(const QString& name)
{
    InitPreviewResources();
    return QIcon(ReadBuiltInPng(QStringLiteral(":/preview/%1.png").arg(name)));
}
