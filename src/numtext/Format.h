#pragma once

#include <QString>
#include <cstdint>
#include <initializer_list>
#include <variant>

// One argument of Format: a number or a text.
using TFormatArg = std::variant<double, std::int64_t, QString>;

// The program's printf-like formatting routine. Directives, each
// "%" [index ":"] ["-"] [width] ["." precision] type:
//   d  decimal integer, at least `precision` digits
//   f  fixed point with `precision` decimals (2 without one)
//   g  at most `precision` significant digits (15 without one), trailing zeros
//      and point dropped; scientific ("1.5E007", "2E-005") when the value has
//      more integer digits than `precision` or is below 0.00001
//   n  as f, with "," between thousands
//   s  text, cut to `precision` characters
//   x  upper-case hexadecimal, at least `precision` digits
//   %% a percent sign
// "." is always the decimal separator; ties round away from zero. A directive
// that does not fit its argument, or runs out of arguments, raises EConvertError.
QString Format(const QString& format, std::initializer_list<TFormatArg> args);

// The text of Format("%0.<decimals>f", {value}) and Format("%0.<precision>g",
// {value}), without a format to read: for callers that write many numbers.
QString FixedText(double value, int decimals);
QString GeneralText(double value, int precision);

// Shortest text that reads back as the same double ("0.1", "23.529", "1e+300").
QString FloatToRoundTripText(double value);
