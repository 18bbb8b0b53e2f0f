#pragma once

#include <QObject>

// The effectiveness–NTU relations of the flow arrangements, their inverses,
// limits and correction factor F, and how heatxtype.ini names an arrangement.
class FlowRelationTest : public QObject
{
    Q_OBJECT

private slots:
    void textbookEffectiveness_data();
    void textbookEffectiveness();
    void textbookCorrectionFactor_data();
    void textbookCorrectionFactor();
    void roundTrips_data();
    void roundTrips();
    void capacityRatioLimits_data();
    void capacityRatioLimits();
    void reach_data();
    void reach();
    void outsideTheDomain_data();
    void outsideTheDomain();
    void arrangementKeys_data();
    void arrangementKeys();
    void unknownArrangementKeys_data();
    void unknownArrangementKeys();
    void mixedStreamFollowsTheCapacityRates_data();
    void mixedStreamFollowsTheCapacityRates();
    void cappedCounterFlowIsTheSolversArithmetic_data();
    void cappedCounterFlowIsTheSolversArithmetic();
};
