#pragma once

#include <QObject>
#include <QString>

// Fouling resistances and a design margin, from the built program's outside:
// its --json, --solve and --batch against hand calculations.
class AllowancesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fouledSizingAgreesWithAHandCalculation();
    void fouledRatingAgreesWithAHandCalculation();
    void areaGivenGivesTheCleanCoefficient();
    void zeroAllowancesGiveTheCaseAsBefore_data();
    void zeroAllowancesGiveTheCaseAsBefore();
    void verdictOnAllowances_data();
    void verdictOnAllowances();
    void resultsTextShowsTheAllowancesOnlyWhereSet();

private:
    QString m_program;
};
