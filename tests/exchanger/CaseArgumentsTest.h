#pragma once

#include <QObject>

// The 13 case values of the command line and the case line: reading them, writing
// the case line, and how they fill a record.
class CaseArgumentsTest : public QObject
{
    Q_OBJECT

private slots:
    void parsesTheThirteenValues();
    void badValueIsNamed_data();
    void badValueIsNamed();
    void wrongCountIsRefused();
    void allowancesFollowTheThirteen();
    void caseLine_data();
    void caseLine();
    void readTellsEachValueAsItConverts_data();
    void readTellsEachValueAsItConverts();
    void caseLineOfACase_data();
    void caseLineOfACase();
    void appliesAsTheMainWindowDoes();
    void indexOutsideItsTableIsRefused_data();
    void indexOutsideItsTableIsRefused();
};
