#pragma once

#include "HTMLDocument.h"
#include "PageGeometry.h"
#include "PrintSetup.h"

#include <QImage>
#include <QPointF>
#include <QSizeF>

class QPainter;

// A copy of a document laid out for one printer geometry: the text area is
// the paper less the print margins, type is sized for the printer's
// resolution and enlarged by the print scale. Preview pictures and printed
// pages both paint from this, so they break at the same places.
class THTMLPageLayout
{
public:
    THTMLPageLayout(const QTextDocument& source, const TPrintSetup& setup,
                    const TPageGeometry& geometry);
    THTMLPageLayout(const THTMLPageLayout&) = delete;
    THTMLPageLayout& operator=(const THTMLPageLayout&) = delete;

    int PageCount() const;
    // Paints page `index` (0-based) in printer dots, origin at the printable area's corner.
    void PaintPage(QPainter& painter, int index) const;

private:
    // Carries the printer's resolution to the text layout.
    QImage m_resolution;
    // Parent of the copy: answers its resource requests with nothing.
    THTMLDocument m_resourceGate;
    QTextDocument* m_document = nullptr;
    QPointF m_origin;
    QSizeF m_pageSize;
    double m_scale;
};
