#include "PageStore.h"

#include <QPainter>
#include <stdexcept>
#include <string>

TPageStore::TPageStore(const QPrinter& printer) : m_geometry(TPageGeometry::Measure(printer)) {}

TPageStore::TPageStore(const TPageGeometry& geometry) : m_geometry(geometry) {}

const QPicture& TPageStore::Page(int index) const
{
    if (index < 0 || index >= PageCount())
        throw std::out_of_range("Page " + std::to_string(index) + " is not in the page store");
    return m_pages[static_cast<std::size_t>(index)];
}

void TPageStore::DrawPage(QPainter& painter, int index) const
{
    const QPicture& page = Page(index);
    painter.save();
    painter.scale(double(page.logicalDpiX()) / painter.device()->logicalDpiX(),
                  double(page.logicalDpiY()) / painter.device()->logicalDpiY());
    painter.drawPicture(0, 0, page);
    painter.restore();
}
