#include "GridLines.h"

#include "PageGeometry.h"

#include <cmath>

namespace {

// std::nearbyint rounds halves to the even neighbour in the default rounding mode.
int Nearest(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

QList<int> Lines(int paperDots, int resolution, double unitsPerInch)
{
    QList<int> lines;
    if (resolution <= 0)
        return lines;
    const int count = Nearest(double(paperDots) / resolution * unitsPerInch);
    for (int i = 1; i <= count; ++i)
        lines << Nearest(i * resolution / unitsPerInch);
    return lines;
}

} // namespace

TGridLines TGridLines::For(const TPageGeometry& geometry, double unitsPerInch)
{
    return {Lines(geometry.PaperWidth, geometry.XResolution, unitsPerInch),
            Lines(geometry.PaperHeight, geometry.YResolution, unitsPerInch)};
}
