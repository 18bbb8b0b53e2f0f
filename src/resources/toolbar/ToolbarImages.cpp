#include "ToolbarImages.h"

#include "BuiltInPng.h"

#include <QString>
#include <array>

// The images live in a resource file of a static library: its registration
// has to be pulled in by hand, outside any namespace.
static void InitToolbarResources()
{
    Q_INIT_RESOURCE(toolbar);
}

QList<QIcon> ToolbarImages()
{
    InitToolbarResources();
    static constexpr std::array names{"load", "save", "reset", "calc", "report", "help"};
    QList<QIcon> images;
    for (const char* name : names)
        images << QIcon(
            ReadBuiltInPng(QStringLiteral(":/toolbar/%1.png").arg(QLatin1String(name))));
    return images;
}
