#include "CurrentMailHandOver.h"

#include "XdgEmailHandOver.h"

namespace {

TMailHandOver* installed = nullptr;

TMailHandOver& DesktopMailClient()
{
    static TXdgEmailHandOver desktop;
    return desktop;
}

} // namespace

TMailHandOver& CurrentMailHandOver()
{
    return installed ? *installed : DesktopMailClient();
}

TMailHandOver* InstallMailHandOver(TMailHandOver* handOver)
{
    TMailHandOver* previous = installed;
    installed = handOver;
    return previous;
}
