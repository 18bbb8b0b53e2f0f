#pragma once

#include <QString>
#include <QStringList>

// Stateless text helpers around numbers: format classification, choice of a
// fixed-point format, clean-up of typed text, fractions, zero trimming, and
// splitting a line at a delimiter.

bool IsStringFormat(const QString& format);
bool IsIntegerFormat(const QString& format);
bool IsGeneralFormat(const QString& format);
bool IsFloatFormat(const QString& format);
bool IsFractionFormat(const QString& format);

QString StripSpaces(const QString& text);

int SigDigitDecimals(int sigDigits, int maxDecimals, double value);
QString SigDigitFormat(int sigDigits, int maxDecimals, double value);
QString AutoFixedFormat(int limit, const QString& defaultFormat, double value);
int FormatDecimals(const QString& format);
// The decimals a fixed format needs to show `sigDigits` significant digits of
// `value`, at most `maxDecimals`; 0 for zero, for a value that is no number and
// for one with that many digits before the point.
int DecimalsForSigDigits(int sigDigits, int maxDecimals, double value);
// `format`, or a fixed format with more decimals where its own would show
// fewer than `minSigDigits` significant digits of `value` (at most 12); a
// general format, or minSigDigits 0, leaves it as it is.
QString FixedFormatWithSigDigits(const QString& format, int minSigDigits, double value);

// Raises EConvertError when an exponent is not an integer.
QString CleanNumberText(const QString& text);
// Raises EConvertError when either part is not a number.
bool ParseFraction(const QString& text, double& first, double& second);
QString TrimNumberText(const QString& text);

// The text split at each delimiter: the whole text trimmed, each part up to its
// delimiter as it stands, the rest after a delimiter trimmed.
void SplitText(const QString& text, QChar delimiter, QStringList& list);
QStringList SplitTextToArray(const QString& text, QChar delimiter);
