#pragma once

#include "MailMessage.h"

// Hands a finished e-mail to whatever sends it. CurrentMailHandOver gives the
// one in use.
class TMailHandOver
{
public:
    virtual ~TMailHandOver() = default;

    // Passes `message` on; false with `error` set to a text for the user when it could not.
    virtual bool Send(const TMailMessage& message, QString& error) = 0;
};
