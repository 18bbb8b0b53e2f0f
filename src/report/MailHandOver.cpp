#include "MailHandOver.h"

#include "XdgEmailHandOver.h"

namespace {

TMailHandOver* installed = nullptr;

TMailHandOver& DesktopMailClient()
{
    static TXdgEmailHandOver desktop;
    return desktop;
}

} // namespace

TMailHandOver& TMailHandOver::Current()
{
    return installed ? *installed : DesktopMailClient();
}

TMailHandOver* TMailHandOver::Install(TMailHandOver* handOver)
{
    TMailHandOver* previous = installed;
    installed = handOver;
    return previous;
}
