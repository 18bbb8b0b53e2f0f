#pragma once

#include <QObject>

// The number text helpers: format classification, format choice, clean-up,
// fractions, zero trimming and line splitting.
class NumberTextTest : public QObject
{
    Q_OBJECT

private slots:
    void formatClassification_data();
    void formatClassification();
    void sigDigitDecimals_data();
    void sigDigitDecimals();
    void autoFixedFormat_data();
    void autoFixedFormat();
    void formatDecimals_data();
    void formatDecimals();
    void cleanNumberText_data();
    void cleanNumberText();
    void cleanNumberTextRejectsNonIntegerExponent();
    void parseFraction_data();
    void parseFraction();
    void parseFractionRejectsNonNumbers();
    void trimNumberText_data();
    void trimNumberText();
    void splitText_data();
    void splitText();
};
