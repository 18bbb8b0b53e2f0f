#pragma once

#include <QStringList>

class THx;

// The results page of a case, in its four titled blocks (hot fluid, cold fluid,
// exchanger, duty): as the 40 HTML lines the results view shows, and as plain
// text with the same labels, values and units for terminals. Numbers are "%0.3f";
// names are inserted as they stand. Both only append to the list.
class TResultsPage
{
public:
    static void WriteHtml(const THx& hx, QStringList& lines);
    static void WriteText(const THx& hx, QStringList& lines);
};
