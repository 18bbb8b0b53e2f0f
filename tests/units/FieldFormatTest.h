#pragma once

#include <QObject>

// A numeric field's value, text, unit, range and entry text, without a widget.
class FieldFormatTest : public QObject
{
    Q_OBJECT

private slots:
    void textOfValue_data();
    void textOfValue();
    void valueOfText_data();
    void valueOfText();
    void fixedFormatShowsTheFewestDigits_data();
    void fixedFormatShowsTheFewestDigits();
    void formatText_data();
    void formatText();
    void acceptsChar_data();
    void acceptsChar();
    void unitChangeReexpressesText();
    void entryTextFollowsUnitChange_data();
    void entryTextFollowsUnitChange();
    void unitChangeOnUnreadableTextKeepsPreviousUnit();
    void unitsTypeTakesTextAsBaseValue();
    void noUnitsWithStringFormatShowsNothing();
    void unitsLabelTurnsStringFormatIntoNumbers();

    void shownNumberKeptOverUnitChanges_data();
    void shownNumberKeptOverUnitChanges();
    void typedNumberKeptBeyondTheDigitsShown();
    void editedTextIsRead();
    void restoredEntryHoldsItsNumber();
    void heldNumberPulledIntoRange();
};
