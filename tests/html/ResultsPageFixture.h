#pragma once

#include "CaseInput.h"
#include "Hx.h"

#include <QString>
#include <QStringList>

// A results page as the main window loads it into its HTML view: the
// built-in case solved with "Hot fluid specified" (Q = 23.529 kW).
inline QStringList ResultsPageLines()
{
    THx hx;
    SetInitialCase(hx);
    hx.Solve(InitialCaseMask);
    QStringList lines;
    hx.WriteResultsPage(lines);
    return lines;
}

// A document of `count` numbered paragraphs ("Paragraph 1" ...), long enough
// to fill several pages.
inline QStringList NumberedParagraphs(int count)
{
    QStringList lines{"<html><body>"};
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("<p>Paragraph %1</p>").arg(i);
    lines << "</body></html>";
    return lines;
}
