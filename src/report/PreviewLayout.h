#pragma once

#include "PageGeometry.h"

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

// The arithmetic of the print preview's page area, apart from its widgets:
// the zoom each entry of the zoom list gives, where the page boxes go inside
// the scrolled area at a zoom, how a zoom-tool click changes the zoom and
// where it scrolls to. Lengths are screen pixels; the paper is measured in
// printer dots.
class TPreviewLayout
{
public:
    // Zoom list entries with a meaning of their own; the others are fixed zooms.
    static constexpr int FitToPageIndex = 0;
    static constexpr int FitToWidthIndex = 1;
    static constexpr int CustomIndex = 2;

    // Where the page boxes go inside the panel that holds them.
    struct TPlacement
    {
        // Each page box.
        QSize Page;
        // The panel that the scrolled area scrolls.
        QSize Content;
        QPoint FirstPage;
        // Beside the first; used when two pages are shown.
        QPoint SecondPage;
        // Both scroll bars, or neither.
        bool ScrollBars = false;
    };

    TPreviewLayout(const TPageGeometry& paper, double screenResolution);

    // The zoom list's texts, in order.
    static QStringList ZoomItems();

    // The zoom that list entry `index` gives in a page area whose client is
    // `client`; `custom` is the zoom "Custom" stands for. An index outside the
    // list gives 1.0.
    double ZoomFor(int index, double custom, QSize client) const;

    // The page boxes at `zoom`, one page or two side by side, in a page area
    // whose client is `client` and whose outer size, scroll bars included, is
    // `outer`.
    TPlacement Place(double zoom, bool twoPages, QSize client, QSize outer) const;

    // The zoom after a zoom-tool click: the left button zooms in and the right
    // one out, each only within the limits; both together cancel out.
    static double ClickZoom(double zoom, bool zoomIn, bool zoomOut);

    // The scroll position that brings the point at fractions (rx, ry) of a
    // page box of `page` to the middle of a page area of `outer`; the scroll
    // area clips it to its range.
    static QPoint CentreOn(QSize page, float rx, float ry, QSize outer);

    // The zoom label's text: "55%", "1,250%".
    static QString ZoomText(double zoom);

private:
    QSize PageSize(double zoom) const;

    TPageGeometry m_paper;
    double m_screenResolution;
};
