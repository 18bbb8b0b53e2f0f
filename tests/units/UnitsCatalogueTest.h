#pragma once

#include <QObject>

// The units catalogue: its types and unit lists, the lookups and the conversion formulas.
class UnitsCatalogueTest : public QObject
{
    Q_OBJECT

private slots:
    void typeOrdinalsAndCounts_data();
    void typeOrdinalsAndCounts();
    void catalogueRows_data();
    void catalogueRows();
    void unitsAgreeWithTheirDefinitions_data();
    void unitsAgreeWithTheirDefinitions();
    void checkUnitsIndex_data();
    void checkUnitsIndex();
    void lookupOutsideListThrows();
    void noneTypeLeavesFactorAndOffset();
    void conversionBetweenUnits_data();
    void conversionBetweenUnits();
    void displayRoundTrip_data();
    void displayRoundTrip();
    void formattedDisplay_data();
    void formattedDisplay();
};
