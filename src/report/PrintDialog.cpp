#include "PrintDialog.h"

#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

namespace {

constexpr int HighestPage = 9999;

} // namespace

std::optional<TPrintRequest> RunPrintDialog(QPrinter& printer, int fromPage, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    // Printing to a file stays on: on a machine without a printer it is the only way to print.
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintToFile);
    dialog.setMinMax(1, HighestPage);
    fromPage = std::clamp(fromPage, 1, HighestPage);
    dialog.setFromTo(fromPage, fromPage);
    dialog.setPrintRange(QAbstractPrintDialog::AllPages);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const bool all = dialog.printRange() != QAbstractPrintDialog::PageRange;
    // With all pages chosen the dialog may report no range; the "From" page then stays.
    const int from = dialog.fromPage() > 0 ? dialog.fromPage() : fromPage;
    const int to = dialog.toPage() > 0 ? dialog.toPage() : from;
    return TPrintRequest{from, to, all};
}
