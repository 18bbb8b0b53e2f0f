#include "CurrentPrinter.h"

#include <QCoreApplication>
#include <QPrinter>

namespace {

QPrinter* current = nullptr;

void ReleaseCurrentPrinter()
{
    delete current;
    current = nullptr;
}

} // namespace

QPrinter& CurrentPrinter()
{
    if (!current) {
        current = new QPrinter(QPrinter::HighResolution);
        UseWholePrintableArea(*current);
        qAddPostRoutine(ReleaseCurrentPrinter);
    }
    return *current;
}

void UseWholePrintableArea(QPrinter& printer)
{
    const QPageLayout layout = printer.pageLayout();
    printer.setPageMargins(layout.minimumMargins(), layout.units());
}
