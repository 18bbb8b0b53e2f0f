#include "PreviewLayout.h"

#include "Format.h"

#include <array>

namespace {

// Room around a page inside the page area.
constexpr int PageGap = 20;
constexpr double MaxZoom = 20;
constexpr double MinZoom = 0.1;
constexpr double ZoomStep = 1.5;

struct TZoomItem
{
    const char* text;
    double zoom; // 0 for the computed and custom items
};

constexpr std::array ZoomTable{
    TZoomItem{"Fit To Page", 0}, TZoomItem{"Fit To Width", 0}, TZoomItem{"Custom", 0},
    TZoomItem{"25%", 0.25},      TZoomItem{"50%", 0.5},        TZoomItem{"75%", 0.75},
    TZoomItem{"100%", 1.0},      TZoomItem{"125%", 1.25},      TZoomItem{"150%", 1.5},
    TZoomItem{"200%", 2.0},      TZoomItem{"300%", 3.0},       TZoomItem{"400%", 4.0},
};

} // namespace

TPreviewLayout::TPreviewLayout(const TPageGeometry& paper, double screenResolution)
    : m_paper(paper), m_screenResolution(screenResolution)
{
}

QStringList TPreviewLayout::ZoomItems()
{
    QStringList items;
    for (const TZoomItem& item : ZoomTable)
        items << QString::fromLatin1(item.text);
    return items;
}

double TPreviewLayout::ZoomFor(int index, double custom, QSize client) const
{
    switch (index) {
    case FitToPageIndex:
        return ((client.height() - PageGap) / m_screenResolution) /
               (double(m_paper.PaperHeight) / m_paper.YResolution);
    case FitToWidthIndex:
        return ((client.width() - PageGap) / m_screenResolution) /
               (double(m_paper.PaperWidth) / m_paper.XResolution);
    case CustomIndex:
        return custom;
    default:
        return index > CustomIndex && index < int(ZoomTable.size()) ? ZoomTable[index].zoom : 1.0;
    }
}

QSize TPreviewLayout::PageSize(double zoom) const
{
    return {int(m_screenResolution * zoom * m_paper.PaperWidth / m_paper.XResolution),
            int(m_screenResolution * zoom * m_paper.PaperHeight / m_paper.YResolution)};
}

TPreviewLayout::TPlacement TPreviewLayout::Place(double zoom, bool twoPages, QSize client,
                                                 QSize outer) const
{
    const QSize page = PageSize(zoom);
    int w = page.width() + PageGap;
    if (twoPages)
        w += page.width() + PageGap;
    const int h = page.height() + PageGap;
    const QSize content(w < client.width() ? client.width() - 1 : w,
                        h < client.height() ? client.height() - 1 : h);
    const int top = page.height() + PageGap < content.height()
                        ? content.height() / 2 - page.height() / 2
                        : PageGap / 2;
    const int left = w < content.width() ? content.width() / 2 - (w - PageGap) / 2 : PageGap / 2;
    // The first page alone decides the scroll bars.
    const bool bars =
        outer.width() < page.width() + PageGap || outer.height() < page.height() + PageGap;
    return {page, content, QPoint(left, top), QPoint(left + page.width() + PageGap, top), bars};
}

double TPreviewLayout::ClickZoom(double zoom, bool zoomIn, bool zoomOut)
{
    if (zoomIn && zoom < MaxZoom)
        zoom *= ZoomStep;
    if (zoomOut && zoom > MinZoom)
        zoom /= ZoomStep;
    return zoom;
}

QPoint TPreviewLayout::CentreOn(QSize page, float rx, float ry, QSize outer)
{
    return {int(page.width() * rx) - outer.width() / 2,
            int(page.height() * ry) - outer.height() / 2};
}

QString TPreviewLayout::ZoomText(double zoom)
{
    return Format("%1.0n", {zoom * 100}) + QLatin1Char('%');
}
