#pragma once

#include <QObject>

// The formatting routine and the locale-free number conversions.
class FormatTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void directives_data();
    void directives();
    void rejectsMismatchedArguments_data();
    void rejectsMismatchedArguments();
    void fixedTextRoundsTheExactValue_data();
    void fixedTextRoundsTheExactValue();
    void roundTripText_data();
    void roundTripText();
    void strToFloat_data();
    void strToFloat();
    void plainNumbersReadAsTheLibraryReadsThem_data();
    void plainNumbersReadAsTheLibraryReadsThem();
    void strToFloatRejects_data();
    void strToFloatRejects();
    void strToInt();
    void numberTextLengthLimit_data();
    void numberTextLengthLimit();
};
