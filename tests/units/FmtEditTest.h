#pragma once

#include <QObject>

// The formatted edit and its units label, driven with keys and the mouse.
class FmtEditTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void temperatureShownInFahrenheit();
    void typedValueReformattedOnEnter_data();
    void typedValueReformattedOnEnter();
    void fractionNumbersPulledIntoRange();
    void exitOutOfRangeKeepsFocusAndFiresExit();
    void exitInRangeLetsFocusGo();
    void noFocusPingPongBetweenTwoOutOfRangeFields();
    void windowSwitchDoesNotValidate();
    void escapeRestoresEntryText();
    void escapeAfterUnitSwitchKeepsHeldValue_data();
    void escapeAfterUnitSwitchKeepsHeldValue();
    void escapeClaimedFromDialogOnlyWhileModified();
    void escapeClaimedFromShortcutOnlyWhileModified();
    void keyFiltering_data();
    void keyFiltering();
    void typingReplacesSelection();
    void backspace_data();
    void backspace();
    void pastedTextIsNotFiltered();
    void typedValueKeptBeyondTheDigitsShown();
    void escapeGivesBackTheExactValue();

    void valueKinds();
    void setValueErrorEmptiesText();
    void formatTypes_data();
    void formatTypes();
    void stringFormatClearsInitialText();
    void unitSwitchKeepsBaseValue();
    void unitSwitchWithUnreadableTextKeepsPreviousUnit();
    void setUnitsTypeTakesTextAsBaseValue();

    void labelClickAppliesChosenUnitToEveryEdit();
    void labelClickRoundTripsTemperatureUnits();
    void unitSwitchAndBackKeepsTheExactValue_data();
    void unitSwitchAndBackKeepsTheExactValue();
    void labelClickOnNoneTypeAppliesFirstIndex();
    void labelWithoutEditsOnlyClicks();
    void linksForgottenOnDestruction();
    void relinkingMovesEditBetweenLabels();
    void fieldReportsLinksToAnyUnitsLabel();
};
