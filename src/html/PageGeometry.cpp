#include "PageGeometry.h"

#include <QPrinter>

TPageGeometry TPageGeometry::Measure(const QPrinter& printer)
{
    const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
    const QRect printable = printer.pageRect(QPrinter::DevicePixel).toRect();
    return {printer.logicalDpiX(), printer.logicalDpiY(),           paper.width(),
            paper.height(),        printable.left() - paper.left(), printable.top() - paper.top()};
}
