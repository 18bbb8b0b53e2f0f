#include "HTMLDocument.h"

QVariant THTMLDocument::loadResource(int, const QUrl&)
{
    return {};
}
