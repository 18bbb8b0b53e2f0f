#include "PageLayout.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <cmath>
#include <stdexcept>

namespace {

constexpr double CmPerInch = 2.54;
// The text layout places lines and page breaks on a grid of 1/64 unit.
constexpr double LayoutGrid = 1.0 / 64;

double OnLayoutGrid(double length)
{
    return std::floor(length / LayoutGrid) * LayoutGrid;
}

double Dots(double centimetres, int resolution)
{
    return centimetres / CmPerInch * resolution;
}

QImage ResolutionDevice(const TPageGeometry& geometry)
{
    if (geometry.XResolution <= 0 || geometry.YResolution <= 0)
        throw std::invalid_argument("The printer reports no resolution");
    QImage device(1, 1, QImage::Format_RGB32);
    device.setDotsPerMeterX(qRound(geometry.XResolution / 0.0254));
    device.setDotsPerMeterY(qRound(geometry.YResolution / 0.0254));
    return device;
}

} // namespace

THTMLPageLayout::THTMLPageLayout(const QTextDocument& source, const TPrintSetup& setup,
                                 const TPageGeometry& geometry)
    : m_resolution(ResolutionDevice(geometry)), m_document(source.clone(&m_resourceGate)),
      m_scale(setup.Scale > 0 ? setup.Scale : 1.0)
{
    const double left = Dots(setup.MarginLeft, geometry.XResolution);
    const double top = Dots(setup.MarginTop, geometry.YResolution);
    const double width = geometry.PaperWidth - left - Dots(setup.MarginRight, geometry.XResolution);
    const double height =
        geometry.PaperHeight - top - Dots(setup.MarginBottom, geometry.YResolution);
    if (width <= 0 || height <= 0)
        throw std::invalid_argument("The print margins leave no room on the paper");

    m_origin = QPointF(left - geometry.OffsetX, top - geometry.OffsetY);
    // A page height on the layout's grid puts each page break exactly where the
    // layout breaks, so a line that starts a page is not also drawn at the foot
    // of the page before.
    m_pageSize = QSizeF(width / m_scale, OnLayoutGrid(height / m_scale));
    m_document->documentLayout()->setPaintDevice(&m_resolution);
    m_document->setDocumentMargin(0);
    m_document->setPageSize(m_pageSize);
}

int THTMLPageLayout::PageCount() const
{
    return m_document->pageCount();
}

void THTMLPageLayout::PaintPage(QPainter& painter, int index) const
{
    painter.save();
    painter.translate(m_origin);
    painter.scale(m_scale, m_scale);
    painter.setClipRect(QRectF(QPointF(0, 0), m_pageSize));
    const QRectF view(QPointF(0, index * m_pageSize.height()), m_pageSize);
    painter.translate(0, -view.top());
    QAbstractTextDocumentLayout::PaintContext context;
    // The layout draws every line that touches the clip, also one that ends
    // where this page begins or begins where it ends; those belong to the
    // neighbouring pages.
    context.clip = view.adjusted(0, LayoutGrid, 0, -LayoutGrid);
    context.palette.setColor(QPalette::Text, Qt::black);
    m_document->documentLayout()->draw(&painter, context);
    painter.restore();
}
