#pragma once

#include <stdexcept>
#include <string>

// A case given on the command line or in a case line that cannot be used: a value
// that does not convert, a table index that is not an entry, a malformed line.
// The message names the offending value.
class ECaseInputError : public std::runtime_error
{
public:
    explicit ECaseInputError(const std::string& message) : std::runtime_error(message) {}
};
