#pragma once

#include <stdexcept>
#include <string>

// An exchanger type whose section names an arrangement the program does not
// know. A Calc with that type fails with this message (naming the file, the
// section and the value) instead of solving it as counter flow.
class EArrangementError : public std::runtime_error
{
public:
    explicit EArrangementError(const std::string& message) : std::runtime_error(message) {}
};
