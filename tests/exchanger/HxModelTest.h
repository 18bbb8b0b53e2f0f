#pragma once

#include <QObject>

// The case record, the given-values mask helpers, the built-in specific heats
// and the shared case's start-up.
class HxModelTest : public QObject
{
    Q_OBJECT

private slots:
    void newRecordIsEmpty();
    void maskHelpers();
    void hasAllIgnoresBitsAbove8();
    void defaultCp_data();
    void defaultCp();
    void setFluidsTakeBuiltInCp();
    void setHeatXTypeChangesNoNumber();
    void initialCaseStartsSolved();
};
