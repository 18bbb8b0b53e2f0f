#pragma once

#include "MailMessage.h"

// Hands a finished e-mail to whatever sends it: the desktop's mail client,
// unless a test installs a recorder.
class TMailHandOver
{
public:
    virtual ~TMailHandOver() = default;

    // Passes `message` on; false with `error` set to a text for the user when it could not.
    virtual bool Send(const TMailMessage& message, QString& error) = 0;

    // The installed hand-over; the desktop mail client until another is installed.
    static TMailHandOver& Current();
    // Installs `handOver` (not owned) and returns the one it replaces; nullptr restores the
    // default.
    static TMailHandOver* Install(TMailHandOver* handOver);
};
