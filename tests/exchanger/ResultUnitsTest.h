#pragma once

#include <QObject>
#include <QString>

// The text of --solve in a system of units, from the built program's outside:
// every number the record's value converted with the units' definitions, the
// findings in the same units, SI the text as without the option.
class ResultUnitsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void usTextIsTheRecordConverted_data();
    void usTextIsTheRecordConverted();
    void findingsTellTheirNumbersInTheUnits_data();
    void findingsTellTheirNumbersInTheUnits();
    void siUnitsGiveTheTextAsWithout_data();
    void siUnitsGiveTheTextAsWithout();
    void unitsOptionIsChecked_data();
    void unitsOptionIsChecked();

private:
    QString m_program;
};
