#pragma once

#include <stdexcept>
#include <string>

// A text that does not convert to a number, or a format that does not fit its
// argument; the message is the one the user sees.
class EConvertError : public std::runtime_error
{
public:
    explicit EConvertError(const std::string& message) : std::runtime_error(message) {}
};
