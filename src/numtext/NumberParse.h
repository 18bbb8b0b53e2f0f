#pragma once

#include <QString>
#include <string>

// Number conversion with "." as the decimal separator whatever the locale.
// Leading and trailing blanks are allowed; anything else that is not part of
// the number raises EConvertError with the user's text in the message.

// Longer texts, blanks around them aside, are not numbers to read: no double
// needs as many characters, and a message quotes only their start.
constexpr qsizetype MaxNumberTextLength = 400;

// A text quoted in a message is cut to this many characters, and "…" added.
constexpr qsizetype MaxQuotedLength = 80;
// The text, or its first MaxQuotedLength characters and "…".
QString QuotedExcerpt(const QString& text);

// The text without the blanks around a number: the blanks and control
// characters, every character up to the space, at either end.
QStringView TrimmedBlanks(QStringView text);

// "'abc' is not a valid floating point value"
double StrToFloat(const QString& text);
// "'abc' is not a valid integer value"
int StrToInt(const QString& text);
// As the two above, false instead of the error.
bool TryStrToFloat(const QString& text, double& value);
bool TryStrToInt(const QString& text, int& value);
// The messages of the two errors, for a caller that reports rather than raises them;
// a text longer than MaxNumberTextLength is quoted in part and the limit named.
std::string InvalidFloatMessage(const QString& text);
std::string InvalidIntegerMessage(const QString& text);
