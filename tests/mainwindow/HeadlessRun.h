#pragma once

#include "AppFolders.h"
#include "HeadlessSolver.h"

#include <QBuffer>
#include <QStringList>

// What a run of the headless solver gave.
struct THeadlessRun
{
    int code = 0;
    QByteArray out;
    QByteArray err;
};

// The headless solver as `kelvane` runs it, in this process over the window's
// program folder, with no input.
inline THeadlessRun RunHeadless(const QStringList& arguments)
{
    QBuffer in;
    QBuffer out;
    QBuffer err;
    in.open(QIODevice::ReadOnly);
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    const int code =
        THeadlessSolver(ExeFolder, QStringLiteral("test")).Run(arguments, in, out, err);
    return {code, out.data(), err.data()};
}
