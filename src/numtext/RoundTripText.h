#pragma once

// The shortest text that reads back as the same double: the text of
// std::to_chars(first, last, value) (fixed or scientific, whichever is
// shorter, fixed on a tie; "." and no locale), written in about a third of its
// time for the normal numbers a solve produces.

// Room to give WriteRoundTripText: no text is longer than 24 characters
// ("-2.2250738585072014e-308"), and the writer may use a few bytes beyond it.
inline constexpr int RoundTripTextRoom = 32;

// Writes the text at `out`, which has RoundTripTextRoom bytes of room, and
// returns its end.
char* WriteRoundTripText(char* out, double value);
