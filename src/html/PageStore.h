#pragma once

#include "PageGeometry.h"

#include <QPicture>
#include <vector>

class QPainter;
class QPrinter;

// Laid-out printer pages: one picture per page, drawn in printer dots with
// the origin at the top-left corner of the printable area, and the printer
// geometry the pages were laid out for.
class TPageStore
{
public:
    // Measures `printer` now; later changes to the printer do not reach the store.
    explicit TPageStore(const QPrinter& printer);
    explicit TPageStore(const TPageGeometry& geometry);

    const TPageGeometry& Geometry() const { return m_geometry; }
    int PageCount() const { return static_cast<int>(m_pages.size()); }
    // Page `index`, 0-based; throws std::out_of_range outside the pages.
    const QPicture& Page(int index) const;

    // Draws page `index` so that one printer dot is one unit of the painter's
    // current coordinates. A picture replays scaled by the ratio of the target's
    // resolution to the screen's; this undoes that.
    void DrawPage(QPainter& painter, int index) const;

    void Clear() { m_pages.clear(); }
    void Add(QPicture page) { m_pages.push_back(std::move(page)); }

private:
    TPageGeometry m_geometry;
    std::vector<QPicture> m_pages;
};
