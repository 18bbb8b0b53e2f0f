#pragma once

#include <QObject>

// The checked arithmetic and the counter-flow formula functions.
class FormulasTest : public QObject
{
    Q_OBJECT

private slots:
    void checkedFaults_data();
    void checkedFaults();
    void checkedUnderflowIsSilent();
    void recorderKeepsTheFirstFault_data();
    void recorderKeepsTheFirstFault();
    void recordersNest();
    void firstFaultStandsForWhatFollowsIt();
    void faultMessages();
    void lmtd_data();
    void lmtd();
    void effectiveness_data();
    void effectiveness();
    void effectivenessUnguardedFaults_data();
    void effectivenessUnguardedFaults();
    void effectivenessUnderARecorder_data();
    void effectivenessUnderARecorder();
    void effectivenessUnguardedFaultsAreRecorded_data();
    void effectivenessUnguardedFaultsAreRecorded();
    void counterflowEffectiveness_data();
    void counterflowEffectiveness();
    void ntuFromEffectiveness_data();
    void ntuFromEffectiveness();
    void ntuInvertsEffectiveness_data();
    void ntuInvertsEffectiveness();
    void edgesAgainstReference_data();
    void edgesAgainstReference();
};
