#pragma once

#include <QList>

struct TPageGeometry;

// Where the preview's ruler grid draws its lines, in printer dots from the
// paper's top-left corner: one line per inch (`unitsPerInch` 1) or per
// centimetre (2.54), from the first unit on, as many as the paper holds
// rounded to the nearest whole unit (halves to even), so the last line may
// lie just past the paper's edge. There is no line at 0.
struct TGridLines
{
    QList<int> X;
    QList<int> Y;

    static TGridLines For(const TPageGeometry& geometry, double unitsPerInch);
};
