#pragma once

class QPrinter;

// A printer's page as the page store sees it, all in printer dots: the
// resolution, the whole paper and where the printable area starts on it.
struct TPageGeometry
{
    int XResolution = 0;
    int YResolution = 0;
    int PaperWidth = 0;
    int PaperHeight = 0;
    int OffsetX = 0;
    int OffsetY = 0;

    // The geometry `printer` has now.
    static TPageGeometry Measure(const QPrinter& printer);

    bool operator==(const TPageGeometry&) const = default;
};
