#pragma once

#include <functional>
#include <optional>

class QPrinter;
class QWidget;

// What the user chose in a print dialog: the page range, 1-based. With
// AllPages the print runs from FromPage to the end of the document.
struct TPrintRequest
{
    int FromPage = 1;
    int ToPage = 1;
    bool AllPages = true;
};

// Asks for a printer and a page range; empty when the user cancelled.
using TPrintDialogRunner =
    std::function<std::optional<TPrintRequest>(QPrinter& printer, int fromPage, QWidget* parent)>;

// The platform's print dialog on `printer`: pages 1 ... 9999, "From" set to
// `fromPage`, only the page range and printing to a file offered.
std::optional<TPrintRequest> RunPrintDialog(QPrinter& printer, int fromPage, QWidget* parent);
